// Tests of LaunchProgram with the recording fixture: what the started program receives.
#include "casePath.h"
#include "launchProgram.h"
#include "mainApp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

class Launch : public ::testing::Test {
protected:
    static mainApp* app;
    std::string folder, recorder, log;
    static void SetUpTestSuite() {
        app = new mainApp("Brisk Download", GetModuleHandleA(nullptr), nullptr, "", 1);
    }
    static void TearDownTestSuite() { delete app; }
    void SetUp() override {
        folder = casePath("kv launch ");
        CreateDirectoryA(folder.c_str(), nullptr);
        std::string self(app->moduleFileName(nullptr));
        recorder = folder + "\\recorder.exe";
        ASSERT_TRUE(CopyFileA((self.substr(0, self.rfind('\\')) + "\\recorder.exe").c_str(), recorder.c_str(),
                              FALSE));
        log = recorder + ".log";
        DeleteFileA(log.c_str());
    }
    void TearDown() override {
        DeleteFileA(log.c_str());
        DeleteFileA(recorder.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    std::string recorded() {
        std::ifstream in(log);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void runAndWait(const str& cwd, const str& line, const str& application,
                    DWORD flags = STARTF_FORCEONFEEDBACK) {
        HANDLE process = nullptr;
        ASSERT_TRUE(app->LaunchProgram(cwd, line, &process, application, flags));
        EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
        CloseHandle(process);
    }
};
mainApp* Launch::app;

TEST_F(Launch, CommandLineFolderAndFlags) {
    std::string line = "\"" + recorder + "\" C:\\downloaded files\\tool.zip";
    runAndWait(folder.c_str(), line.c_str(), "");
    EXPECT_EQ(recorded(), "cmdline=" + line + "\ncwd=" + folder + "\nflags=0x40\n");
    DeleteFileA(log.c_str());
    runAndWait(folder.c_str(), line.c_str(), "", 0); // the extractor's start: no feedback
    EXPECT_EQ(recorded(), "cmdline=" + line + "\ncwd=" + folder + "\nflags=0x0\n");
}

// A bare name is looked for where CreateProcessA looks, but never in the current folder, and a
// folder of that name is no program.
TEST_F(Launch, ProgramOnSearchPathSkipsTheCurrentFolder) {
    std::string name = "kvlaunchonly.exe";
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    ASSERT_TRUE(CopyFileA(recorder.c_str(), (folder + "\\" + name).c_str(), FALSE));
    EXPECT_TRUE(ProgramOnSearchPath(name.c_str()).isNull());

    char saved[32767];
    DWORD n = GetEnvironmentVariableA("PATH", saved, sizeof saved);
    std::string decoy = folder + "\\decoy", real = folder + "\\real";
    CreateDirectoryA(decoy.c_str(), nullptr);
    CreateDirectoryA((decoy + "\\" + name).c_str(), nullptr);
    CreateDirectoryA(real.c_str(), nullptr);
    CopyFileA(recorder.c_str(), (real + "\\" + name).c_str(), FALSE);
    SetEnvironmentVariableA("PATH", (".;kv relative;" + decoy + ";\"" + real + "\\\";C:\\windows").c_str());
    EXPECT_STREQ(ProgramOnSearchPath(name.c_str()), (real + "\\" + name).c_str());
    std::string self(app->moduleFileName(nullptr));
    EXPECT_STREQ(ProgramOnSearchPath("recorder.exe"),
                 (self.substr(0, self.rfind('\\')) + "\\recorder.exe").c_str());
    SetEnvironmentVariableA("PATH", n > 0 && n < sizeof saved ? saved : nullptr);

    SetCurrentDirectoryA(app->appFolder());
    DeleteFileA((real + "\\" + name).c_str());
    DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA((decoy + "\\" + name).c_str());
    RemoveDirectoryA(decoy.c_str());
    RemoveDirectoryA(real.c_str());
}

TEST_F(Launch, ApplicationNameRunsEvenWhenTheLineNamesAnother) {
    runAndWait(folder.c_str(), "scanner.exe C:\\x.zip", recorder.c_str());
    EXPECT_EQ(recorded(), "cmdline=scanner.exe C:\\x.zip\ncwd=" + folder + "\nflags=0x40\n");
}

TEST_F(Launch, FailedStartReturnsFalse) {
    HANDLE process = (HANDLE)1;
    EXPECT_FALSE(app->LaunchProgram(folder.c_str(), "C:\\no such program.exe", &process, str()));
    EXPECT_FALSE(app->LaunchProgram(folder.c_str(), "x", &process, "C:\\missing.exe"));

    // A working folder beyond MAX_PATH: refused before the platform call, which under Wine
    // corrupts the heap when an application name is given.
    std::string deep = "C:\\" + std::string(300, 'd');
    SetLastError(0);
    EXPECT_FALSE(app->LaunchProgram(deep.c_str(), recorder.c_str(), &process, recorder.c_str()));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_FILENAME_EXCED_RANGE);
    std::string longest = "C:\\" + std::string(MAX_PATH - 5, 'd'); // 257 characters: allowed to try
    EXPECT_FALSE(app->LaunchProgram(longest.c_str(), recorder.c_str(), &process, str()));
    EXPECT_NE(GetLastError(), (DWORD)ERROR_FILENAME_EXCED_RANGE);
}

} // namespace
