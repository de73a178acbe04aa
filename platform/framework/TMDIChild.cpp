// TMDIChild: creation and destruction through the client, and the child's default handling.
#include "TMDIChild.h"

TMDIChild::TMDIChild(TMDIFrame* frame, const char* title)
    : TWindow(frame ? frame->ClientWnd : nullptr, title) {
    Attr.Style = WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE;
}

HWND TMDIChild::CreateHandle(HWND clientWindow) {
    if (!clientWindow) return nullptr;
    MDICREATESTRUCTA create{ClassName(), Title,      GetModuleHandleA(nullptr),
                            Attr.X,      Attr.Y,     Attr.W,
                            Attr.H,      Attr.Style, (LPARAM)this};
    return (HWND)SendMessageA(clientWindow, WM_MDICREATE, 0, (LPARAM)&create);
}

void TMDIChild::Destroy() {
    if (HWindow && Parent && Parent->HWindow)
        SendMessageA(Parent->HWindow, WM_MDIDESTROY, (WPARAM)HWindow, 0);
    else
        TWindow::Destroy();
}

LRESULT TMDIChild::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(HWindow, message, wParam, lParam);
}
