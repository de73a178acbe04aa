// bwcc32.dll: registers the dialog class and superclasses of the system's button and static
// controls, so that the standard control messages behave as on the system's own controls.
#define BWCC_BUILDING
#include "bwcc.h"

#include "borControls.h"

namespace {

HINSTANCE libraryInstance;

// A copy of a system class under a new name, with its own window procedure. The system's
// procedure is kept in base and called for everything the new one does not handle. A slot of
// its own, when asked for, follows the system class's window bytes, at *slot.
bool superclass(const char* systemClass, const char* name, WNDPROC proc, WNDPROC* base, int* slot = nullptr) {
    WNDCLASSA wc;
    if (!GetClassInfoA(nullptr, systemClass, &wc)) return false;
    *base = wc.lpfnWndProc;
    if (slot) {
        *slot = wc.cbWndExtra;
        wc.cbWndExtra += sizeof(LONG);
    }
    wc.lpfnWndProc = proc;
    wc.hInstance = libraryInstance;
    wc.lpszClassName = name;
    wc.style |= CS_GLOBALCLASS;
    return RegisterClassA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool registerDialogClass() {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = libraryInstance;
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "BorDlg";
    return RegisterClassA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) libraryInstance = instance;
    return TRUE;
}

BOOL WINAPI BWCCRegister(HINSTANCE) {
    bool ok = registerDialogClass();
    ok = superclass("BUTTON", "BorBtn", borBtnProc, &baseButtonProc) && ok;
    ok = superclass("BUTTON", "BorRadio", borRadioProc, &baseButtonProc) && ok;
    ok = superclass("BUTTON", "BorCheck", borCheckProc, &baseButtonProc) && ok;
    ok = superclass("STATIC", "BorShade", borShadeProc, &baseStaticProc, &shadeSlot) && ok;
    return ok;
}

// The library's texts exist in English only: nothing to switch.
BOOL WINAPI BWCCIntlInit(UINT language) {
    return language == LANG_ENGLISH;
}
