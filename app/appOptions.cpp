// The option items and the Options dialog, which saves what the user changed.
#include "appOptions.h"

#include "appTexts.h"
#include "mainApp.h"
#include "prefDlg.h"

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

// Whichever button closed the dialog, the changed options are saved; a file that cannot be
// written is named to the user rather than losing the options silently.
int mainApp::ShowOptions() {
    prefDlg dialog(nullptr, "prefDlg", prefs);
    dialog.Execute();
    if (prefs && !prefs->saveAll())
        MsgBox(str(appTexts::productName) + " could not save its options in\n" + prefs->fileName,
               MB_ICONEXCLAMATION, appTexts::productName, nullptr);
    return 1;
}
