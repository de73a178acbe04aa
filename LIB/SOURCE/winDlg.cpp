// winDlg: the dialog steps and the control operations.
#include "winDlg.h"

#include "TApplication.h"
#include "msgBox.h"

namespace {
const int itemTextBuffer = 500;
} // namespace

winDlg::winDlg(HWND parent, const str& templateName)
    : TDialog(parent, templateName), caption(""), result(0), ownerSlot(nullptr), destroyed(0) {}

void winDlg::CloseWindow(int r) {
    result = r;
    TDialog::CloseWindow(r);
}

void winDlg::Destroy(int r) {
    if (!destroyed) {
        destroyed = 1;
        if (ownerSlot) *ownerSlot = nullptr;
    }
    TDialog::Destroy(r);
}

void winDlg::SetupWindow() {
    TDialog::SetupWindow();
    if (caption.length() > 0) SetWindowTextA(HWindow, caption);
}

int winDlg::IsChecked(int id) {
    return IsDlgButtonChecked(HWindow, id);
}

void winDlg::SetCheck(int id, int state) {
    CheckDlgButton(HWindow, id, state);
}

void winDlg::TransferCheck(int id, int& value, int direction) {
    if (direction == 0)
        SetCheck(id, value);
    else
        value = IsChecked(id);
}

int winDlg::CheckedIndex(int first, int count) {
    for (int i = 0; i < count; ++i)
        if (IsChecked(first + i)) return i;
    return -1;
}

// The index may come from a file: only 0 to count - 1 checks a button, any other clears the group.
void winDlg::SetRadio(int first, int count, int index) {
    if (index >= 0 && index < count)
        CheckRadioButton(HWindow, first, first + count - 1, first + index);
    else
        for (int i = 0; i < count; ++i)
            CheckDlgButton(HWindow, first + i, BST_UNCHECKED);
}

void winDlg::TransferRadio(int first, int count, int& value, int direction) {
    if (direction == 0)
        SetRadio(first, count, value);
    else
        value = CheckedIndex(first, count);
}

HWND winDlg::Item(int id) {
    return GetDlgItem(HWindow, id);
}

str winDlg::ItemText(int id) {
    // The whole text: a value cut here would be written back cut when the dialog is confirmed.
    int size = GetWindowTextLengthA(Item(id)) + 1;
    if (size < itemTextBuffer) size = itemTextBuffer;
    str buffer(size, '\0');
    GetDlgItemTextA(HWindow, id, buffer, size);
    return str((const char*)buffer);
}

void winDlg::SetItemText(int id, const str& text) {
    SetDlgItemTextA(HWindow, id, text);
}

int winDlg::DlgMessage(const str& text, unsigned type, const str& boxCaption) {
    const char* appName = TApplication::current ? TApplication::current->Name : "";
    return MsgBox(text, type, boxCaption.length() ? boxCaption : str(appName), HWindow);
}
