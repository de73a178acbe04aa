// TMDIClient: making the MDICLIENT window and arranging and closing its children.
#include "TMDIClient.h"

#include <vector>

namespace {
const UINT firstChildId = 0xFF00;

// The client's child windows that have framework objects (icon titles have none). A child's close
// check (a message box runs a message loop) or its end may end other children, so the walks hold
// windows, and take each object again from its window just before they use it.
std::vector<HWND> childWindows(HWND client) {
    std::vector<HWND> found;
    for (HWND w = GetWindow(client, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (TWindow::ObjectOf(w)) found.push_back(w);
    return found;
}
} // namespace

TMDIClient::TMDIClient(TWindow* frame) : TWindow(frame, "") {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL;
    Attr.X = Attr.Y = Attr.W = Attr.H = 0;
}

TMDIClient::~TMDIClient() {
    if (heldBy && *heldBy == this) *heldBy = nullptr;
}

HWND TMDIClient::CreateHandle(HWND parentWindow) {
    CLIENTCREATESTRUCT client{nullptr, firstChildId};
    HWND window = CreateWindowExA(Attr.ExStyle, ClassName(), "", Attr.Style, Attr.X, Attr.Y, Attr.W, Attr.H,
                                  parentWindow, nullptr, GetModuleHandleA(nullptr), &client);
    if (window) subclassed = (WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC);
    return window;
}

void TMDIClient::TileChildren() {
    SendMessageA(HWindow, WM_MDITILE, MDITILE_VERTICAL, 0);
}

void TMDIClient::CascadeChildren() {
    SendMessageA(HWindow, WM_MDICASCADE, 0, 0);
}

void TMDIClient::ArrangeIcons() {
    SendMessageA(HWindow, WM_MDIICONARRANGE, 0, 0);
}

HWND TMDIClient::ActiveChild() {
    return (HWND)SendMessageA(HWindow, WM_MDIGETACTIVE, 0, 0);
}

bool TMDIClient::ChildrenCanClose() {
    for (HWND w : childWindows(HWindow))
        if (TWindow* child = ObjectOf(w))
            if (!child->CanClose()) return false;
    return true;
}

bool TMDIClient::CloseChildren() {
    bool all = true;
    for (HWND w : childWindows(HWindow)) {
        TWindow* child = ObjectOf(w);
        if (child && !child->CanClose())
            all = false;
        else if ((child = ObjectOf(w))) // its own close check may have ended it
            child->Destroy();
    }
    return all;
}
