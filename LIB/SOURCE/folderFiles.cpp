// DeleteFolderFiles through FindFirstFileA, SetFileAttributesA and DeleteFileA.
#include "folderFiles.h"

#include "ownedHandle.h"
#include "path.h"
#include "samePath.h"

#include <windows.h>

namespace {
// A name that the ANSI code page cannot spell comes with '?' in it; its short form, when the
// volume has one, still names the file.
str entryPath(const char* folder, const WIN32_FIND_DATAA& found) {
    str path = JoinPath(folder, found.cFileName);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES && found.cAlternateFileName[0])
        path = JoinPath(folder, found.cAlternateFileName);
    return path;
}

bool deleteFile(const char* path, DWORD attributes) {
    const DWORD guarded = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    bool cleared = (attributes & guarded) && SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileA(path))
        return true;
    if (cleared)
        SetFileAttributesA(path, attributes & (guarded | FILE_ATTRIBUTE_ARCHIVE));
    return false;
}
} // namespace

str DeleteFolderFiles(const char* folder, const char* keep) {
    WIN32_FIND_DATAA found;
    findHandle search(FindFirstFileA(JoinPath(folder, "*"), &found));
    if (!search.valid()) return GetLastError() == ERROR_FILE_NOT_FOUND ? str() : str(folder);
    str stuck;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        str path = entryPath(folder, found);
        if (keep && SamePath(path, keep))
            continue;
        if (!deleteFile(path, found.dwFileAttributes))
            stuck = path;
    } while (stuck.isNull() && FindNextFileA(search, &found));
    return stuck;
}
