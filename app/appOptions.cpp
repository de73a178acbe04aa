// The option items and the Options dialog, which saves what the user changed.
#include "appOptions.h"

#include "appTexts.h"
#include "mainApp.h"
#include "prefDlg.h"
#include "samePath.h"

namespace appOptions {
prefItem items[] = {
    prefItem(posId, "Pos", ".25 .25 .5 .5 0", -1),
    prefItem(downloadFolderId, "Download folder", "C:\\downloaded files", ID_DOWNLOAD_FOLDER),
    prefItem(scannerId, "Anti-virus scanner", "", ID_SCANNER),
    prefItem(pkunzipId, "Location of pkunzip", "<path>", ID_PKUNZIP_FOLDER),
    prefItem(afterDownloadId, "After download", ID_INSTALL_IMMEDIATELY, 1, 3),
};
const int count = sizeof items / sizeof items[0];
} // namespace appOptions

// The store saves only what the user changed, so a failed save means changes were lost.
bool mainApp::editOptions() {
    prefDlg dialog(nullptr, "prefDlg", prefs);
    dialog.Execute();
    return !prefs || prefs->saveAll();
}

// The store's file is kept in its short form; the user knows the folder by its long name.
str mainApp::optionsFile() {
    return LongFullPath(prefs->fileName);
}

// A value with a line break is refused by the store, whatever the file allows.
prefItem* mainApp::unstorableOption() {
    prefItem* lost = prefs ? prefs->notSaved : nullptr;
    return lost && !prefItem::storable(lost->value) ? lost : nullptr;
}

int mainApp::ShowOptions() {
    if (editOptions()) return 1;
    const str product(appTexts::productName);
    prefItem* refused = unstorableOption();
    MsgBox(refused
               ? product + " could not save its option \"" + refused->name +
                     "\", which holds a line break; your other changes were saved.\n\nEnter it on one line "
                     "under Options."
               : product + " could not save its options in " + optionsFile() +
                     ", so the changes you made were not saved.\n\nCheck that the folder exists and that "
                     "you may write to it.",
           MB_ICONEXCLAMATION, product, nullptr);
    return 1;
}
