// prefDlg: moving the store's items into and out of the dialog, and the reset command.
#include "prefDlg.h"

prefDlg::prefDlg(HWND parent, const str& templateName, pref* store)
    : winDlg(parent, templateName), store(store) {}

void prefDlg::SetupWindow() {
    winDlg::SetupWindow();
    transferToControls();
}

bool prefDlg::CanClose() {
    return transferFromControls();
}

bool prefDlg::EvCommand(int id) {
    if (id != resetCommand) return winDlg::EvCommand(id);
    resetAll();
    return true;
}

// A dialog without a store has nothing to move, and nothing to reset.
void prefDlg::transferToControls() {
    for (int i = 0; store && i < store->count; ++i)
        store->items[i].toControl(*this);
}

bool prefDlg::transferFromControls() {
    for (int i = 0; store && i < store->count; ++i)
        store->items[i].fromControl(*this);
    return true;
}

void prefDlg::resetAll() {
    if (!store) return;
    if (DlgMessage("All Preferences (including print settings) will be reset to factory defaults.\nProceed?",
                   36, "Preferences") != IDYES)
        return;
    for (int i = 0; i < store->count; ++i)
        store->items[i].resetToDefault();
    transferToControls();
}
