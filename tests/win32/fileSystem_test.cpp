// Tests of folder creation, the current folder and folder listings on real folders under Wine.
#include "casePath.h"
#include "dirct.h"
#include "fileSystem.h"
#include "path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// A fresh folder under the temporary folder, removed with everything in it afterwards.
class Folder : public ::testing::Test {
protected:
    std::string root, savedDir;
    void SetUp() override {
        root = casePath("kvtest_");
        RemoveTree(root.c_str());
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
        savedDir = std::string(CurrentDir());
    }
    void TearDown() override {
        SetCurrentDirectoryA(savedDir.c_str());
        RemoveTree(root.c_str());
    }
    std::string at(const std::string& name) { return root + "\\" + name; }
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
void record(dirct* listing) { walked.push_back(std::string(listing ? FileOf(listing->path) : str("end"))); }

TEST_F(Folder, WalkTreeVisitsToDepthAndMarksEnds) {
    CreateDir(at("W\\A\\DEEP").c_str());
    CreateDir(at("W\\B").c_str());
    walked.clear();
    WalkTree(at("W").c_str(), record, 1);
    std::sort(walked.begin() + 1, walked.end() - 1);
    EXPECT_EQ(walked, (std::vector<std::string>{"W", "A", "B", "end", "end", "end"}));
}

} // namespace
