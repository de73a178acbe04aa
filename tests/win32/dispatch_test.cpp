// Tests of the mode dispatch for command lines that reach the download hand-off: which file it
// is given and which After-download choice is in force. None of the files is there, so the
// hand-off stops at once with a message that names the file.
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
    {"C:\\dl\\x.zip", "Ask", "C:\\dl\\x.zip", 0}, // not a number counts as 0
    {"\"C:\\My Files\\x.zip\"", "1", "\"C:\\My Files\\x.zip\"", 1}, // quotes kept
    {"C:\\My Files\\a,b.zip", "1", "C:\\My Files\\a", 1},
    {"uninstall", "1", "uninstall", 1}, // no prefix: a file, not the switch
    {"/", "1", "/", 1},
    {"/running,-x,C:\\f.exe,C:\\g.exe", "1", "C:\\f.exe", 0},
};

TEST(Dispatch, HandOffFileAndChoice) {
    std::string ini = casePath("kvdispatch_") + ".ini";
    for (const dispatchCase& c : cases) {
        SCOPED_TRACE(c.commandLine);
        DeleteFileA(ini.c_str());
        if (c.afterDownloadOption)
            WritePrivateProfileStringA("Brisk Download", "After download", c.afterDownloadOption, ini.c_str());
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
    }
    DeleteFileA(ini.c_str());
}

} // namespace
