// Tests of the browser's helper table: listing the five types, taking over a scanner, clearing.
#include "appOptions.h"
#include "casePath.h"
#include "mainApp.h"
#include "registry.h"
#include "uninstallEntry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sddl.h>
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

void put(const char* name, const char* value) {
    WriteRegistry(HKEY_CURRENT_USER, viewers, name, REG_SZ, value, 0);
}

std::string kept(HKEY root, const char* type) {
    str v("<missing>");
    ReadRegistry(root, root == HKEY_CURRENT_USER ? KeptHelpersKey() : UninstallKey(), KeptHelperName(type),
                 v);
    return std::string(v);
}

// Denies everyone reading the table (the key stays writable for its security), or allows it again.
void denyReading(bool deny) {
    HKEY key;
    RegOpenKeyExA(HKEY_CURRENT_USER, viewers, 0, WRITE_DAC, &key);
    PSECURITY_DESCRIPTOR sd = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA(
        deny ? "D:(D;;KR;;;WD)(A;;KA;;;WD)" : "D:(A;;KA;;;WD)", SDDL_REVISION_1, &sd, nullptr);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd);
    LocalFree(sd);
    RegCloseKey(key);
}

class Viewers : public ::testing::Test {
protected:
    mainApp* app = nullptr;
    void SetUp() override {
        clear();
        for (int i = 0; i < appOptions::count; ++i) {
            appOptions::items[i].value = appOptions::items[i].defaultValue;
            appOptions::items[i].assigned = appOptions::items[i].dirty = 0;
        }
        app = new mainApp("Brisk Download", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW);
        app->installedPath = "C:\\BRISK\\BRISK.EXE";
    }
    void TearDown() override {
        clear();
        delete app->prefs;
        delete app;
    }
    static void clear() {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
        RegDeleteTreeA(HKEY_CURRENT_USER, KeptHelpersKey());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
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
    put("TYPE3", "APPLICATION/ZIP");           // another case is another type
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
    EXPECT_EQ(kept(HKEY_CURRENT_USER, "application/zip"),
              "<missing>"); // its own command is nobody's to give back
    EXPECT_EQ(valueOf("application/zip"), "\"C:\\Program Files\\Brisk Download\\Brisk Download.exe\"");
    app->RegisterViewers(true); // its own quoted helper is not taken for a scanner
    EXPECT_EQ(scanner(), "");
    app->RegisterViewers(false);
    for (const char* type : types)
        EXPECT_EQ(valueOf(type), "");
    EXPECT_EQ(valueOf("TYPE4"), "multipart/x-zip"); // the list stays
}

// The helpers of other programs are kept for this user and come back, whatever form the
// program's own command has taken since. An older installation kept some machine-wide, for a
// user it cannot name: the installation leaves them, and only a type that still names the
// program takes one back.
TEST_F(Viewers, OwnHelperInAnyFormIsGivenBack) {
    std::string folder = casePath("kvviewers_");
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string own = folder + "\\Brisk Download.exe";
    std::ofstream(own) << "";
    char shortForm[MAX_PATH];
    GetShortPathNameA(own.c_str(), shortForm, MAX_PATH);
    std::string slashes = own;
    std::replace(slashes.begin(), slashes.end(), '\\', '/');
    std::string noExtension = folder + "\\Brisk Download %1"; // Windows adds the .exe
    app->installedPath = own.c_str();
    const struct {
        const char* type;
        std::string before, machine, since, after, machineAfter; // machine: kept machine-wide before
    } rows[] = {
        {types[0], "C:\\One.exe", "C:\\A0.exe", noExtension, "C:\\One.exe", "C:\\A0.exe"},
        {types[1], "\"C:\\Two\\two.exe\" %1", "", slashes, "\"C:\\Two\\two.exe\" %1", "<missing>"},
        {types[2], "", "C:\\A2.exe", shortForm, "C:\\A2.exe", "<missing>"},
        {types[3], "C:\\Four.exe", "C:\\A3.exe", "C:\\Later.exe", "C:\\Later.exe",
         "C:\\A3.exe"}, // another's since
        {types[4], "\"" + own + "\"", "C:\\Old.exe", "\"" + own + "\"", "C:\\Old.exe",
         "<missing>"}, // reinstalled
    };
    for (const auto& row : rows) {
        put(row.type, row.before.c_str());
        if (row.machine.length())
            WriteRegistry(HKEY_LOCAL_MACHINE, UninstallKey(), KeptHelperName(row.type), REG_SZ,
                          row.machine.c_str(), 0);
    }
    EXPECT_EQ(std::string(app->RegisterViewers(true)), "");
    EXPECT_EQ(kept(HKEY_CURRENT_USER, types[1]), rows[1].before);
    EXPECT_EQ(kept(HKEY_LOCAL_MACHINE, types[1]), "<missing>");
    EXPECT_EQ(kept(HKEY_CURRENT_USER, types[4]), "<missing>");
    for (const auto& row : rows) {
        EXPECT_EQ(kept(HKEY_LOCAL_MACHINE, row.type), row.machine.length() ? row.machine : "<missing>");
        put(row.type, row.since.c_str());
    }
    EXPECT_EQ(std::string(app->RegisterViewers(false)), "");
    for (const auto& row : rows) {
        EXPECT_EQ(valueOf(row.type), row.after) << row.since;
        EXPECT_EQ(kept(HKEY_LOCAL_MACHINE, row.type), row.machineAfter) << row.type;
    }
    HKEY left;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, KeptHelpersKey(), 0, KEY_READ, &left), ERROR_SUCCESS);
    DeleteFileA(own.c_str());
    RemoveDirectoryA(folder.c_str());
}

// A table that cannot be read is neither written over nor said to be done with.
TEST_F(Viewers, UnreadableTableIsReported) {
    put("application/zip", "C:\\Other.exe");
    denyReading(true);
    std::string all = "application/msdos-windows, application/zip, application/octet-stream, "
                      "application/x-zip-compressed, multipart/x-zip";
    EXPECT_EQ(std::string(app->RegisterViewers(true)), all);
    EXPECT_EQ(std::string(app->RegisterViewers(false)), all);
    denyReading(false);
    EXPECT_EQ(valueOf("application/zip"), "C:\\Other.exe");
    EXPECT_EQ(valueOf("TYPE0"), "<missing>");
}

} // namespace
