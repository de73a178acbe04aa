// Tests of CreateShortcut: the .lnk file it writes, read back through the shell's link object.
#include "casePath.h"
#include "shortcut.h"

#include <gtest/gtest.h>

#include <objidl.h>
#include <shlobj.h>

#include <fstream>
#include <string>
#include <thread>

namespace {

class Shortcut : public ::testing::Test {
protected:
    std::string folder, link;
    void SetUp() override {
        folder = casePath("kvlink_");
        CreateDirectoryA(folder.c_str(), nullptr);
        link = folder + "\\Brisk Download.lnk";
    }
    void TearDown() override {
        DeleteFileA(link.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    // The target and description stored in a link file.
    static std::pair<std::string, std::string> readBack(const std::string& path) {
        CoInitialize(nullptr);
        std::pair<std::string, std::string> seen;
        IShellLinkA* shell = nullptr;
        IPersistFile* file = nullptr;
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       (void**)&shell))) {
            if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, (void**)&file))) {
                if (SUCCEEDED(file->Load(wide, STGM_READ))) {
                    char text[MAX_PATH] = "";
                    shell->GetPath(text, MAX_PATH, nullptr, 0);
                    seen.first = text;
                    shell->GetDescription(text, MAX_PATH);
                    seen.second = text;
                }
                file->Release();
            }
            shell->Release();
        }
        CoUninitialize();
        return seen;
    }
};

TEST_F(Shortcut, WritesTargetAndDescriptionAndOverwrites) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string notepad = std::string(windows) + "\\notepad.exe";
    std::ofstream(link) << "an older file";
    EXPECT_EQ(CreateShortcut(notepad.c_str(), link.c_str(), "Brisk Download"), S_OK);
    auto seen = readBack(link);
    EXPECT_STRCASEEQ(seen.first.c_str(), notepad.c_str());
    EXPECT_EQ(seen.second, "Brisk Download");

    // COM is set up and ended around each call, so a second call on the same thread works too.
    EXPECT_EQ(CreateShortcut(notepad.c_str(), link.c_str(), "Again"), S_OK);
    EXPECT_EQ(readBack(link).second, "Again");
}

// A thread already in the multithreaded apartment keeps it: the call ends only what it began.
TEST_F(Shortcut, LeavesTheCallersApartmentAsItWas) {
    HRESULT again = E_FAIL;
    std::thread([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        CreateShortcut("C:\\windows\\notepad.exe", link.c_str(), "d");
        again = CoInitializeEx(nullptr, COINIT_MULTITHREADED); // S_FALSE: still initialised
        CoUninitialize();
        CoUninitialize();
    }).join();
    EXPECT_EQ(again, S_FALSE);
}

TEST_F(Shortcut, FailuresCreateNothing) {
    std::string missing = folder + "\\no such folder\\x.lnk";
    EXPECT_LT(CreateShortcut("C:\\windows\\notepad.exe", missing.c_str(), "d"), 0);
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);

    std::string tooLong = folder + "\\" + std::string(300, 'n') + ".lnk";
    EXPECT_EQ(CreateShortcut("C:\\windows\\notepad.exe", tooLong.c_str(), "d"), E_INVALIDARG);
}

} // namespace
