// Tests of the path text functions: dots in folder names, drive roots, no separator at all.
#include "path.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string t(const str& s) {
    return s.isNull() ? "<null>" : std::string(s);
}

TEST(PathSplit, FolderAndFile) {
    EXPECT_EQ(t(DirPart("C:\\dir\\file")), "C:\\dir\\");
    EXPECT_EQ(t(DirOf("C:\\dir\\file")), "C:\\dir");
    EXPECT_EQ(t(DirOf("C:\\file")), "C:");
    EXPECT_EQ(t(DirOf("C:file")), "C:");
    EXPECT_EQ(t(DirPart("C:file")), "C:");
    EXPECT_EQ(t(DirOf("report.zip")), "");
    EXPECT_EQ(t(FileOf("report.zip")), "report.zip");
    EXPECT_EQ(t(FileOf("C:\\dir\\file.zip")), "file.zip");
    EXPECT_EQ(t(FileOf("C:file.zip")), "file.zip");
    EXPECT_EQ(t(FileOf("C:\\dir\\")), "");
    EXPECT_EQ(t(DirOf(nullptr)), "");
    EXPECT_EQ(t(JoinPath("C:\\a", "b.txt")), "C:\\a\\b.txt");
    // A bare drive or an empty folder stays where it is, never at the root.
    EXPECT_EQ(t(JoinPath("C:", "b.txt")), "C:b.txt");
    EXPECT_EQ(t(JoinPath("", "b.txt")), "b.txt");
    EXPECT_EQ(t(JoinPath(nullptr, "b.txt")), "b.txt");
    EXPECT_EQ(t(JoinPath("C:\\", "b.txt")), "C:\\b.txt");
    EXPECT_EQ(t(JoinPath("C:\\dl\\", "*")), "C:\\dl\\*");
}

TEST(PathSplit, Extensions) {
    EXPECT_EQ(t(StripExt("C:\\a.b\\file")), "C:\\a.b\\file");
    EXPECT_EQ(t(StripExt("C:\\dir\\f.tar.zip")), "C:\\dir\\f.tar");
    EXPECT_EQ(t(StripExt("setup.exe")), "setup");
    EXPECT_EQ(t(StripExt("SETUP")), "SETUP");
    EXPECT_EQ(t(ExtOf("f.tar.zip")), "tar.zip");
    EXPECT_EQ(t(ExtOf("C:\\a.b\\f.zip")), "b\\f.zip"); // a dot in a folder name starts the result
    EXPECT_EQ(t(ExtOf("C:\\dir\\file")), "");
    // The type of a download: the last dot of its name, never one of a folder.
    EXPECT_EQ(t(LastExtOf("tool-1.2.zip")), "zip");
    EXPECT_EQ(t(LastExtOf("C:\\dl\\setup.v2.exe")), "exe");
    EXPECT_EQ(t(LastExtOf("C:\\Netscape.2\\tool")), "");
    EXPECT_EQ(t(LastExtOf("C:tool.tar.ZIP")), "ZIP");
    EXPECT_EQ(t(NumberedName("tool.zip", 2)), "tool (2).zip");
    EXPECT_EQ(t(NumberedName("tool-1.2.zip", 10)), "tool-1.2 (10).zip");
    EXPECT_EQ(t(NumberedName("README", 3)), "README (3)");
}

// Only a path that names the same place whatever the current drive and folder counts as full.
TEST(PathSplit, FullPaths) {
    for (const char* full :
         {"C:\\", "c:\\Program Files\\Brisk", "Z:\\a\\..\\b", "\\\\server\\share", "\\\\server\\share\\dl"})
        EXPECT_TRUE(IsFullPath(full)) << full;
    for (const char* relative :
         {"", "Brisk", "C:", "C:Brisk", "\\Apps\\Brisk", "Apps\\Brisk", "1:\\x", "\\\\server", "\\\\server\\",
          "\\\\\\share", "\\\\.\\C:\\x", "\\\\?\\C:\\x", "\\\\server\\\\x"})
        EXPECT_FALSE(IsFullPath(relative)) << relative;
    EXPECT_FALSE(IsFullPath(nullptr));
    // The root: what is left of a full path when every folder is taken away.
    EXPECT_EQ(RootLength("c:\\Program Files"), 3);
    EXPECT_EQ(RootLength("\\\\server\\share\\dl\\x"), 15);
    EXPECT_EQ(RootLength("\\\\server\\share"), 14);
    EXPECT_EQ(RootLength("C:Brisk"), 0);
    // A drive or share with no folder: nothing of the program's may go there or be taken there.
    for (const char* root :
         {"C:", "c:\\", "C:/", "C:\\\\", "\\\\server\\share", "\\\\server\\share\\", "//server/share/",
          "\\\\?\\C:\\", "\\\\.\\C:\\", "\\\\?\\C:", "//?/C:/", "\\\\?\\UNC\\server\\share",
          "\\\\.\\unc\\server\\share\\", "\\\\?\\Volume{5f3e9a4c-0000-0000-0000-100000000000}\\"})
        EXPECT_TRUE(IsDriveRoot(root)) << root;
    for (const char* folder :
         {"", "C:\\dl", "C:dl", "\\\\server\\share\\dl", "\\\\server", "dl", "\\", "\\\\?\\C:\\dl", "\\\\.\\",
          "\\\\?\\UNC\\server", "\\\\?\\UNC\\server\\share\\dl", "\\\\?\\Volume{5f3e}\\dl", "Volume{5f3e}"})
        EXPECT_FALSE(IsDriveRoot(folder)) << folder;
    EXPECT_FALSE(IsDriveRoot(nullptr));
}

TEST(PathSplit, FileExists) {
    const char* name = "path_test_exists.tmp";
    std::remove(name);
    EXPECT_FALSE(FileExists(name));
    EXPECT_FALSE(IsFile(name) || IsFolder(name));
    FILE* f = fopen(name, "w");
    ASSERT_NE(f, nullptr);
    fclose(f);
    EXPECT_TRUE(FileExists(name));
    EXPECT_TRUE(IsFile(name) && !IsFolder(name));
    EXPECT_TRUE(FileExists(".")); // a folder counts too
    EXPECT_TRUE(IsFolder(".") && IsFolder("./") && !IsFile("."));
    EXPECT_FALSE(FileExists(nullptr) || IsFile(nullptr) || IsFolder(nullptr));
    std::remove(name);
}

} // namespace
