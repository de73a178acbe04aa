// Tests of folder creation, the current folder and folder listings on real folders under Wine.
#include "casePath.h"
#include "dirct.h"
#include "fileSystem.h"
#include "folderFiles.h"
#include "handleDownload.h"
#include "path.h"
#include "samePath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

namespace {

// The Unix form of a Windows path, as Wine resolves it.
std::string unixPath(const std::string& path) {
    typedef char*(CDECL * unixNameOf)(const WCHAR*);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto unixName = (unixNameOf)(void*)GetProcAddress(kernel, "wine_get_unix_file_name");
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* name = unixName ? unixName(wide) : nullptr;
    std::string result = name ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Runs a Unix program on the Unix forms of paths, started as Wine starts any program, unless
// done holds already; then waits until it does. Wine makes no folder link through its own calls
// (CreateSymbolicLinkA does nothing) and cannot remove one, but it shows a Unix symbolic link to
// a folder as a reparse point: ln and rm make and remove them.
bool runUnix(std::string command, std::initializer_list<std::string> paths, std::function<bool()> done) {
    if (done()) return true;
    for (const std::string& path : paths)
        command += " \"" + unixPath(path) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (DWORD start = GetTickCount(); !done() && GetTickCount() - start < 10000;)
        Sleep(10);
    return done();
}

bool isLink(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A fresh folder under the temporary folder, removed with everything in it afterwards.
class Folder : public ::testing::Test {
protected:
    std::string root, savedDir;
    void SetUp() override {
        root = casePath("kvtest_");
        removeRoot();
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
        savedDir = std::string(CurrentDir());
    }
    void TearDown() override {
        SetCurrentDirectoryA(savedDir.c_str());
        if (!driveLink.empty())
            runUnix("Z:\\bin\\rm -f \"" + driveLink + "\"", {}, [] { return !FileExists("Y:\\"); });
        for (const std::string& folder : mounted)
            runUnix("Z:\\bin\\umount", {folder},
                    [&] { return FileExists((folder + "\\under.txt").c_str()); });
        removeRoot();
    }
    // RemoveTree, and rm where a folder link kept the folder standing.
    void removeRoot() {
        RemoveTree(root.c_str());
        auto gone = [&] { return GetFileAttributesA(root.c_str()) == INVALID_FILE_ATTRIBUTES; };
        runUnix("Z:\\bin\\rm -rf", {root}, gone);
    }
    std::string at(const std::string& name) { return root + "\\" + name; }
    // Another drive letter for a folder of the case, as SUBST or a mapped drive gives one: a link
    // in the prefix's dosdevices folder. The cases that make one hold the lock drive_letter.
    std::string secondDrive(const std::string& folder) {
        char prefix[MAX_PATH] = "";
        GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
        driveLink = std::string(prefix) + "/dosdevices/y:";
        std::string marker = folder + "\\kvdrive.txt";
        CloseHandle(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        std::string command = "Z:\\bin\\sh -c \"rm -f '" + driveLink + "' && ln -s '" + unixPath(folder) +
                              "' '" + driveLink + "'\"";
        bool made = runUnix(command, {}, [&] { return FileExists("Y:\\kvdrive.txt"); });
        DeleteFileA(marker.c_str());
        return made ? "Y:" : "";
    }
    std::string driveLink;
    std::vector<std::string> mounted; // folders with a drive mounted on them
    void touch(const std::string& name, const char* text = "x") {
        HANDLE h = CreateFileA(at(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD n;
        WriteFile(h, text, lstrlenA(text), &n, nullptr);
        CloseHandle(h);
    }
    static bool isDir(const std::string& p) {
        DWORD a = GetFileAttributesA(p.c_str());
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
    }
};

std::vector<std::string> namesOf(set<fbk>& entries) {
    std::vector<std::string> v;
    for (fbk* e = entries.toFirst(0); e; e = entries.move(1))
        v.push_back(e->name);
    std::sort(v.begin(), v.end());
    return v;
}

TEST_F(Folder, CreateDirMakesEveryLevel) {
    EXPECT_EQ(CreateDir(at("x\\y\\z").c_str()), 1);
    EXPECT_TRUE(isDir(at("x\\y\\z")));
    EXPECT_EQ(CreateDir(at("x\\y").c_str()), 1); // already there
    EXPECT_EQ(CreateSimpleDir(at("x").c_str()), 1);
    EXPECT_EQ(CreateDir(at("t\\u\\").c_str()), 1); // a final backslash
    EXPECT_TRUE(isDir(at("t\\u")));
    touch("file");
    EXPECT_EQ(CreateSimpleDir(at("file\\sub").c_str()), 0); // a file stands in the way
    EXPECT_EQ(CreateSimpleDir(at("missing\\sub").c_str()), 0);
    EXPECT_EQ(CreateDir("C:"), 0);
    EXPECT_EQ(CreateDir(""), 0);
    EXPECT_EQ(CreateDir(nullptr), 0);
}

// Only the folders that were missing go, and only while empty, also past ".." to a folder that was
// there before.
TEST_F(Folder, MissingDirsAreUndoneWhileEmpty) {
    ASSERT_TRUE(CreateDirectoryA(at("kept").c_str(), nullptr));
    std::string path = at("new\\..\\kept\\a\\b");
    strs made = MissingDirs(path.c_str());
    EXPECT_EQ(made.size(), 3); // new, a, b
    ASSERT_EQ(CreateDir(path.c_str()), 1);
    touch("new\\put there");
    RemoveEmptyDirs(made);
    EXPECT_FALSE(isDir(at("kept\\a")));
    EXPECT_TRUE(isDir(at("kept"))); // empty, but not made here
    EXPECT_TRUE(isDir(at("new")));
    EXPECT_EQ(MissingDirs("Apps\\Brisk").size(), 0); // not a full path
}

TEST_F(Folder, ChangeDirAndCurrentDir) {
    ASSERT_EQ(CreateDir(at("cur").c_str()), 1);
    EXPECT_EQ(ChangeDir(at("cur").c_str()), 1);
    EXPECT_STRCASEEQ(CurrentDir(), at("cur").c_str());
    char variable[MAX_PATH] = "";
    char name[] = {'=', root[0], ':', 0};
    GetEnvironmentVariableA(name, variable, MAX_PATH);
    EXPECT_STRCASEEQ(variable, at("cur").c_str()); // the drive's own current folder is recorded
    EXPECT_EQ(ChangeDir(at("nowhere").c_str()), 0);
    EXPECT_EQ(ChangeDir("ab"), 0);
    EXPECT_EQ(ChangeDir("\\\\server\\share"), 0);
    EXPECT_EQ(ChangeDir(nullptr), 0);
    EXPECT_STRCASEEQ(CurrentDir(), at("cur").c_str());
}

// Short and long forms, letter case, "..", a doubled or final backslash, a relative form, another
// drive letter and a link to it all name the temporary folder; a neighbour with a longer name
// does not.
TEST_F(Folder, SamePathSeesThroughEveryForm) {
    std::string temp = at("dl\\~Briskdl");
    ASSERT_EQ(CreateDir(temp.c_str()), 1);
    touch("dl\\~Briskdl\\a long archive name.zip");
    char shortForm[MAX_PATH];
    ASSERT_NE(GetShortPathNameA(temp.c_str(), shortForm, MAX_PATH), 0u);
    std::string lower = temp;
    for (char& c : lower)
        c = (char)tolower((unsigned char)c);
    std::string drive = secondDrive(at("dl"));
    ASSERT_FALSE(drive.empty());
    std::string link = at("link");
    ASSERT_TRUE(runUnix("Z:\\bin\\ln -s", {temp, link}, [&] { return isLink(link); }));
    ASSERT_EQ(ChangeDir(at("dl").c_str()), 1);
    for (std::string form :
         {lower, std::string(shortForm), at("dl\\sub\\..\\~Briskdl"), temp + "\\", at("dl") + "\\\\~Briskdl",
          std::string("~Briskdl"), std::string(".\\~Briskdl\\."), drive + "\\~BRISKDL", link})
        EXPECT_TRUE(SamePath(form.c_str(), temp.c_str())) << form;
    for (std::string other : {temp + "2", at("dl"), temp + "\\a long archive name.zip", drive + "\\"})
        EXPECT_FALSE(SamePath(other.c_str(), temp.c_str())) << other;
    EXPECT_TRUE(SamePath((drive + "\\").c_str(), at("dl").c_str()));
    EXPECT_TRUE(SamePath((drive + "\\~Briskdl\\a long archive name.zip").c_str(),
                         (temp + "\\a long archive name.zip").c_str()));
    std::string file = temp + "\\a long archive name.zip", hardLink = temp + "\\another name.zip";
    ASSERT_TRUE(CreateHardLinkA(hardLink.c_str(), file.c_str(), nullptr));
    EXPECT_TRUE(SamePath(hardLink.c_str(), file.c_str())); // two names of one file

    ASSERT_NE(GetShortPathNameA(file.c_str(), shortForm, MAX_PATH), 0u);
    EXPECT_STRCASEEQ(LongFullPath(shortForm), file.c_str());
    EXPECT_STRCASEEQ(LongFullPath((std::string(shortForm) + "\\..\\new.txt").c_str()),
                     (temp + "\\new.txt").c_str());
    EXPECT_STREQ(LongFullPath("C:\\"), "C:\\"); // a root keeps its backslash

    // Names the ANSI code page cannot spell, which an ANSI program knows by their short forms
    // only: their long forms, with '?' for such letters, would name nothing. Those levels stay
    // short; the others are expanded.
    std::wstring folder =
        std::wstring(temp.begin(), temp.end()) + L"\\\u0437\u0430\u0433\u0440\u0443\u0437\u043A\u0438";
    std::wstring program = folder + L"\\\u0438\u043D\u0441\u0442\u0440\u0443\u043C\u0435\u043D\u0442.exe";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    for (const std::wstring& name : {program, folder + L"\\a long archive name.zip"})
        CloseHandle(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    auto shortOf = [](const std::wstring& path) { // all of it short, in letters of ASCII
        WCHAR letters[MAX_PATH];
        DWORD n = GetShortPathNameW(path.c_str(), letters, MAX_PATH);
        return std::string(letters, letters + (n < MAX_PATH ? n : 0));
    };
    std::string shortFolder = temp + "\\" + std::string(FileOf(shortOf(folder).c_str()));
    std::string shortProgram = shortOf(program),
                shortArchive = shortOf(folder + L"\\a long archive name.zip");
    char spelled[MAX_PATH] = "";
    GetLongPathNameA(shortProgram.c_str(), spelled, MAX_PATH);
    ASSERT_NE(strchr(spelled, '?'), nullptr) << "the ANSI code page spells " << spelled;
    EXPECT_STRCASEEQ(LongFullPath(shortProgram.c_str()),
                     (shortFolder + "\\" + std::string(FileOf(shortProgram.c_str()))).c_str());
    EXPECT_STRCASEEQ(FolderOfFile(shortProgram.c_str()), shortFolder.c_str());
    EXPECT_STRCASEEQ(LongFullPath(shortArchive.c_str()), (shortFolder + "\\a long archive name.zip").c_str());
}

// Two small drives mounted in the tree (as root): Wine gives both the serial number zero, and
// their first files the same index, yet they are two files.
TEST_F(Folder, SamePathTellsTwoVolumesApart) {
    std::vector<std::string> files;
    for (const char* drive : {"one", "two"}) {
        std::string folder = at(drive), hidden = folder + "\\under.txt";
        ASSERT_EQ(CreateDir(folder.c_str()), 1);
        touch(std::string(drive) + "\\under.txt");
        if (!runUnix("Z:\\bin\\mount -t tmpfs -o size=64k tmpfs", {folder},
                     [&] { return !FileExists(hidden.c_str()); }))
            GTEST_SKIP() << "no tmpfs can be mounted here";
        mounted.push_back(folder);
        files.push_back(folder + "\\file.txt");
        touch(std::string(drive) + "\\file.txt");
    }
    EXPECT_FALSE(SamePath(files[0].c_str(), files[1].c_str()));
    EXPECT_FALSE(SamePath(at("one").c_str(), at("two").c_str()));
    EXPECT_TRUE(SamePath(files[0].c_str(), (at("two") + "\\..\\one\\FILE.TXT").c_str()));
}

// Every file at the top goes, whatever its attributes, but the one kept, named in any form
// (SamePath); sub-folders stay.
TEST_F(Folder, DeleteFolderFilesLeavesOnlyTheKeptFileAndFolders) {
    const DWORD guarded = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
    touch("setup.exe");
    touch("sys.dat");
    touch("plain.txt");
    touch("a long archive name.zip");
    ASSERT_EQ(CreateDir(at("sub").c_str()), 1);
    touch("sub\\inner.txt");
    SetFileAttributesA(at("setup.exe").c_str(), guarded);
    SetFileAttributesA(at("sys.dat").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ASSERT_EQ(GetFileAttributesA(at("setup.exe").c_str()) & guarded, guarded);
    char keep[MAX_PATH];
    ASSERT_NE(GetShortPathNameA(at("a long archive name.zip").c_str(), keep, MAX_PATH), 0u);

    EXPECT_TRUE(DeleteFolderFiles(root.c_str(), keep).isNull());
    for (const char* gone : {"setup.exe", "sys.dat", "plain.txt"})
        EXPECT_EQ(GetFileAttributesA(at(gone).c_str()), INVALID_FILE_ATTRIBUTES) << gone;
    EXPECT_TRUE(FileExists(at("a long archive name.zip").c_str()));
    EXPECT_TRUE(FileExists(at("sub\\inner.txt").c_str()));

    EXPECT_TRUE(DeleteFolderFiles(root.c_str(), nullptr).isNull());
    EXPECT_FALSE(FileExists(at("a long archive name.zip").c_str()));
    EXPECT_STREQ(DeleteFolderFiles(at("missing").c_str(), nullptr), at("missing").c_str());

    // A file that another program deletes after it was listed went as it was to go. The other
    // program starts when the first file's read-only attribute is taken away, and is in time when
    // it can delete one listed fifty files later (which Wine lists in name order, the first sixty
    // or so at once).
    bool vanished = false;
    for (int attempt = 0; attempt < 5 && !vanished; ++attempt) {
        touch("a.cab");
        SetFileAttributesA(at("a.cab").c_str(), FILE_ATTRIBUTE_READONLY);
        for (int i = 0; i < 48; ++i)
            touch("b" + std::to_string(1000 + i) + ".cab");
        touch("c.txt");
        HANDLE changed = FindFirstChangeNotificationA(root.c_str(), FALSE, FILE_NOTIFY_CHANGE_ATTRIBUTES);
        ASSERT_NE(changed, INVALID_HANDLE_VALUE);
        std::thread other([&] {
            vanished =
                WaitForSingleObject(changed, 10000) == WAIT_OBJECT_0 && DeleteFileA(at("c.txt").c_str());
        });
        EXPECT_TRUE(DeleteFolderFiles(root.c_str(), nullptr).isNull());
        other.join();
        FindCloseChangeNotification(changed);
        EXPECT_FALSE(FileExists(at("a.cab").c_str()));
    }
    EXPECT_TRUE(vanished);
}

// A file in use, or a program that runs, stops the cleaning before anything goes: the earlier
// installer's data stays whole, with its attributes, and the file in the way is named.
TEST_F(Folder, DeleteFolderFilesIsAllOrNothing) {
    for (const char* data : {"data1.cab", "data2.cab", "layout.bin", "readme.txt"})
        touch(data);
    SetFileAttributesA(at("data2.cab").c_str(), FILE_ATTRIBUTE_READONLY);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    ASSERT_TRUE(
        CopyFileA((std::string(DirOf(self)) + "\\recorder.exe").c_str(), at("setup.exe").c_str(), FALSE));
    auto untouched = [&] {
        for (const char* data : {"data1.cab", "data2.cab", "layout.bin", "readme.txt", "setup.exe"})
            EXPECT_TRUE(FileExists(at(data).c_str())) << data;
        EXPECT_EQ(GetFileAttributesA(at("data2.cab").c_str()) & FILE_ATTRIBUTE_READONLY,
                  (DWORD)FILE_ATTRIBUTE_READONLY);
    };

    HANDLE held = CreateFileA(at("setup.exe").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(DeleteFolderFiles(root.c_str(), nullptr), at("setup.exe").c_str());
    CloseHandle(held);
    untouched();

    SetEnvironmentVariableA("RECORDER_SLEEP_MS", "20000");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION running;
    std::string program = at("setup.exe");
    BOOL started = CreateProcessA(program.c_str(), &program[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  root.c_str(), &startup, &running);
    SetEnvironmentVariableA("RECORDER_SLEEP_MS", nullptr);
    ASSERT_TRUE(started);
    EXPECT_STREQ(DeleteFolderFiles(root.c_str(), nullptr), at("setup.exe").c_str());
    TerminateProcess(running.hProcess, 0);
    WaitForSingleObject(running.hProcess, 10000);
    CloseHandle(running.hProcess);
    CloseHandle(running.hThread);
    untouched();

    EXPECT_TRUE(DeleteFolderFiles(root.c_str(), nullptr).isNull());
    for (const char* data : {"data1.cab", "data2.cab", "layout.bin", "readme.txt", "setup.exe"})
        EXPECT_FALSE(FileExists(at(data).c_str())) << data;
}

// A folder of many files. The file to keep, named in its short form or naming nothing, costs
// its identity once, not once a file. Where no more handles can be had (under Wine, beyond the
// server's open-file limit, which this case fills for a moment), every file goes all the same,
// or, with one in use, none.
TEST_F(Folder, DeleteFolderFilesTakesAFolderOfManyFiles) {
    const int many = 250;
    ASSERT_EQ(CreateDir(at("many").c_str()), 1);
    auto fill = [&] {
        for (int i = 0; i < many; ++i)
            touch("many\\f" + std::to_string(1000 + i) + ".cab");
    };
    auto left = [&] { return dirct(at("many").c_str(), "*.*", nullptr).size(); };
    touch("a long archive name.zip");
    char keep[MAX_PATH];
    ASSERT_NE(GetShortPathNameA(at("a long archive name.zip").c_str(), keep, MAX_PATH), 0u);
    std::string missing = at("gone\\tool.zip");
    const char* kept[] = {nullptr, keep, missing.c_str()};
    DWORD took[] = {~0u, ~0u, ~0u}; // the quickest of three, whatever else the machine does
    for (int trial = 0; trial < 3; ++trial)
        for (int k = 0; k < 3; ++k) {
            fill();
            DWORD start = GetTickCount();
            ASSERT_TRUE(DeleteFolderFiles(at("many").c_str(), kept[k]).isNull());
            took[k] = std::min(took[k], GetTickCount() - start);
        }
    for (int k = 1; k < 3; ++k)
        EXPECT_LT(took[k], 3 * took[0] + 50) << kept[k] << ", against " << took[0] << " ms with none";

    fill();
    std::string busy = at("many\\f1200.cab");
    HANDLE held =
        CreateFileA(busy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    touch("hog.txt");
    std::vector<HANDLE> hog;
    DWORD error = 0;
    while (!error && hog.size() < 100000) {
        HANDLE h = CreateFileA(at("hog.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            error = GetLastError();
        else
            hog.push_back(h);
    }
    bool filled = error == ERROR_TOO_MANY_OPEN_FILES;
    for (int i = 0; i < 100 && !hog.empty(); ++i, hog.pop_back())
        CloseHandle(hog.back());
    if (filled) {
        EXPECT_STREQ(DeleteFolderFiles(at("many").c_str(), nullptr), busy.c_str());
        EXPECT_EQ(left(), many);
        CloseHandle(held);
        held = INVALID_HANDLE_VALUE;
        EXPECT_TRUE(DeleteFolderFiles(at("many").c_str(), nullptr).isNull());
        EXPECT_EQ(left(), 0);
    }
    for (HANDLE h : hog)
        CloseHandle(h);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    if (!filled) GTEST_SKIP() << hog.size() << " handles did not fill the open-file limit";
}

TEST_F(Folder, ListingLeavesOutHiddenAndDotNames) {
    touch("A.TXT", "12345");
    touch("hidden.txt");
    SetFileAttributesA(at("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    touch(".dotfile");
    CreateDirectoryA(at("SUB").c_str(), nullptr);
    CreateDirectoryA(at(".dotdir").c_str(), nullptr);
    CreateDirectoryA(at("HIDDIR").c_str(), nullptr);
    SetFileAttributesA(at("HIDDIR").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);

    dirct listing(root.c_str(), "*.*", "*.*");
    EXPECT_EQ(namesOf(listing), (std::vector<std::string>{"A.TXT"}));
    EXPECT_EQ(namesOf(listing.dirs), (std::vector<std::string>{"HIDDIR", "SUB"}));
    fbk* a = listing.toFirst(0);
    EXPECT_EQ(a->size, 5u);
    EXPECT_EQ(a->attribute & FILE_ATTRIBUTE_DIRECTORY, 0);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(a->date >> 9, now.wYear - 1980u); // written just now, in local time
    EXPECT_STREQ(listing.path, CharUpperA(&root[0]));

    dirct filesOnly(root.c_str(), "*.TXT", nullptr);
    EXPECT_EQ(filesOnly.dirs.size(), 0);
    EXPECT_EQ(namesOf(filesOnly), (std::vector<std::string>{"A.TXT"}));
    dirct nothing(at("missing").c_str(), "*.*", "*.*");
    EXPECT_EQ(nothing.size() + nothing.dirs.size(), 0);

    // Hidden and dot entries are not listed, so RemoveTree would leave them.
    SetFileAttributesA(at("hidden.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(at("HIDDIR").c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(at(".dotfile").c_str());
    RemoveDirectoryA(at(".dotdir").c_str());
}

TEST_F(Folder, RemoveTreeTakesLongNamesAndNestedFolders) {
    CreateDir(at("tree\\inner\\deep").c_str());
    touch("tree\\a long file name.setup.txt");
    touch("tree\\inner\\b.txt");
    touch("tree\\inner\\deep\\c.txt");
    RemoveTree(at("tree").c_str());
    EXPECT_EQ(GetFileAttributesA(at("tree").c_str()), INVALID_FILE_ATTRIBUTES);
}

// An empty or null folder would be searched as "\*.*", the root of the current drive: nothing
// there is listed or deleted.
TEST_F(Folder, EmptyFolderNamesNothing) {
    ASSERT_EQ(SetCurrentDirectoryA(root.c_str()), TRUE); // the current drive is the prefix's C:
    std::string sentinel = root.substr(0, 3) + "kvsentnl.txt";
    HANDLE h = CreateFileA(sentinel.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    fbk entry = {};
    entry.setName("kvsentnl.txt");
    for (const char* path : {"", (const char*)nullptr}) {
        dirct listing(path, "*.*", "*.*");
        ASSERT_EQ(listing.size() + listing.dirs.size(), 0);
        static int listed;
        listed = 0;
        WalkTree(
            path, [](dirct* l) { listed += l ? 1 + l->size() + l->dirs.size() : 0; }, 1);
        EXPECT_EQ(listed, 1); // one empty listing
        RemoveTree(path);
        listing.add(new fbk(entry));
        EXPECT_FALSE(DeleteFiles(listing));
    }
    EXPECT_TRUE(FileExists(sentinel.c_str()));

    // A drive's root, in any form, is nobody's folder to empty or remove; nor is a link to a root
    // (here C:'s, since Wine resolves no path to a drive made after the process started).
    std::string drive = secondDrive(root);
    ASSERT_FALSE(drive.empty());
    touch("kept.txt");
    ASSERT_EQ(CreateDir(at("kept dir").c_str()), 1);
    touch("kept dir\\inner.txt");
    std::string link = at("kept dir\\root");
    ASSERT_TRUE(runUnix("Z:\\bin\\ln -s", {root.substr(0, 3), link}, [&] { return isLink(link); }));
    ASSERT_EQ(ChangeDir((drive + "\\").c_str()), 1);
    for (std::string path : {drive, drive + "\\", drive + "/", drive + "\\kept dir\\..", std::string("."),
                             "\\\\?\\" + drive + "\\", "\\\\.\\" + drive + "\\", "\\\\?\\" + drive, link}) {
        RemoveTree(path.c_str());
        dirct listing(path.c_str(), "*.*", nullptr);
        EXPECT_GT(listing.size(), 0) << path;
        EXPECT_FALSE(DeleteFiles(listing)) << path;
        EXPECT_STREQ(DeleteFolderFiles(path.c_str(), nullptr), path.c_str());
    }
    EXPECT_TRUE(FileExists(at("kept.txt").c_str()));
    EXPECT_TRUE(FileExists(at("kept dir\\inner.txt").c_str()));
    EXPECT_TRUE(FileExists(sentinel.c_str()));
    DeleteFileA(sentinel.c_str());
}

// A link to a folder inside the tree goes (where the platform can remove it) or stays, but what
// it points to is never touched.
TEST_F(Folder, RemoveTreeLeavesWhatALinkPointsTo) {
    CreateDir(at("target\\inner").c_str());
    touch("target\\keep.txt");
    touch("target\\inner\\keep too.txt");
    CreateDir(at("tree").c_str());
    touch("tree\\gone.txt");
    std::string link = at("tree\\link");
    ASSERT_TRUE(runUnix("Z:\\bin\\ln -s", {at("target"), link}, [&] { return isLink(link); }));
    RemoveTree(at("tree").c_str());
    EXPECT_FALSE(FileExists(at("tree\\gone.txt").c_str()));
    RemoveTree(link.c_str()); // the link itself as the tree
    EXPECT_TRUE(FileExists(at("target\\keep.txt").c_str()));
    EXPECT_TRUE(FileExists(at("target\\inner\\keep too.txt").c_str()));
}

TEST_F(Folder, DeleteFilesReportsEachFailure) {
    touch("one.txt");
    touch("two.txt");
    dirct listing(root.c_str(), "*.*", nullptr);
    EXPECT_TRUE(DeleteFiles(listing));
    EXPECT_FALSE(FileExists(at("one.txt").c_str()));
    touch("three.txt");
    dirct again(root.c_str(), "*.*", nullptr);
    DeleteFileA(at("three.txt").c_str()); // gone before the listing's own deletion
    EXPECT_FALSE(DeleteFiles(again));
}

std::vector<std::string> walked;
void record(dirct* listing) {
    walked.push_back(std::string(listing ? FileOf(listing->path) : str("end")));
}

TEST_F(Folder, WalkTreeVisitsToDepthAndMarksEnds) {
    CreateDir(at("W\\A\\DEEP").c_str());
    CreateDir(at("W\\B").c_str());
    walked.clear();
    WalkTree(at("W").c_str(), record, 1);
    std::sort(walked.begin() + 1, walked.end() - 1);
    EXPECT_EQ(walked, (std::vector<std::string>{"W", "A", "B", "end", "end", "end"}));
}

} // namespace
