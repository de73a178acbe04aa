// Tests of the custom controls: they answer the standard control messages as the system's own.
#include "bwcc.h"
#include "testApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include <windows.h>

namespace {

class Controls : public ::testing::Test {
protected:
    HWND parent = nullptr;
    void SetUp() override {
        ASSERT_TRUE(testApp().CustomControlsNeeded());
        parent = CreateWindowExA(0, "BorDlg", "parent", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND child(const char* cls, const char* text, int id, DWORD style) {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 20, parent,
                               (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
    }
    std::string textOf(int id) {
        char buffer[100] = "";
        GetDlgItemTextA(parent, id, buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(Controls, RadioButtonsAreAutomatic) {
    child("BorRadio", "one", 88, WS_GROUP); // no button type given: still automatic
    child("BorRadio", "two", 89, 0);
    child("BorRadio", "three", 90, 0);
    SendDlgItemMessageA(parent, 89, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(parent, 89), BST_CHECKED);
    SendDlgItemMessageA(parent, 90, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(parent, 90), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(parent, 89), BST_UNCHECKED);
    CheckRadioButton(parent, 88, 90, 88);
    EXPECT_EQ(IsDlgButtonChecked(parent, 88), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(parent, 90), BST_UNCHECKED);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(parent, 88), GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
}

TEST_F(Controls, CheckBoxToggles) {
    child("BorCheck", "check", 100, 0);
    SendDlgItemMessageA(parent, 100, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(parent, 100), BST_CHECKED);
    SendDlgItemMessageA(parent, 100, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(parent, 100), BST_UNCHECKED);
    SendDlgItemMessageA(parent, 100, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(IsDlgButtonChecked(parent, 100), BST_CHECKED);
}

TEST_F(Controls, ButtonsAndShadesKeepTheirTexts) {
    child("BorBtn", "Button", IDOK, BS_DEFPUSHBUTTON);
    child("BorBtn", "Other", 7, BS_PUSHBUTTON);
    child("BorShade", "After downloading file", 8, 0);
    EXPECT_EQ(textOf(IDOK), "Button"); // the face is drawn, the text stays as given
    SetDlgItemTextA(parent, 7, "Renamed");
    EXPECT_EQ(textOf(7), "Renamed");
    SetDlgItemTextA(parent, 8, "Title");
    EXPECT_EQ(textOf(8), "Title");
    for (int shade : {BSS_GROUP, BSS_HDIP, BSS_VDIP}) { // 3 is the system static's SS_ICON
        child("BorShade", "Line4", 20 + shade, shade);
        EXPECT_EQ(textOf(20 + shade), "Line4");
        SetDlgItemTextA(parent, 20 + shade, "Divider");
        EXPECT_EQ(textOf(20 + shade), "Divider");
    }
    EXPECT_EQ(SendDlgItemMessageA(parent, IDOK, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON,
              DLGC_DEFPUSHBUTTON);
    UpdateWindow(parent); // painting the faces and shades must not fail
}

// What a control paints into a bitmap of its size (WM_PRINTCLIENT): the pixels, row by row.
std::vector<COLORREF> printed(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, r.right, r.bottom};
    FillRect(dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    SendMessageA(control, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (int i = 0; i < r.right * r.bottom; ++i) {
        DWORD p = ((DWORD*)bits)[i]; // 0x00RRGGBB
        pixels.push_back(RGB((p >> 16) & 255, (p >> 8) & 255, p & 255));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

int countOf(const std::vector<COLORREF>& pixels, COLORREF color) {
    return (int)std::count(pixels.begin(), pixels.end(), color);
}

// The OK face carries a green check mark, the Cancel face a red cross; a thin shade is a line in
// the shadow colour from end to end, with nothing of either glyph.
TEST_F(Controls, FacesAndLinesArePainted) {
    const COLORREF green = RGB(0, 128, 0), red = RGB(192, 0, 0), shadow = GetSysColor(COLOR_BTNSHADOW);
    auto sized = [&](const char* cls, const char* text, int id, DWORD style, int w, int h) {
        HWND c = child(cls, text, id, style);
        SetWindowPos(c, nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOMOVE);
        return printed(c);
    };
    std::vector<COLORREF> ok = sized("BorBtn", "Button", IDOK, BS_DEFPUSHBUTTON, 50, 34);
    EXPECT_GT(countOf(ok, green), 10);
    EXPECT_EQ(countOf(ok, red), 0);
    std::vector<COLORREF> cancel = sized("BorBtn", "Button", IDCANCEL, BS_PUSHBUTTON, 50, 34);
    EXPECT_GT(countOf(cancel, red), 10);
    EXPECT_EQ(countOf(cancel, green), 0);
    std::vector<COLORREF> other = sized("BorBtn", "Button", 7, BS_PUSHBUTTON, 50, 34);
    EXPECT_EQ(countOf(other, green) + countOf(other, red), 0);

    std::vector<COLORREF> vertical = sized("BorShade", "Line4", 30, 0, 2, 100); // as in the Options dialog
    for (int y = 0; y < 100; ++y)
        EXPECT_EQ(vertical[y * 2], shadow) << "row " << y;
    std::vector<COLORREF> styled = sized("BorShade", "Line4", 31, BSS_VDIP, 6, 40);
    for (int y = 0; y < 40; ++y)
        EXPECT_EQ(styled[y * 6], shadow) << "row " << y;
    std::vector<COLORREF> horizontal = sized("BorShade", "", 32, BSS_HDIP, 80, 2);
    EXPECT_EQ(countOf(std::vector<COLORREF>(horizontal.begin(), horizontal.begin() + 80), shadow), 80);
}

int clicked;
LRESULT CALLBACK recordClick(HWND, UINT m, WPARAM w, LPARAM) {
    if (m == WM_COMMAND && HIWORD(w) == BN_CLICKED) clicked = LOWORD(w);
    return 0;
}

TEST_F(Controls, ClickReachesTheParent) {
    HWND button = child("BorBtn", "Button", IDCANCEL, BS_PUSHBUTTON);
    clicked = 0;
    WNDPROC old = (WNDPROC)SetWindowLongPtrA(parent, GWLP_WNDPROC, (LONG_PTR)recordClick);
    SendMessageA(button, BM_CLICK, 0, 0);
    SetWindowLongPtrA(parent, GWLP_WNDPROC, (LONG_PTR)old);
    EXPECT_EQ(clicked, IDCANCEL);
}

} // namespace
