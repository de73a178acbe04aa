// Tests of the self-installation in this process, its dialogs and boxes answered from a second
// thread, with registry writes made to fail as they can where the user may not write.
#include "boxWatcher.h"
#include "casePath.h"
#include "dirct.h"
#include "mainApp.h"
#include "path.h"
#include "registry.h"
#include "uninstallEntry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

const char viewers[] = "Software\\Netscape\\Netscape Navigator\\Viewers";

// Fails each write whose key or value name holds one of the texts.
class failingApp : public mainApp {
public:
    using mainApp::mainApp;
    std::vector<std::string> failing;
    bool WriteValue(HKEY root, const char* key, const char* name, const char* text) override {
        for (const std::string& part : failing)
            if (strstr(key, part.c_str()) || strstr(name, part.c_str()))
                return false;
        return mainApp::WriteValue(root, key, name, text);
    }
};

std::string valueOf(HKEY root, const char* key, const char* name) {
    str v("<missing>");
    ReadRegistry(root, key, name, v);
    return std::string(v);
}

TEST(Install, WhatCouldNotBeRegisteredIsNamed) {
    std::string folder = casePath("kvinstall_");
    RemoveTree(folder.c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
    WriteRegistry(HKEY_CURRENT_USER, viewers, "application/zip", REG_SZ, "C:\\Other.exe", 0);
    failingApp app("Brisk Download", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW);
    app.modulePath = DirOf(app.moduleFileName(nullptr)) + "\\recorder.exe";
    app.failing = {"Previous helper application/zip", "Brisk Install", "UninstallString"};

    std::string told;
    std::thread answers([&] {
        boxWatcher("Brisk Download 96.6.20", IDYES).text();
        windowDriver("BorDlg", "Brisk Download", [&](HWND w) {
            SetDlgItemTextA(w, 4090, folder.c_str());
            pressButton(w, IDOK);
        }).join();
        windowDriver("BorDlg", "Brisk Download Options", [](HWND w) { pressButton(w, IDCANCEL); }).join();
        told = boxWatcher("Brisk Download 96.6.20", IDOK).text();
    });
    EXPECT_EQ(app.InstallSelf(), 1);
    answers.join();

    EXPECT_EQ(told, "Brisk Download was copied to " + folder +
                        ", but the installation is not complete:\n\n"
                        "The Netscape Navigator helper for application/zip could not be registered.\n"
                        "The Explorer command Brisk Install could not be registered.\n"
                        "The uninstall entry in Add/Remove Programs could not be registered.");
    // What could be registered stays; a helper that could not be kept is not replaced.
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "application/zip"), "C:\\Other.exe");
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "multipart/x-zip"),
              "\"" + folder + "\\Brisk Download.exe\"");
    EXPECT_EQ(valueOf(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName"), "Brisk Download 96.6.20");

    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
    DeleteFileA(app.WindowsDir() + "\\Start Menu\\Programs\\Brisk Download.lnk");
    RemoveTree(folder.c_str());
    delete app.prefs;
}

} // namespace
