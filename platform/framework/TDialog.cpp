// TDialog: the modal run and the dispatch of its setup and commands.
#include "TDialog.h"

#include "TApplication.h"

#include <cstring>

TDialog::TDialog(HWND parent, const char* name)
    : HWindow(nullptr), Parent(parent),
      templateName(strcpy(new char[strlen(name ? name : "") + 1], name ? name : "")) {}

TDialog::~TDialog() {
    delete[] templateName;
}

INT_PTR TDialog::Execute() {
    if (TApplication::current && !TApplication::current->CustomControlsNeeded()) return -1;
    return DialogBoxParamA(GetModuleHandleA(nullptr), templateName, Parent, dialogProc, (LPARAM)this);
}

void TDialog::CloseWindow(int result) {
    if (CanClose()) Destroy(result);
}

void TDialog::Destroy(int result) {
    if (HWindow) EndDialog(HWindow, result);
}

bool TDialog::EvCommand(int id) {
    switch (id) {
    case IDOK:
        CloseWindow(IDOK);
        return true;
    case IDCANCEL:
        Destroy(IDCANCEL);
        return true;
    }
    return false;
}

INT_PTR CALLBACK TDialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TDialog* dialog = (TDialog*)GetWindowLongPtrA(window, DWLP_USER);
    switch (message) {
    case WM_INITDIALOG:
        dialog = (TDialog*)lParam;
        SetWindowLongPtrA(window, DWLP_USER, (LONG_PTR)dialog);
        dialog->HWindow = window;
        // A dialog without a parent comes up in front and active, as an owner-less box does
        // (MsgBox): made the foreground window before it is shown and activated.
        if (!dialog->Parent) SetForegroundWindow(window);
        dialog->SetupWindow();
        return TRUE;
    case WM_COMMAND:
        return dialog && HIWORD(wParam) <= 1 && dialog->EvCommand(LOWORD(wParam));
    case WM_NCDESTROY:
        if (dialog) dialog->HWindow = nullptr;
        return FALSE;
    }
    return FALSE;
}
