// Tests of the unpack step: the pkunzip command for each form of its location, its start-up
// settings, and the time limit, with the extractor fixture standing in for pkunzip.exe.
#include "appOptions.h"
#include "casePath.h"
#include "commandText.h"
#include "handleDownload.h"
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
        std::ofstream(target, std::ios::binary)
            << std::string("PK\x05\x06", 4) << std::string(18, '\0'); // empty
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
    mainApp::unpackResult unpack(const char* location, DWORD limitMs = 20000) {
        app->prefs->findItem(appOptions::pkunzipId)->setText(location);
        status = 12345;
        return app->UnpackArchive(target.c_str(), temp.c_str(), limitMs, &status);
    }
    DWORD status = 0;
    std::string unpackWith(const char* location, const std::string& extractor,
                           mainApp::unpackResult expected = mainApp::unpacked) {
        EXPECT_EQ(unpack(location), expected);
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
    EXPECT_EQ(unpackWith("\"C:\\UTIL\"", util), "cmdline=c:\\util\\pkunzip.exe" + tail); // typed in quotes

    // Along the search path, whose first folder is the program's own: the fixture there.
    std::string self(app->moduleFileName(nullptr));
    std::string onPath = self.substr(0, self.rfind('\\')) + "\\pkunzip.exe";
    DeleteFileA((onPath + ".log").c_str());
    EXPECT_EQ(unpackWith("<path>", onPath), "cmdline=pkunzip.exe" + tail);
    EXPECT_EQ(unpackWith("<PATH>", onPath), "cmdline=pkunzip.exe" + tail);

    // Where the volume keeps no short name the archive's path keeps its blank, and is quoted.
    std::string archive = target;
    target = temp + "\\no short name\\tool.zip"; // missing, so it has no short form either
    EXPECT_EQ(unpackWith("C:\\UTIL", util, mainApp::unpackFailed),
              "cmdline=c:\\util\\pkunzip.exe -d -o \"" + target + "\"\ncwd=" + temp + "\nflags=0x0\n");
    target = archive;

    std::string blank = placeExtractor(temp + "\\un zip");
    std::string quotedFolder = temp + "\\un zip";
    for (char& c : quotedFolder)
        c = (char)tolower((unsigned char)c);
    EXPECT_EQ(unpackWith((temp + "\\un zip").c_str(), blank),
              "cmdline=\"" + quotedFolder + "\\pkunzip.exe\"" + tail);
}

