// plain_dialog: the least Win32 program that shows the Options dialog's template: the custom
// controls registered, the dialog run modally, nothing read or written.
#include "bwcc.h"

#include <windows.h>

namespace {
INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    BWCCRegister(instance);
    return (int)DialogBoxParamA(instance, "PREFDLG", nullptr, dialogProc, 0);
}
