// TWindow: class registration, creation, message dispatch and the end of window objects.
#include "TWindow.h"

#include "TApplication.h"

#include <cstring>

TWindow* TWindow::creating = nullptr;

TWindow::TWindow(TWindow* parent, const char* title)
    : Attr{WS_OVERLAPPEDWINDOW, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr},
      HWindow(nullptr), Parent(parent),
      Title(strcpy(new char[strlen(title ? title : "") + 1], title ? title : "")), subclassed(nullptr),
      made(false), inCreate(false) {}

TWindow::~TWindow() {
    if (HWindow) {
        HWND window = HWindow;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        HWindow = nullptr;
        DestroyWindow(window);
    }
    TApplication* app = TApplication::current;
    if (app && app->MainWindow == this) app->MainWindow = nullptr;
    delete[] Title;
}

TWindow* TWindow::ObjectOf(HWND window) {
    return window && GetPropA(window, "TWindow") ? (TWindow*)GetWindowLongPtrA(window, GWLP_USERDATA)
                                                 : nullptr;
}

bool TWindow::Create() {
    if (HWindow) return true;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc;
    if (!GetClassInfoA(instance, ClassName(), &wc) && !GetClassInfoA(nullptr, ClassName(), &wc)) {
        wc = WNDCLASSA{CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                       windowProc,
                       0,
                       0,
                       instance,
                       LoadIconA(nullptr, IDI_APPLICATION),
                       LoadCursorA(nullptr, IDC_ARROW),
                       (HBRUSH)(COLOR_WINDOW + 1),
                       nullptr,
                       ClassName()};
        RegisterClassA(&wc);
    }
    TWindow* outer = creating;
    creating = this;
    inCreate = true;
    HWND window = CreateHandle(Parent ? Parent->HWindow : nullptr);
    creating = outer;
    if (window && IsWindow(window)) {
        attach(window);
        made = true;
        SetupWindow();
    }
    inCreate = false;
    return HWindow != nullptr;
}

HWND TWindow::CreateHandle(HWND parentWindow) {
    return CreateWindowExA(Attr.ExStyle, ClassName(), Title, Attr.Style, Attr.X, Attr.Y, Attr.W, Attr.H,
                           parentWindow, Attr.Menu, GetModuleHandleA(nullptr), this);
}

void TWindow::attach(HWND window) {
    if (HWindow == window) return;
    HWindow = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)this);
    SetPropA(window, "TWindow", (HANDLE)1);
    if (subclassed) SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)windowProc);
}

// The close check may run a message loop (a message box) in which the window goes.
void TWindow::CloseWindow() {
    HWND window = HWindow;
    if (CanClose() && ObjectOf(window) == this) Destroy();
}

void TWindow::Destroy() {
    if (HWindow) DestroyWindow(HWindow);
}

void TWindow::EvWindowPosChanging(WINDOWPOS&) {}

void TWindow::EvWindowPosChanged(WINDOWPOS&) {
    if (IsIconic(HWindow) || IsZoomed(HWindow)) return;
    RECT r;
    GetWindowRect(HWindow, &r);
    if (GetWindowLongA(HWindow, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(HWindow), (POINT*)&r, 2);
    Attr.X = r.left;
    Attr.Y = r.top;
    Attr.W = r.right - r.left;
    Attr.H = r.bottom - r.top;
}

void TWindow::EvSize(UINT sizeType, int, int) {
    if (sizeType == SIZE_MAXIMIZED)
        Attr.Style |= WS_MAXIMIZE;
    else if (sizeType == SIZE_RESTORED)
        Attr.Style &= ~WS_MAXIMIZE;
}

bool TWindow::EvCommand(int) {
    return false;
}

LRESULT TWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = HWindow;
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        EvWindowPosChanging(*(WINDOWPOS*)lParam);
        break;
    case WM_WINDOWPOSCHANGED:
        EvWindowPosChanged(*(WINDOWPOS*)lParam);
        break;
    case WM_SIZE:
        EvSize((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_COMMAND:
        if (HIWORD(wParam) <= 1 && EvCommand(LOWORD(wParam))) return 0;
        break;
    case WM_CLOSE:
        CloseWindow();
        return 0;
    case WM_DESTROY: {
        // Not for a window whose creation failed (WM_CREATE gave -1, or it went while it was set
        // up): the quit would close the box that reports it before anyone saw it.
        TApplication* app = TApplication::current;
        if (made && !inCreate && app && app->MainWindow == this) PostQuitMessage(0);
        break;
    }
    }
    if (ObjectOf(window) != this) // a handler closed the window: this object has ended
        return 0;
    return DefaultProc(message, wParam, lParam);
}

LRESULT TWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return subclassed ? CallWindowProcA(subclassed, HWindow, message, wParam, lParam)
                      : DefWindowProcA(HWindow, message, wParam, lParam);
}

LRESULT CALLBACK TWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow* object = ObjectOf(window);
    if (!object && creating) {
        object = creating;
        object->attach(window);
    }
    if (!object) return DefWindowProcA(window, message, wParam, lParam);
    if (message != WM_NCDESTROY) return object->WindowProc(message, wParam, lParam);
    // The window's last message: the object ends with it, unless its Create is still running.
    LRESULT result = object->DefaultProc(message, wParam, lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    RemovePropA(window, "TWindow");
    object->HWindow = nullptr;
    if (!object->inCreate) delete object;
    return result;
}