// Each way the unpack can stop before an installer may be looked for.
TEST_F(Unpack, MissingExtractorFailuresAndTimeLimit) {
    EXPECT_EQ(unpack("C:\\nowhere"), mainApp::unpackNotStarted);
    EXPECT_NE(status, 0u);
    EXPECT_EQ(unpack("util"), mainApp::unpackNotFullPath); // it would be looked for in the temporary folder

    // The temporary folder cannot be made current (a share): nothing is started.
    std::string ok = temp + "\\ok", util = placeExtractor(ok);
    app->prefs->findItem(appOptions::pkunzipId)->setText(ok.c_str());
    EXPECT_EQ(app->UnpackArchive("\\\\server\\share\\~Briskdl\\tool.zip", "\\\\server\\share\\~Briskdl",
                                 20000, &status),
              mainApp::unpackNoFolder);
    EXPECT_EQ(readLog(util), "");

    // The extractor ends with a status other than 0: what it unpacked is not to be installed.
    std::ofstream(target, std::ios::trunc) << "not really an archive";
    EXPECT_EQ(unpack(ok.c_str()), mainApp::unpackFailed);
    EXPECT_EQ(status, 1u);

    std::string extractor = placeExtractor(temp + "\\slow");
    SetEnvironmentVariableA("RECORDER_SLEEP_MS", "3000");
    DWORD start = GetTickCount();
    EXPECT_EQ(unpack((temp + "\\slow").c_str(), 300), mainApp::unpackTimedOut);
    EXPECT_LT(GetTickCount() - start, 2500u); // it did not wait for the extractor
    SetEnvironmentVariableA("RECORDER_SLEEP_MS", nullptr);

    // Held open by a reader that shares no deletion, as pkunzip may still hold it, the archive
    // cannot be moved back to the download folder: a copy of it is kept there.
    HANDLE reader =
        CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::string downloads = temp + "\\dl", copy = downloads + "\\tool.zip";
    keptDownload kept = KeepDownload(target.c_str(), downloads.c_str());
    CloseHandle(reader);
    EXPECT_EQ(kept.how, keptDownload::copied);
    EXPECT_STREQ(handOff::whereItIs(kept, "tool.zip", downloads.c_str()),
                 ("tool.zip was copied to " + downloads + ".").c_str());
    EXPECT_NE(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(target.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(downloads.c_str());
}

// A path is quoted once: when it holds a blank and is not in quotes already.
TEST(CommandText, QuotesOnlyWhatNeedsIt) {
    EXPECT_STREQ(quotedIfBlank("C:\\dl\\tool.zip"), "C:\\dl\\tool.zip");
    EXPECT_STREQ(quotedIfBlank("C:\\down loads\\tool.zip"), "\"C:\\down loads\\tool.zip\"");
    EXPECT_STREQ(quotedIfBlank("\"C:\\down loads\\tool.zip\""), "\"C:\\down loads\\tool.zip\"");
    EXPECT_STREQ(unquoted("\"C:\\AV\\scan.exe\""), "C:\\AV\\scan.exe");
}

// The scanner's own split of its command line gives the file as its first argument, whether the
// store gives the option back with its quotes or without them.
TEST(CommandText, ScanCommandNamesTheScannerThenTheFile) {
    struct {
        const char *option, *file, *line;
    } rows[] = {
        {"C:\\anti virus\\scan.exe", "C:\\dl\\tool.zip", "\"C:\\anti virus\\scan.exe\" C:\\dl\\tool.zip"},
        {"\"C:\\anti virus\\scan.exe\"", "C:\\dl\\tool.zip", "\"C:\\anti virus\\scan.exe\" C:\\dl\\tool.zip"},
        {"C:\\AV\\scan.exe", "C:\\down loads\\tool.zip", "C:\\AV\\scan.exe \"C:\\down loads\\tool.zip\""},
        {"\"C:\\AV\\scan.exe\"", "C:\\dl\\tool.zip", "C:\\AV\\scan.exe C:\\dl\\tool.zip"},
        // A batch file goes to cmd.exe, which splits its arguments at , ; = as well.
        {"C:\\AV\\SCAN.BAT", "C:\\dl\\tool,v2.zip",
         "cmd.exe /d /s /c \"\"C:\\AV\\SCAN.BAT\" \"C:\\dl\\tool,v2.zip\"\""},
        {"\"C:\\anti virus\\scan.cmd\"", "C:\\dl\\a=b.zip",
         "cmd.exe /d /s /c \"\"C:\\anti virus\\scan.cmd\" \"C:\\dl\\a=b.zip\"\""},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(ScanCommand(row.option, row.file), row.line) << row.option << " " << row.file;

    for (const char* batch : {"C:\\AV\\scan.bat", "C:\\AV\\SCAN.CMD", "C:\\A.V\\x.Bat", "C:\\AV\\scan.bat.",
                              "C:\\AV\\scan.cmd . "})
        EXPECT_TRUE(IsBatchFile(batch)) << batch;
    for (const char* program : {"C:\\AV\\scan.exe", "C:\\bat\\scan", "C:\\AV\\scan.bat.exe"})
        EXPECT_FALSE(IsBatchFile(program)) << program;
    for (const char* name :
         {"tool&evil&.exe", "tool%OS%.exe", "a^b.zip", "a|b", "a<b", "a>b", "hi!.zip", "a\"b"})
        EXPECT_TRUE(HoldsShellSpecials(name)) << name;
    EXPECT_FALSE(HoldsShellSpecials("C:\\down loads\\tool (2),v;1=x.zip"));
}

} // namespace
