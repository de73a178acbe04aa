// Tests of the custom controls: they answer the standard control messages as the system's own.
#include "bwcc.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace {

class Controls : public ::testing::Test {
protected:
    HWND parent = nullptr;
    void SetUp() override {
        ASSERT_TRUE(BWCCRegister(GetModuleHandleA(nullptr)));
        parent = CreateWindowExA(0, "BorDlg", "parent", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND child(const char* cls, const char* text, int id, DWORD style) {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 20, parent, (HMENU)(INT_PTR)id,
                               GetModuleHandleA(nullptr), nullptr);
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
    EXPECT_EQ(SendDlgItemMessageA(parent, IDOK, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
    UpdateWindow(parent); // painting the faces and shades must not fail
}

int clicked;
LRESULT CALLBACK recordClick(HWND, UINT m, WPARAM w, LPARAM) {
    if (m == WM_COMMAND && HIWORD(w) == BN_CLICKED)
        clicked = LOWORD(w);
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
