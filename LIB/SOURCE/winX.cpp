// winX: the children, the saved position and the shared operations of the library's windows.
#include "winX.h"

#include "genApp.h"
#include "msgBox.h"
#include "pref"
#include "winPosition.h"

int winX::live = 0;

namespace {
genApp* application() {
    return static_cast<genApp*>(TApplication::current);
}

prefItem* positionOf(int item) {
    genApp* app = application();
    return app && app->prefs && item != -1 ? app->prefs->findItem(item) : nullptr;
}
} // namespace

winX::winX(TWindow* window, winX* parentWindow)
    : window(window), positionItem(-1), sizeType(SIZE_RESTORED), wasMinimised(0), clearOnDestroy(nullptr),
      parent(nullptr), title("") {
    ++live;
    if (parentWindow) {
        setParent(parentWindow);
        parentWindow->childList()->add(this);
    }
}

winX::~winX() {
    if (clearOnDestroy) *clearOnDestroy = nullptr;
    --live;
    genApp* app = application();
    if (!app || !app->closing[0]) {
        if (parent) {
            looseSet<winX>& siblings = *parent->childList();
            for (winX* w = siblings.toFirst(0); w; w = siblings.move(1))
                if (w == this) {
                    siblings.remove();
                    break;
                }
        }
        // Each child forgets this window first, so that it does not reach back into this list.
        while (winX* child = children.toFirst(0)) {
            children.remove();
            child->clearParent();
            if (child->window && child->window->HWindow)
                child->window->Destroy();
            else
                delete child;
        }
    }
    if (prefItem* item = positionOf(positionItem)) {
        const TWindow::attributes& a = window->Attr;
        item->setText(PositionText(winPlace{a.X, a.Y, a.W, a.H}, (a.Style & WS_MAXIMIZE) != 0,
                                   GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    }
}

str winX::getTitle() {
    return title;
}

void winX::setTitle(const str& text) {
    title = text;
}

void winX::repaint() {
    if (window && window->HWindow) InvalidateRect(window->HWindow, nullptr, TRUE);
}

SIZE winX::frameSize() {
    return SIZE{2 * GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYCAPTION) +
                                                      2 * GetSystemMetrics(SM_CYFRAME) -
                                                      GetSystemMetrics(SM_CYBORDER)};
}

void winX::bindPosition(int item) {
    positionItem = item;
    prefItem* position = positionOf(item);
    if (!position) return;
    winPlace p =
        PositionFromText(position->getText(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    window->Attr.X = p.left;
    window->Attr.Y = p.top;
    window->Attr.W = p.width;
    window->Attr.H = p.height;
}

int winX::MsgBox(const str& text, unsigned style, const str& caption) {
    genApp* app = application();
    str shown = caption.length() > 0 || !app ? caption : str(app->Name);
    return ::MsgBox(text, style, shown, window ? window->HWindow : nullptr);
}

void winX::showChildren(bool minimised) {
    genApp* app = application();
    if (app && app->closing[0]) return;
    for (winX* child = children.toFirst(0); child; child = children.move(1)) {
        HWND w = child->window ? child->window->HWindow : nullptr;
        if (!w) continue;
        if (minimised) {
            ShowWindow(w, SW_MINIMIZE);
            ShowWindow(w, SW_HIDE);
        } else {
            ShowWindow(w, SW_SHOWNOACTIVATE);
        }
    }
    if (minimised && window && window->HWindow) SetWindowTextA(window->HWindow, title);
}
