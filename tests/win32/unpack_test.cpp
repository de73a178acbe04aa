// Tests of the unpack step: the pkunzip command for each form of its location, its start-up
// settings, and the time limit, with the extractor fixture standing in for pkunzip.exe.
#include "appOptions.h"
#include "casePath.h"
#include "commandText.h"
#include "mainApp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string readLog(const std::string& program) {
    std::ifstream in(program + ".log");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Unpack : public ::testing::Test {
protected:
    mainApp* app = nullptr;
    std::string temp, target;
    std::vector<std::string> placed; // the folders given a copy of the extractor
    void SetUp() override {
        app = new mainApp("Brisk Download", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW);
        temp = casePath("kvunpack_");
        CreateDirectoryA(temp.c_str(), nullptr);
        target = temp + "\\tool.zip";
        std::ofstream(target) << "not really an archive";
    }
    void TearDown() override {
        for (const std::string& folder : placed) { // C:\UTIL among them: nothing stays behind
            DeleteFileA((folder + "\\pkunzip.exe").c_str());
            RemoveDirectoryA(folder.c_str());
        }
        DeleteFileA(target.c_str());
        RemoveDirectoryA(temp.c_str());
        delete app->prefs;
        delete app;
    }
    // A copy of the extractor fixture as folder\pkunzip.exe, with no log yet.
    std::string placeExtractor(const std::string& folder) {
        std::string self(app->moduleFileName(nullptr));
        std::string copy = folder + "\\pkunzip.exe";
        CreateDirectoryA(folder.c_str(), nullptr);
        placed.push_back(folder);
        CopyFileA((self.substr(0, self.rfind('\\')) + "\\pkunzip.exe").c_str(), copy.c_str(), FALSE);
        DeleteFileA((copy + ".log").c_str());
        return copy;
    }
    std::string unpackWith(const char* location, const std::string& extractor) {
        app->prefs->findItem(appOptions::pkunzipId)->setText(location);
        EXPECT_EQ(app->UnpackArchive(target.c_str(), temp.c_str(), 20000), mainApp::unpacked);
        std::string log = readLog(extractor);
        DeleteFileA((extractor + ".log").c_str());
        return log;
    }
    std::string shortTarget() { return std::string(app->shortPathName(target.c_str())); }
};

TEST_F(Unpack, CommandForEachLocation) {
    std::string util = placeExtractor("C:\\UTIL");
    std::string tail = " -d -o " + shortTarget() + "\ncwd=" + temp + "\nflags=0x0\n";
    EXPECT_EQ(unpackWith("C:\\UTIL", util), "cmdline=c:\\util\\pkunzip.exe" + tail);
    EXPECT_EQ(unpackWith("C:\\UTIL\\", util), "cmdline=c:\\util\\pkunzip.exe" + tail); // no second backslash

    // Along the search path, whose first folder is the program's own: the fixture there.
    std::string self(app->moduleFileName(nullptr));
    std::string onPath = self.substr(0, self.rfind('\\')) + "\\pkunzip.exe";
    DeleteFileA((onPath + ".log").c_str());
    EXPECT_EQ(unpackWith("<path>", onPath), "cmdline=pkunzip.exe" + tail);
    EXPECT_EQ(unpackWith("<PATH>", onPath), "cmdline=pkunzip.exe" + tail);

    // Where the volume keeps no short name the archive's path keeps its blank, and is quoted.
    std::string archive = target;
    target = temp + "\\no short name\\tool.zip"; // missing, so it has no short form either
    EXPECT_EQ(unpackWith("C:\\UTIL", util),
              "cmdline=c:\\util\\pkunzip.exe -d -o \"" + target + "\"\ncwd=" + temp + "\nflags=0x0\n");
    target = archive;

    std::string blank = placeExtractor(temp + "\\un zip");
    std::string quotedFolder = temp + "\\un zip";
    for (char& c : quotedFolder)
        c = (char)tolower((unsigned char)c);
    EXPECT_EQ(unpackWith((temp + "\\un zip").c_str(), blank),
              "cmdline=\"" + quotedFolder + "\\pkunzip.exe\"" + tail);
}

TEST_F(Unpack, MissingExtractorAndTimeLimit) {
    app->prefs->findItem(appOptions::pkunzipId)->setText("C:\\nowhere");
    EXPECT_EQ(app->UnpackArchive(target.c_str(), temp.c_str(), 20000), mainApp::unpackNotStarted);

    std::string extractor = placeExtractor(temp + "\\slow");
    app->prefs->findItem(appOptions::pkunzipId)->setText((temp + "\\slow").c_str());
    SetEnvironmentVariableA("RECORDER_SLEEP_MS", "3000");
    DWORD start = GetTickCount();
    EXPECT_EQ(app->UnpackArchive(target.c_str(), temp.c_str(), 300), mainApp::unpackTimedOut);
    EXPECT_LT(GetTickCount() - start, 2500u); // it did not wait for the extractor
    SetEnvironmentVariableA("RECORDER_SLEEP_MS", nullptr);
}

// A path is quoted once: when it holds a blank and is not in quotes already.
TEST(CommandText, QuotesOnlyWhatNeedsIt) {
    EXPECT_STREQ(quotedIfBlank("C:\\dl\\tool.zip"), "C:\\dl\\tool.zip");
    EXPECT_STREQ(quotedIfBlank("C:\\down loads\\tool.zip"), "\"C:\\down loads\\tool.zip\"");
    EXPECT_STREQ(quotedIfBlank("\"C:\\down loads\\tool.zip\""), "\"C:\\down loads\\tool.zip\"");
    EXPECT_STREQ(unquoted("\"C:\\AV\\scan.exe\""), "C:\\AV\\scan.exe");
}

} // namespace
