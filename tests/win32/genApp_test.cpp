// Tests of the application class's services, the message box and the version interface, with
// real message boxes answered from a second thread.
#include "assertFail.h"
#include "boxWatcher.h"
#include "genApp.h"
#include "inputDlg.h"
#include "kron.h"
#include "kvVersion.h"
#include "msgBox.h"
#include "testApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class App : public ::testing::Test {
protected:
    genApp* app = &testApp();
};

// The application keeps its own copy of the command line, which the caller's text need not
// outlive.
TEST(StartUp, OwnCommandLine) {
    char line[] = "C:\\dl\\tool.zip,-run";
    genApp app("Start Test", GetModuleHandleA(nullptr), nullptr, line, SW_SHOW);
    memset(line, 'x', sizeof line - 1);
    EXPECT_STREQ(app.commandLine, "C:\\dl\\tool.zip,-run");
    EXPECT_EQ(app.prefs, nullptr);
    EXPECT_EQ(app.anyPosition, 1);
}

// bwcc32.dll is neither imported nor loaded by the application: the first dialog loads it and
// registers its classes. Where it cannot be loaded, the user is told and the dialog is not shown.
TEST(CustomControls, LoadedForTheFirstDialogOnly) {
    ASSERT_EQ(GetModuleHandleA("bwcc32.dll"), nullptr);
    {
        genApp app("Test App", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW);
        EXPECT_FALSE(app.BWCCEnabled);
        EXPECT_EQ(GetModuleHandleA("bwcc32.dll"), nullptr);
        EXPECT_TRUE(app.CustomControlsNeeded());
        WNDCLASSA wc;
        EXPECT_TRUE(GetClassInfoA(GetModuleHandleA("bwcc32.dll"), "BorDlg", &wc));
    }
    struct missingControls : genApp {
        missingControls() : genApp("Test App", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW) {}
        bool CustomControlsNeeded() override { return customControls("no such controls.dll"); }
    } app;
    boxWatcher box("Test App", IDOK);
    inputDlg dialog(nullptr);
    EXPECT_EQ(dialog.Execute(), -1);
    EXPECT_EQ(box.text(), "Error 0 loading no such controls.dll library.");
    EXPECT_EQ(waitForWindow("BorDlg", nullptr, 100), nullptr);
}

TEST_F(App, PathServices) {
    std::string self(app->moduleFileName(nullptr));
    EXPECT_NE(self.find("win32_tests.exe"), std::string::npos);
    EXPECT_EQ(std::string(app->appFileName()), self);
    EXPECT_EQ(std::string(app->appFolder()), self.substr(0, self.rfind('\\')));
    ASSERT_TRUE(app->CustomControlsNeeded());
    std::string bwcc(app->moduleFileName(GetModuleHandleA("bwcc32.dll")));
    EXPECT_EQ(bwcc.substr(0, bwcc.rfind('\\')), std::string(app->appFolder()));

    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_STRCASEEQ(app->WindowsDir(), windows);

    EXPECT_STREQ(app->shortPathName("C:\\no such folder\\x"), "C:\\no such folder\\x");
    CreateDirectoryA("C:\\a long folder name", nullptr);
    std::string shortForm(app->shortPathName("C:\\a long folder name"));
    EXPECT_EQ(shortForm.find(' '), std::string::npos);
    EXPECT_NE(GetFileAttributesA(shortForm.c_str()), INVALID_FILE_ATTRIBUTES); // the short form names it too
    RemoveDirectoryA("C:\\a long folder name");
}

TEST(MsgBoxBeep, SoundFollowsTheIcon) {
    EXPECT_EQ(MsgBoxBeep(36), 32);
    EXPECT_EQ(MsgBoxBeep(48), 48);
    EXPECT_EQ(MsgBoxBeep(64), 64);
    EXPECT_EQ(MsgBoxBeep(4116), 16);
    EXPECT_EQ(MsgBoxBeep(0), -1);
    EXPECT_EQ(MsgBoxBeep(MB_YESNO), -1);
    EXPECT_EQ(MsgBoxBeep(0x50), -1); // not one of the four icons
}

// A box without an owner, the first window of this process, comes up in front and active.
TEST_F(App, MsgBoxInFrontReturnsTheButton) {
    captionRecorder captions;
    bool inFront = false;
    char text[100] = "";
    windowDriver user("#32770", "Question", [&](HWND box) {
        inFront = captionRecorder::inFront(box);
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        pressButton(box, IDNO);
    });
    EXPECT_EQ(app->MsgBox("Install it now?", 36, "Question", nullptr), IDNO);
    user.join();
    EXPECT_STREQ(text, "Install it now?");
    EXPECT_TRUE(inFront);
}

// The version verifies itself without a box (one would wait here for an answer); a foreign one
// gets both boxes, which name the required and the installed version.
TEST(Version, VerifyNamesBothVersions) {
    EXPECT_TRUE(KVVerifyVersion(KVGetVersion()));
    str stamp = KVpgmCompileTime();
    stamp[0] = 'X';
    EXPECT_STREQ(KVpgmCompileTime(), "May 24 1996, 11:24:26"); // a copy each time: the stamp stays

    std::string first, second;
    {
        boxWatcher one("KV.DLL", IDOK);
        bool result = true;
        std::thread caller([&] { result = KVVerifyVersion(0x105); });
        first = one.text();
        boxWatcher two("KV.DLL", IDOK);
        second = two.text();
        caller.join();
        EXPECT_FALSE(result);
    }
    EXPECT_EQ(first, "Application Setup Error\nThis application requires:\n KV.DLL Version 1.05\n");
    EXPECT_EQ(second, "The currently installed KV.DLL is version 1.38\n"
                      "Please reinstall this application and try again.");
}

// The stopwatch reads the system's tick count: what it reads lies between two reads of
// GetTickCount around it, however fast or slow the machine.
TEST(Stopwatch, ReadsTheSystemTickCount) {
    DWORD before = GetTickCount();
    unsigned read = kron::ticks();
    DWORD after = GetTickCount();
    EXPECT_LE(read - before, after - before);
}

TEST(AssertBox, RealPromptContinuesOnYes) {
    boxWatcher watcher("Assert Failure", IDYES);
    AssertFailCrash("arr<> index out of range");
    EXPECT_EQ(watcher.text(), "arr<> index out of range\nContinue anyway?");
}

} // namespace
