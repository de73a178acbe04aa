// TMDIClient: making the MDICLIENT window and arranging and closing its children.
#include "TMDIClient.h"

#include <vector>

namespace {
const UINT firstChildId = 0xFF00;

// The framework objects of the client's child windows (icon titles have none).
std::vector<TWindow*> childObjects(HWND client) {
    std::vector<TWindow*> found;
    for (HWND w = GetWindow(client, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (TWindow* object = TWindow::ObjectOf(w))
            found.push_back(object);
    return found;
}
} // namespace

TMDIClient::TMDIClient(TWindow* frame) : TWindow(frame, "") {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL;
    Attr.X = Attr.Y = Attr.W = Attr.H = 0;
}

HWND TMDIClient::CreateHandle(HWND parentWindow) {
    CLIENTCREATESTRUCT client{nullptr, firstChildId};
    HWND window = CreateWindowExA(Attr.ExStyle, ClassName(), "", Attr.Style, Attr.X, Attr.Y, Attr.W, Attr.H,
                                  parentWindow, nullptr, GetModuleHandleA(nullptr), &client);
    if (window)
        subclassed = (WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC);
    return window;
}

void TMDIClient::TileChildren() { SendMessageA(HWindow, WM_MDITILE, MDITILE_VERTICAL, 0); }

void TMDIClient::CascadeChildren() { SendMessageA(HWindow, WM_MDICASCADE, 0, 0); }

void TMDIClient::ArrangeIcons() { SendMessageA(HWindow, WM_MDIICONARRANGE, 0, 0); }

HWND TMDIClient::ActiveChild() { return (HWND)SendMessageA(HWindow, WM_MDIGETACTIVE, 0, 0); }

bool TMDIClient::ChildrenCanClose() {
    for (TWindow* child : childObjects(HWindow))
        if (!child->CanClose())
            return false;
    return true;
}

bool TMDIClient::CloseChildren() {
    bool all = true;
    for (TWindow* child : childObjects(HWindow)) {
        if (child->CanClose())
            child->Destroy();
        else
            all = false;
    }
    return all;
}
