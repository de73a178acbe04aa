// "BorShade": the system's static control drawn as a sunken group frame (titled when it has a
// text) or as a horizontal or vertical dividing line. It paints only its edges and title, never its
// inside, so that the controls it frames show through.
#include "borControls.h"

#include "bwcc.h"

WNDPROC baseStaticProc;
int shadeSlot;

namespace {

int shadeOf(HWND window, const RECT& r) {
    int shade = GetWindowLongA(window, shadeSlot) & 0xF;
    if (shade == BSS_GROUP || shade == BSS_HDIP || shade == BSS_VDIP) return shade;
    if (r.right - r.left <= 3) return BSS_VDIP;
    return r.bottom - r.top <= 3 ? BSS_HDIP : BSS_GROUP;
}

void line(HDC dc, int x0, int y0, int x1, int y1, int color) {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(color));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void paintShade(HWND window, HDC dc) {
    RECT r;
    GetClientRect(window, &r);
    switch (shadeOf(window, r)) {
    case BSS_HDIP:
        line(dc, r.left, r.top, r.right, r.top, COLOR_BTNSHADOW);
        line(dc, r.left, r.top + 1, r.right, r.top + 1, COLOR_BTNHIGHLIGHT);
        break;
    case BSS_VDIP:
        line(dc, r.left, r.top, r.left, r.bottom, COLOR_BTNSHADOW);
        line(dc, r.left + 1, r.top, r.left + 1, r.bottom, COLOR_BTNHIGHLIGHT);
        break;
    default: {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        char title[256];
        int n = GetWindowTextA(window, title, sizeof title);
        if (n > 0) {
            HGDIOBJ oldFont = SelectObject(dc, (HFONT)SendMessageA(window, WM_GETFONT, 0, 0));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            TextOutA(dc, r.left + 4, r.top + 2, title, n);
            SelectObject(dc, oldFont);
        }
    }
    }
}

// The system procedure paints some changes at once, filling the whole control; repaint the
// shade and whatever it frames.
void repaintFramed(HWND window) {
    HWND parent = GetParent(window);
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, (POINT*)&r, 2);
    RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace

LRESULT CALLBACK borShadeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The shade style takes the low style bits, where the system's static control reads its own
    // kind: a vertical line (3) would be SS_ICON, which takes the text for an icon's name and
    // never keeps a new one. The shade style moves to the window's slot; the system's control
    // sees a plain text.
    if (message == WM_NCCREATE) {
        CREATESTRUCTA* cs = (CREATESTRUCTA*)lParam;
        SetWindowLongA(window, shadeSlot, cs->style & SS_TYPEMASK);
        cs->style &= ~SS_TYPEMASK;
        SetWindowLongA(window, GWL_STYLE, cs->style);
    }
    if (paintMessage(window, message, wParam, paintShade)) return message == WM_ERASEBKGND;
    LRESULT result = CallWindowProcA(baseStaticProc, window, message, wParam, lParam);
    if (message == WM_SETTEXT || message == WM_ENABLE) repaintFramed(window);
    return result;
}
