// "BorBtn", "BorRadio" and "BorCheck": the system's button with the library's faces.
// A BorBtn with the id IDOK or IDCANCEL draws the standard OK or Cancel face (a glyph and the
// word) instead of its own text; BorRadio and BorCheck are always automatic.
#include "borControls.h"

WNDPROC baseButtonProc;

namespace {

bool hasFace(HWND window) {
    int id = GetDlgCtrlID(window);
    return id == IDOK || id == IDCANCEL;
}

void drawGlyph(HDC dc, int id, int x, int y, int size) {
    HPEN pen = CreatePen(PS_SOLID, size >= 12 ? 3 : 2, id == IDOK ? RGB(0, 128, 0) : RGB(192, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    if (id == IDOK) {
        POINT check[] = {{x, y + size / 2}, {x + size / 3, y + size - 1}, {x + size - 1, y}};
        Polyline(dc, check, 3);
    } else {
        MoveToEx(dc, x, y, nullptr);
        LineTo(dc, x + size - 1, y + size - 1);
        MoveToEx(dc, x + size - 1, y, nullptr);
        LineTo(dc, x, y + size - 1);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void paintFace(HWND window, HDC dc) {
    int id = GetDlgCtrlID(window);
    RECT r;
    GetClientRect(window, &r);
    LRESULT state = CallWindowProcA(baseButtonProc, window, BM_GETSTATE, 0, 0);
    bool pushed = (state & BST_PUSHED) != 0;
    bool isDefault = (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;

    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (isDefault) {
        FrameRect(dc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    RECT inner = r;
    InflateRect(&inner, -3, -3);
    if (pushed) OffsetRect(&inner, 1, 1);

    const char* label = id == IDOK ? "OK" : "Cancel";
    HGDIOBJ oldFont = SelectObject(dc, (HFONT)SendMessageA(window, WM_GETFONT, 0, 0));
    SIZE text;
    GetTextExtentPoint32A(dc, label, lstrlenA(label), &text);
    int glyph = inner.bottom - inner.top - text.cy - 1;
    if (glyph > 16) glyph = 16;
    int top = inner.top + (inner.bottom - inner.top - text.cy - (glyph >= 6 ? glyph + 1 : 0)) / 2;
    if (glyph >= 6) {
        drawGlyph(dc, id, (inner.left + inner.right - glyph) / 2, top, glyph);
        top += glyph + 1;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(window) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    TextOutA(dc, (inner.left + inner.right - text.cx) / 2, top, label, lstrlenA(label));
    SelectObject(dc, oldFont);
    if (GetFocus() == window) DrawFocusRect(dc, &inner);
}

// Messages after which the system procedure may have drawn its own face over ours.
bool redrawsFace(UINT message) {
    switch (message) {
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        return true;
    }
    return false;
}

LRESULT withType(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LONG type) {
    if (message == WM_NCCREATE) {
        CREATESTRUCTA* cs = (CREATESTRUCTA*)lParam;
        cs->style = (cs->style & ~BS_TYPEMASK) | type;
        SetWindowLongA(window, GWL_STYLE, cs->style);
    }
    return CallWindowProcA(baseButtonProc, window, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK borBtnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hasFace(window)) return CallWindowProcA(baseButtonProc, window, message, wParam, lParam);
    if (paintMessage(window, message, wParam, paintFace)) return message == WM_ERASEBKGND;
    LRESULT result = CallWindowProcA(baseButtonProc, window, message, wParam, lParam);
    if (redrawsFace(message)) InvalidateRect(window, nullptr, FALSE);
    return result;
}

LRESULT CALLBACK borRadioProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return withType(window, message, wParam, lParam, BS_AUTORADIOBUTTON);
}

LRESULT CALLBACK borCheckProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return withType(window, message, wParam, lParam, BS_AUTOCHECKBOX);
}
