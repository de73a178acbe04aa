// The self-installation in this process, its dialogs and boxes answered from a second thread,
// with chosen registry writes failing, as they do where the user may not write.
#include "boxWatcher.h"
#include "casePath.h"
#include "dirct.h"
#include "mainApp.h"
#include "path.h"
#include "registry.h"
#include "shortcut.h"
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

// Each failed step is one line of the last message; the uninstallation says what it left.
TEST(Install, WhatCouldNotBeDoneIsNamed) {
    std::string folder = casePath("kvinstall_");
    std::string own = "\"" + folder + "\\Brisk Download.exe\"";
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
    WriteRegistry(HKEY_CURRENT_USER, viewers, "application/zip", REG_SZ, "C:\\Other.exe", 0);
    // An older installation of the program kept this helper machine-wide.
    WriteRegistry(HKEY_CURRENT_USER, viewers, "multipart/x-zip", REG_SZ, own.c_str(), 0);
    WriteRegistry(HKEY_LOCAL_MACHINE, UninstallKey(), KeptHelperName("multipart/x-zip"), REG_SZ,
                  "C:\\Zip.exe", 0);
    // Neither the options file nor the shortcut can be written where a folder has their name.
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\Briskdl.ini").c_str(), nullptr);
    std::string link = std::string(ProgramsFolder()) + "\\Brisk Download.lnk";
    DeleteFileA(link.c_str());
    CreateDirectoryA(link.c_str(), nullptr);
    failingApp app("Brisk Download", GetModuleHandleA(nullptr), nullptr, "", SW_SHOW);
    app.modulePath = DirOf(app.moduleFileName(nullptr)) + "\\recorder.exe";
    std::string told;
    std::thread answers([&] {
        boxWatcher("Brisk Download 96.6.20", IDYES).text();
        windowDriver("BorDlg", "Brisk Download", [&](HWND w) {
            SetDlgItemTextA(w, 4090, folder.c_str());
            pressButton(w, IDOK);
        }).join();
        windowDriver("BorDlg", "Brisk Download Options", [](HWND w) {
            SetDlgItemTextA(w, 80, "C:\\elsewhere");
            pressButton(w, IDOK);
        }).join();
        told = boxWatcher("Brisk Download 96.6.20", IDOK).text();
    });
    app.InstallSelf();
    answers.join();
    EXPECT_EQ(told,
              "Brisk Download was copied to " + folder +
                  ", but the installation is not complete:\n\n"
                  "readme.txt was not beside recorder.exe, so it was not installed.\n"
                  "No entry for Brisk Download could be made in the Start menu (" +
                  std::string(ProgramsFolder()) + "); start it from " + folder +
                  ".\n"
                  "Netscape Navigator could not be set to hand downloads of the types application/zip to "
                  "Brisk Download, so they are not scanned or installed.\n"
                  "Explorer's menu of .exe and .zip files could not be given the command Brisk Install, so "
                  "downloads kept for later must be installed by hand.\n"
                  "The options could not be saved in " +
                  folder +
                  "\\Briskdl.ini (check that the folder exists and may be written); start Brisk Download to "
                  "set them again.\n"
                  "Brisk Download could not be listed in Add/Remove Programs; to uninstall it, run " +
                  own + " /uninstall.\n\nRunning setup.exe again as an administrator may complete it.");
    // What could be registered stays; a helper that could not be kept is not replaced.
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "application/zip"), "C:\\Other.exe");
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "application/x-zip-compressed"), own);
    EXPECT_EQ(valueOf(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName"), "Brisk Download 96.6.20");

    // A helper whose give-back fails keeps its kept value, and with it the entry that holds it.
    app.failing = {"multipart/x-zip"};
    EXPECT_EQ(
        std::string(app.RemoveRegistration()),
        "Netscape Navigator may still hand downloaded files of the types multipart/x-zip to Brisk Download: "
        "their earlier helpers could not be given back.\n"
        "Brisk Download is still listed in Add/Remove Programs.");
    EXPECT_EQ(valueOf(HKEY_LOCAL_MACHINE, UninstallKey(), KeptHelperName("multipart/x-zip")), "C:\\Zip.exe");
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "application/x-zip-compressed"), "");

    RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
    RemoveDirectoryA(link.c_str());
    RemoveTree(folder.c_str());
    delete app.prefs;
}

} // namespace
