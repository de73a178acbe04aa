// inputDlg: filling the prompt and edit field, and taking the edited text on OK.
#include "inputDlg.h"

inputDlg::inputDlg(HWND parent) : winDlg(parent, "inputDlg"), text(nullptr), prompt("") {}

void inputDlg::SetupWindow() {
    winDlg::SetupWindow();
    if (prompt.length() > 0) SetItemText(promptId, prompt);
    if (text && text->length() > 0) SetItemText(editId, *text);
}

bool inputDlg::CanClose() {
    if (text) *text = ItemText(editId);
    return true;
}
