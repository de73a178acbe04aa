// The option items and the Options dialog, which saves what the user changed.
#include "appOptions.h"

#include "appTexts.h"
#include "mainApp.h"
#include "prefDlg.h"

namespace appOptions {
prefItem items[] = {
    prefItem(posId, "Pos", ".25 .25 .5 .5 0", -1),
    prefItem(downloadFolderId, "Download folder", "C:\\downloaded files", 80),
    prefItem(scannerId, "Anti-virus scanner", "", 82),
    prefItem(pkunzipId, "Location of pkunzip", "<path>", 81),
    prefItem(afterDownloadId, "After download", 88, 1, 3),
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
