// winDlg: the library's modal dialog from a named template, with control operations by id.
#pragma once

#include "TDialog.h"
#include "str.h"

class winDlg : public TDialog {
public:
    // parent may be null; templateName names the dialog resource ("inputDlg", "prefDlg").
    winDlg(HWND parent, const str& templateName);

    void CloseWindow(int result) override; // keeps the result, then the base close request
    void Destroy(int result) override;     // clears the owner slot once, then ends the dialog
    void SetupWindow() override;           // sets caption as the title when it holds text

    // Control operations on the running dialog. direction 0 moves value into the control; any
    // other direction reads the control into value.
    int IsChecked(int id);
    void SetCheck(int id, int state);
    void TransferCheck(int id, int& value, int direction);
    int CheckedIndex(int first, int count);         // offset of the first checked of first.., or -1
    void SetRadio(int first, int count, int index); // an index outside 0..count-1 checks none
    void TransferRadio(int first, int count, int& value, int direction);
    HWND Item(int id);    // null when the template has no such control
    str ItemText(int id); // the whole text; "" when there is no such control
    void SetItemText(int id, const str& text);
    // A message box owned by the dialog; an empty caption gives the application's name.
    int DlgMessage(const str& text, unsigned type, const str& caption);

    str caption;
    int result;
    void** ownerSlot; // a cell in the owner that refers to this dialog; nulled when it goes
    int destroyed;
};
