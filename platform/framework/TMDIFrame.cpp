// TMDIFrame: the client, the arranging commands and the frame's default handling.
#include "TMDIFrame.h"

#include "TApplication.h"

TMDIFrame::TMDIFrame(const char* title, HMENU menu) : TWindow(nullptr, title), ClientWnd(nullptr) {
    Attr.Style |= WS_CLIPCHILDREN;
    Attr.Menu = menu;
}

TMDIFrame::~TMDIFrame() {
    if (ClientWnd && ClientWnd->heldBy == &ClientWnd) ClientWnd->heldBy = nullptr;
}

void TMDIFrame::SetupWindow() {
    TWindow::SetupWindow();
    ClientWnd = InitClientWindow();
    if (ClientWnd) ClientWnd->heldBy = &ClientWnd;
    if (ClientWnd && ClientWnd->Create()) return;
    delete ClientWnd;
    ClientWnd = nullptr;
    if (TApplication::current) TApplication::current->Error(EM_INVALIDCLIENT);
}

bool TMDIFrame::CanClose() {
    return TWindow::CanClose() && (!ClientWnd || ClientWnd->ChildrenCanClose());
}

bool TMDIFrame::PreProcessMsg(MSG& msg) {
    return ClientWnd && TranslateMDISysAccel(ClientWnd->HWindow, &msg);
}

bool TMDIFrame::EvCommand(int id) {
    if (!ClientWnd) return false;
    switch (id) {
    case CM_CASCADECHILDREN:
        ClientWnd->CascadeChildren();
        return true;
    case CM_TILECHILDREN:
        ClientWnd->TileChildren();
        return true;
    case CM_ARRANGEICONS:
        ClientWnd->ArrangeIcons();
        return true;
    case CM_CLOSECHILDREN:
        ClientWnd->CloseChildren();
        return true;
    }
    return false;
}

LRESULT TMDIFrame::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY || message == WM_DESTROY)
        ClientWnd = nullptr; // the client's object ends with its window
    return DefFrameProcA(HWindow, ClientWnd ? ClientWnd->HWindow : nullptr, message, wParam, lParam);
}
