// The self-installation in this process, its dialogs and boxes answered from a second thread,
// with chosen registry writes failing, as they do where the user may not write.
#include "boxWatcher.h"
#include "casePath.h"
#include "dirct.h"
#include "mainApp.h"
#include "path.h"
#include "registry.h"
#include "uninstallEntry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

const char viewers[] = "Software\\Netscape\\Netscape Navigator\\Viewers";

// Fails each write whose key or value name holds one of the texts.
struct failingApp : mainApp {
    using mainApp::mainApp;
    std::vector<std::string> failing{"Previous helper application/zip", "Brisk Install", "UninstallString"};
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
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
    WriteRegistry(HKEY_CURRENT_USER, viewers, "application/zip", REG_SZ, "C:\\Other.exe", 0);
    failingApp app("Brisk Download", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW);
    app.modulePath = DirOf(app.moduleFileName(nullptr)) + "\\recorder.exe";
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
    app.InstallSelf();
    answers.join();
    EXPECT_EQ(told, "Brisk Download was copied to " + folder +
                        ", but the installation is not complete:\n\n"
                        "The Netscape Navigator helper for application/zip could not be registered.\n"
                        "The Explorer command Brisk Install could not be registered.\n"
                        "The uninstall entry in Add/Remove Programs could not be registered.");
    // What could be registered stays; a helper that could not be kept is not replaced.
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "application/zip"), "C:\\Other.exe");
    std::string installed = "\"" + folder + "\\Brisk Download.exe\"";
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "multipart/x-zip"), installed);
    EXPECT_EQ(valueOf(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName"), "Brisk Download 96.6.20");

    RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
    DeleteFileA(app.WindowsDir() + "\\Start Menu\\Programs\\Brisk Download.lnk");
    RemoveTree(folder.c_str());
    delete app.prefs;
}

} // namespace
