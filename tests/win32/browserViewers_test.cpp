// Tests of the browser's helper table: listing the five types, taking over a scanner, clearing.
#include "appOptions.h"
#include "mainApp.h"
#include "registry.h"
#include "uninstallEntry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char viewers[] = "Software\\Netscape\\Netscape Navigator\\Viewers";
const char* const types[] = {"application/msdos-windows", "application/zip", "application/octet-stream",
                             "application/x-zip-compressed", "multipart/x-zip"};

std::string valueOf(const char* name) {
    str v("<missing>");
    ReadRegistry(HKEY_CURRENT_USER, viewers, name, v);
    return std::string(v);
}

void put(const char* name, const char* value) { WriteRegistry(HKEY_CURRENT_USER, viewers, name, REG_SZ, value, 0); }

class Viewers : public ::testing::Test {
protected:
    mainApp* app = nullptr;
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
        for (int i = 0; i < appOptions::count; ++i) {
            appOptions::items[i].value = appOptions::items[i].defaultValue;
            appOptions::items[i].assigned = appOptions::items[i].dirty = 0;
        }
        app = new mainApp("Brisk Download", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW);
        app->installedPath = "C:\\BRISK\\BRISK.EXE";
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
        delete app->prefs;
        delete app;
    }
    std::string scanner() { return std::string(app->prefs->findItem(appOptions::scannerId)->value); }
};

TEST_F(Viewers, NoTableListsAllFiveInOrder) {
    app->RegisterViewers(true);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(valueOf(str(20, "TYPE%i", i)), types[i]);
        EXPECT_EQ(valueOf(types[i]), "C:\\BRISK\\BRISK.EXE");
    }
    EXPECT_EQ(valueOf("TYPE5"), "<missing>");
    app->RegisterViewers(true); // a second time lists nothing new
    EXPECT_EQ(valueOf("TYPE5"), "<missing>");
    EXPECT_EQ(scanner(), ""); // its own helper is no scanner
}

TEST_F(Viewers, ExistingGapsAndCase) {
    put("TYPE0", "text/plain");
    put("TYPE2", "application/msdos-windows"); // behind the gap at TYPE1: not seen
    put("TYPE3", "APPLICATION/ZIP");            // another case is another type
    app->RegisterViewers(true);
    EXPECT_EQ(valueOf("TYPE0"), "text/plain");
    EXPECT_EQ(valueOf("TYPE1"), "application/msdos-windows"); // listed twice now
    EXPECT_EQ(valueOf("TYPE2"), "application/msdos-windows");
    EXPECT_EQ(valueOf("TYPE4"), "application/zip");
    EXPECT_EQ(valueOf("TYPE5"), "application/octet-stream");
    EXPECT_EQ(valueOf("TYPE7"), "multipart/x-zip");
}

TEST_F(Viewers, ScannerIsTakenOver) {
    put("application/zip", "\"C:\\AV\\NAVW32.EXE\" /a /b");
    put("application/octet-stream", "C:\\AV\\navw32.exe /unquoted");
    app->RegisterViewers(true);
    EXPECT_EQ(scanner(), "\"C:\\AV\\NAVW32.EXE\"");
    EXPECT_EQ(app->prefs->findItem(appOptions::scannerId)->dirty, 1); // for the Options dialog to save

    put("application/msdos-windows", "\"C:\\N\\navw32.exe\" \"C:\\N\\N32SCANW.EXE\" x");
    put("multipart/x-zip", "\"D:\\last\\n32scanw.exe\"");
    app->RegisterViewers(true); // pattern 1 first; the last type in order wins
    EXPECT_EQ(scanner(), "\"D:\\last\\n32scanw.exe\"");
}

TEST_F(Viewers, BlanksAreQuotedAndRemovalEmpties) {
    put("application/zip", "\"D:\\Old Place\\BRISK DOWNLOAD.EXE\""); // a copy whose entry is gone
    app->installedPath = "C:\\Program Files\\Brisk Download\\Brisk Download.exe";
    app->RegisterViewers(true);
    str kept("<none>");
    ReadRegistry(HKEY_LOCAL_MACHINE, UninstallKey(), "Previous helper application/zip", kept);
    EXPECT_STREQ(kept, "<none>"); // its own command is nobody's to give back
    EXPECT_EQ(valueOf("application/zip"), "\"C:\\Program Files\\Brisk Download\\Brisk Download.exe\"");
    app->RegisterViewers(true); // its own quoted helper is not taken for a scanner
    EXPECT_EQ(scanner(), "");
    app->RegisterViewers(false);
    for (const char* type : types)
        EXPECT_EQ(valueOf(type), "");
    EXPECT_EQ(valueOf("TYPE4"), "multipart/x-zip"); // the list stays
}

} // namespace
