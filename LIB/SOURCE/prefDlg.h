// prefDlg: a modal dialog whose controls edit the items of a preference store.
#pragma once

#include "pref"
#include "winDlg.h"

class prefDlg : public winDlg {
public:
    // The store is not owned and must outlive the dialog; without one (null) the dialog moves
    // nothing and offers no reset.
    prefDlg(HWND parent, const str& templateName, pref* store);

    void SetupWindow() override; // the dialog setup, then every item into its control
    bool CanClose() override;    // on OK: every item out of its control; always closes
    bool EvCommand(int id) override;

    void transferToControls();
    bool transferFromControls();
    // Command 160: after a Yes, every item back to its default, shown at once.
    void resetAll();

    pref* store;

    enum { resetCommand = 160 };
};
