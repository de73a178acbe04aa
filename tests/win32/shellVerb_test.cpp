// Tests of the "Brisk Install" verb on the test prefix's real file classes.
#include "mainApp.h"
#include "registry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool keyExists(const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::string command(const std::string& fileClass) {
    str value("<none>");
    ReadRegistry(HKEY_CLASSES_ROOT, (fileClass + "\\shell\\Brisk Install\\command").c_str(), "", value);
    return std::string(value);
}

// .exe is given the class kvtest.exefile (the test prefix has none); .zip a class of its own, or
// none at all.
class ShellVerb : public ::testing::Test {
protected:
    mainApp* app = nullptr;
    std::string exeClass = "kvtest.exefile";
    str savedExe{""};
    void SetUp() override {
        app = new mainApp("Brisk Download", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW);
        ReadRegistry(HKEY_CLASSES_ROOT, ".exe", "", savedExe);
        WriteRegistry(HKEY_CLASSES_ROOT, ".exe", "", REG_SZ, exeClass.c_str(), 0);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".zip");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "kvtest.zipfile");
    }
    void TearDown() override {
        app->RegisterShellVerb(false);
        WriteRegistry(HKEY_CLASSES_ROOT, ".exe", "", REG_SZ, (const char*)savedExe, 0);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, exeClass.c_str());
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".zip");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "kvtest.zipfile");
        delete app->prefs;
        delete app;
    }
};

TEST_F(ShellVerb, UnderTheClassOrTheExtensionKey) {
    app->installedPath = "C:\\Tools\\Brisk.exe";
    EXPECT_TRUE(app->RegisterShellVerb(true));
    EXPECT_EQ(command(exeClass), "C:\\Tools\\Brisk.exe /run,%1");
    EXPECT_EQ(command(".zip"), "C:\\Tools\\Brisk.exe /run,%1"); // no association: on the key itself
    EXPECT_TRUE(app->RegisterShellVerb(true));                  // twice: the same one verb
    EXPECT_EQ(command(exeClass), "C:\\Tools\\Brisk.exe /run,%1");

    EXPECT_TRUE(app->RegisterShellVerb(false));
    EXPECT_FALSE(keyExists(exeClass + "\\shell\\Brisk Install"));
    EXPECT_FALSE(keyExists(".zip\\shell\\Brisk Install"));
    EXPECT_TRUE(keyExists(exeClass + "\\shell")); // only the verb goes
    EXPECT_TRUE(app->RegisterShellVerb(false));   // nothing left to remove
}

TEST_F(ShellVerb, PathWithBlanksIsQuoted) {
    WriteRegistry(HKEY_CLASSES_ROOT, ".zip", "", REG_SZ, "kvtest.zipfile", 0);
    app->installedPath = "C:\\Program Files\\Brisk Download\\Brisk Download.exe";
    app->RegisterShellVerb(true);
    EXPECT_EQ(command("kvtest.zipfile"), "\"C:\\Program Files\\Brisk Download\\Brisk Download.exe\" /run,%1");
    EXPECT_FALSE(keyExists(".zip\\shell"));
}

// Removal looks up the classes again, and also takes the verb from the extension key, under which
// an earlier registration put it, and from any class whose verb starts the program.
TEST_F(ShellVerb, RemovalAlsoTakesStaleVerbs) {
    app->installedPath = "C:\\B.exe";
    app->RegisterShellVerb(true); // under .zip itself
    WriteRegistry(HKEY_CLASSES_ROOT, ".zip", "", REG_SZ, "kvtest.zipfile", 0);
    const struct {
        const char* owner;
        const char* command;
        bool stays;
    } rows[] = {
        {"kvtest.oldzip", "\"C:\\Old Place\\Brisk Download.exe\" /run,%1", false},
        {"kvtest.other", "C:\\Other\\other.exe /run,%1", true},
    };
    for (const auto& row : rows)
        WriteRegistry(HKEY_CLASSES_ROOT, (std::string(row.owner) + "\\shell\\Brisk Install\\command").c_str(),
                      "", REG_SZ, row.command, 0);
    EXPECT_TRUE(app->RegisterShellVerb(false));
    EXPECT_FALSE(keyExists(".zip\\shell\\Brisk Install"));
    for (const auto& row : rows) {
        EXPECT_EQ(command(row.owner) != "<none>", row.stays) << row.owner;
        RegDeleteTreeA(HKEY_CLASSES_ROOT, row.owner);
    }
}

} // namespace
