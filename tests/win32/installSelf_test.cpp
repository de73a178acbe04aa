// The self-installation in this process, its dialogs and boxes answered from a second thread,
// with chosen registry writes failing, as they do where the user may not write.
#include "boxWatcher.h"
#include "casePath.h"
#include "dirct.h"
#include "installCopy.h"
#include "mainApp.h"
#include "path.h"
#include "registry.h"
#include "shortcut.h"
#include "uninstallEntry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

const char viewers[] = "Software\\Netscape\\Netscape Navigator\\Viewers";

// Fails each write whose key or value name holds one of the texts.
struct failingApp : mainApp {
    using mainApp::mainApp;
    std::vector<std::string> failing{"Previous helper application/zip", "Brisk Install", "UninstallString"};
    bool WriteValue(HKEY root, const char* key, const char* name, const char* text) override {
        for (const std::string& part : failing)
            if (strstr(key, part.c_str()) || strstr(name, part.c_str())) return false;
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
    WriteRegistry(HKEY_CURRENT_USER, viewers, "application/octet-stream", REG_SZ, "C:\\Octet.exe", 0);
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
                  "readme.txt was not beside recorder.exe, so it was not installed. To have it, get the full "
                  "distribution of Brisk Download, unpack all its files into one folder and start setup.exe "
                  "there.\n"
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
                  own + " /uninstall.\n\nRunning setup.exe again as an administrator may complete the rest.");
    // What could be registered stays; a helper that could not be kept is not replaced.
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "application/zip"), "C:\\Other.exe");
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "application/x-zip-compressed"), own);
    EXPECT_EQ(valueOf(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName"), "Brisk Download 96.6.20");

    // A helper whose give-back fails keeps its kept value, and the entry stays for the
    // uninstallation to be run again; one given back from the entry goes from there.
    app.failing = {"application/octet-stream", "application/msdos-windows"};
    EXPECT_EQ(
        std::string(app.RemoveRegistration()),
        "Netscape Navigator may still hand downloaded files of the types application/octet-stream to Brisk "
        "Download: their earlier helpers could not be given back.\n"
        "Netscape Navigator may still hand downloaded files of the types application/msdos-windows to Brisk "
        "Download: they could not be taken from it.");
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, KeptHelpersKey(), KeptHelperName("application/octet-stream")),
              "C:\\Octet.exe");
    EXPECT_EQ(valueOf(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName"), "Brisk Download 96.6.20");
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "multipart/x-zip"), "C:\\Zip.exe");
    EXPECT_EQ(valueOf(HKEY_LOCAL_MACHINE, UninstallKey(), KeptHelperName("multipart/x-zip")), "<missing>");
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "application/x-zip-compressed"), "");
    app.failing = {};
    EXPECT_EQ(std::string(app.RemoveRegistration()), "");
    EXPECT_EQ(valueOf(HKEY_CURRENT_USER, viewers, "application/octet-stream"), "C:\\Octet.exe");
    EXPECT_EQ(valueOf(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName"), "<missing>");

    RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey());
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
    RemoveDirectoryA(link.c_str());
    RemoveTree(folder.c_str());
    delete app.prefs;
}

std::string contentOf(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Every file of the folder, strays too, made writable for RemoveTree.
void writable(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE each = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (BOOL more = each != INVALID_HANDLE_VALUE; more; more = FindNextFileA(each, &found))
        SetFileAttributesA((folder + "\\" + found.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (each != INVALID_HANDLE_VALUE) FindClose(each);
}

// The copies go into place together or not at all, writable however read-only their sources and
// the older files are (a CD), and leave no temporary file; a folder in a file's place is never
// moved, and the older files then stay as they were.
TEST(Install, CopyIsAllOrNothing) {
    std::string base = casePath("kvcopy_");
    for (bool folderInTheWay : {false, true}) {
        std::string folder = base + (folderInTheWay ? "\\in the way" : "\\read-only"),
                    source = folder + "\\src";
        for (const std::string& f : {base, folder, source})
            CreateDirectoryA(f.c_str(), nullptr);
        for (const char* name : {"a.exe", "b.dll"}) {
            std::ofstream(source + "\\" + name) << "new";
            if (folderInTheWay && name[0] == 'b')
                CreateDirectoryA((folder + "\\" + name).c_str(), nullptr);
            else
                std::ofstream(folder + "\\" + name) << "old";
        }
        writable(source); // then read-only, the older files too
        for (const std::string& f :
             {source + "\\a.exe", source + "\\b.dll", folder + "\\a.exe", folder + "\\b.dll"})
            SetFileAttributesA(f.c_str(), GetFileAttributesA(f.c_str()) | FILE_ATTRIBUTE_READONLY);
        str failed;
        {
            installCopy copy(folder.c_str());
            EXPECT_TRUE(copy.add((source + "\\a.exe").c_str(), "a.exe") &&
                        copy.add((source + "\\b.dll").c_str(), "b.dll"));
            failed = copy.commit();
        }
        EXPECT_EQ(std::string(failed.isNull() ? "" : (const char*)failed), folderInTheWay ? "b.dll" : "");
        EXPECT_EQ(contentOf(folder + "\\a.exe"), folderInTheWay ? "old" : "new");
        EXPECT_EQ((GetFileAttributesA((folder + "\\a.exe").c_str()) & FILE_ATTRIBUTE_READONLY) != 0,
                  folderInTheWay);
        EXPECT_EQ(contentOf(folder + "\\b.dll"), folderInTheWay ? "" : "new");
        WIN32_FIND_DATAA found;
        HANDLE stray = FindFirstFileA((folder + "\\bd*.tmp").c_str(), &found);
        EXPECT_EQ(stray, INVALID_HANDLE_VALUE) << (stray != INVALID_HANDLE_VALUE ? found.cFileName : "");
        if (stray != INVALID_HANDLE_VALUE) FindClose(stray);
        writable(folder);
        writable(source);
    }
    RemoveTree(base.c_str());
}

} // namespace
