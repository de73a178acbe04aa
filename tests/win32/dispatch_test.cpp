// Tests of the mode dispatch for command lines that reach the download hand-off: which file it
// is given and which After-download choice is in force. The files are not there, or are folders,
// so the hand-off stops at once with a message that names the file.
#include "appOptions.h"
#include "boxWatcher.h"
#include "casePath.h"
#include "mainApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct dispatchCase {
    const char* commandLine;
    const char* afterDownloadOption; // as the profile file holds it, or null for none
    const char* file;                // the file the hand-off is given
    int afterDownload;
    bool there = false; // the file is made, as a folder in the current one
};

// The option table is static and outlives each application object: start each case unread.
void resetOptions() {
    for (int i = 0; i < appOptions::count; ++i) {
        prefItem& item = appOptions::items[i];
        item.value = item.defaultValue;
        item.unread = 1;
        item.assigned = item.dirty = 0;
    }
}

const dispatchCase cases[] = {
    {"-run,C:\\dl\\x.zip", "1", "C:\\dl\\x.zip", 0}, // run overrides Ask what to do
    {"C:\\dl\\x.zip", "1", "C:\\dl\\x.zip", 1},
    {"C:\\dl\\x.zip", nullptr, "C:\\dl\\x.zip", 1}, // the default: Ask what to do
    {"C:\\dl\\x.zip", "2", "C:\\dl\\x.zip", 2},
    {"C:\\dl\\x.zip", "Ask", "C:\\dl\\x.zip", 0},                   // not a number counts as 0
    {"\"C:\\My Files\\x.zip\"", "1", "\"C:\\My Files\\x.zip\"", 1}, // quotes kept
    {"C:\\My Files\\a,b.zip", "1", "C:\\My Files\\a", 1},
    {"uninstall", "1", "uninstall", 1}, // no prefix: a file, not the switch
    {"/", "1", "/", 1},
    {"/running,-x,C:\\f.exe,C:\\g.exe", "1", "C:\\f.exe", 0},
    // A name with a comma that names what is there is read whole, with or without a leading switch.
    {"tool,v2.zip", "1", "tool,v2.zip", 1, true},
    {"x,-uninstall.zip", "1", "x,-uninstall.zip", 1, true},
    {"\"x,-normal.zip\"", "2", "x,-normal.zip", 2, true},
    {"/run,sub\\tool,v2.zip", "1", "sub\\tool,v2.zip", 0, true},
};

TEST(Dispatch, HandOffFileAndChoice) {
    std::string ini = casePath("kvdispatch_") + ".ini", here = casePath("kvdispatch_");
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    CreateDirectoryA(here.c_str(), nullptr);
    CreateDirectoryA((here + "\\sub").c_str(), nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(here.c_str()));
    for (const dispatchCase& c : cases) {
        SCOPED_TRACE(c.commandLine);
        if (c.there) {
            ASSERT_TRUE(CreateDirectoryA(c.file, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        }
        DeleteFileA(ini.c_str());
        if (c.afterDownloadOption)
            WritePrivateProfileStringA("Brisk Download", "After download", c.afterDownloadOption,
                                       ini.c_str());
        WritePrivateProfileStringA("Brisk Download", "Download folder", "", ini.c_str());
        resetOptions();
        mainApp app("Brisk Download", GetModuleHandleA(nullptr), nullptr, c.commandLine, SW_SHOW);
        app.prefs->fileName = ini.c_str();
        std::string stop;
        std::thread answers([&] {
            boxWatcher told("Brisk Download", IDOK);
            stop = told.text();
        });
        app.Run();
        answers.join();
        EXPECT_STREQ(app.commandLine, c.file);
        EXPECT_EQ(stop.rfind(std::string(c.file) + " ", 0), 0u) << stop;
        EXPECT_EQ(app.afterDownload, c.afterDownload);
        EXPECT_STREQ(app.modulePath, app.moduleFileName(nullptr)); // the program's own file
        delete app.prefs;
        if (c.there) RemoveDirectoryA(c.file);
    }
    SetCurrentDirectoryA(saved);
    RemoveDirectoryA((here + "\\sub").c_str());
    RemoveDirectoryA(here.c_str());
    DeleteFileA(ini.c_str());
}

} // namespace
