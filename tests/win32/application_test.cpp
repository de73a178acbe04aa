// Tests of the framework's application class on its own: the program does not import the
// custom-control library here, so that its loading and release can be seen.
#include "TApplication.h"
#include "TDialog.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(CustomControlSupport, OffAndOnAgainKeepsOneReference) {
    ASSERT_EQ(GetModuleHandleA("bwcc32.dll"), nullptr);
    {
        TApplication app("Framework Test", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW);
        EXPECT_FALSE(app.EnableBWCC(true, LANG_ENGLISH, "no such controls.dll"));
        EXPECT_FALSE(app.BWCCEnabled);
        EXPECT_TRUE(app.EnableBWCC());
        HMODULE library = GetModuleHandleA("bwcc32.dll");
        ASSERT_NE(library, nullptr);
        WNDCLASSA wc;
        EXPECT_TRUE(GetClassInfoA(library, "BorDlg", &wc)); // registered for the instance
        EXPECT_FALSE(app.EnableBWCC(false));
        EXPECT_FALSE(app.BWCCEnabled);
        EXPECT_TRUE(app.EnableBWCC());
        EXPECT_TRUE(app.EnableBWCC()); // already on
        EXPECT_TRUE(app.BWCCEnabled);
    }
    EXPECT_EQ(GetModuleHandleA("bwcc32.dll"), nullptr); // released with the application
}

// A dialog asks the application for the custom controls just before it is shown, and is not
// shown without them.
TEST(CustomControlSupport, AskedForByTheDialog) {
    struct application : TApplication {
        application() : TApplication("Framework Test", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW) {}
        bool CustomControlsNeeded() override {
            ++asked;
            return false;
        }
        int asked = 0;
    } app;
    TDialog dialog(nullptr, "inputDlg");
    EXPECT_EQ(dialog.Execute(), -1);
    EXPECT_EQ(app.asked, 1);
    EXPECT_EQ(GetModuleHandleA("bwcc32.dll"), nullptr);
}

} // namespace
