// Folder creation, the current folder and whole moves and copies.
#include "fileSystem.h"

#include "path.h"

#include <cstring>
#include <windows.h>

int CreateSimpleDir(const char* path) {
    if (CreateDirectoryA(path, nullptr)) return 1;
    DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
}

// The first three characters are taken to be the drive root; the results of the intermediate
// levels are not examined (on a network path they are the server and share).
int CreateDir(const char* path) {
    if (!path || strlen(path) < 3) return 0;
    for (size_t i = 3; path[i]; ++i)
        if (path[i] == '\\') CreateSimpleDir(str(path, (int)i));
    return CreateSimpleDir(path);
}

// Each level is looked at on its own: with ".." in the path, one that exists can follow one that
// does not.
strs MissingDirs(const char* path) {
    strs missing;
    int root = RootLength(path);
    int n = root ? (int)strlen(path) : 0;
    for (int i = root + 1; i <= n; ++i)
        if (i == n || path[i] == '\\') {
            str level(path, i);
            if (GetFileAttributesA(level) == INVALID_FILE_ATTRIBUTES) missing.add(level);
        }
    return missing;
}

void RemoveEmptyDirs(strs& dirs) {
    for (str* dir = dirs.toFirst(dirs.size() - 1); dir; dir = dirs.move(-1))
        RemoveDirectoryA(*dir);
}

str CurrentDir() {
    str buffer(260, '\0');
    GetCurrentDirectoryA(260, buffer);
    return str((const char*)buffer);
}

int ChangeDir(const char* path) {
    if (!path || strlen(path) < 3 || path[1] != ':' || !IsCharAlphaA(path[0])) return 0;
    char drive[3] = {path[0], ':', 0};
    char driveVariable[4] = {'=', path[0], ':', 0};
    if (!SetCurrentDirectoryA(drive) || !SetCurrentDirectoryA(path + 2)) return 0;
    SetEnvironmentVariableA(driveVariable, CurrentDir());
    return 1;
}

namespace {
bool exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// Only a name that was free before the call and holds something after a failure is the call's
// own part; the original must still be there, so that nothing is lost by deleting the part.
bool whole(bool done, bool taken, const char* from, const char* to) {
    if (done) return true;
    DWORD error = GetLastError();
    if (!taken && exists(to) && exists(from)) DeleteFileA(to);
    SetLastError(error);
    return false;
}
} // namespace

bool MoveFileWhole(const char* from, const char* to) {
    bool taken = exists(to);
    return whole(MoveFileA(from, to) != 0, taken, from, to);
}

bool CopyFileWhole(const char* from, const char* to) {
    bool taken = exists(to);
    return whole(CopyFileA(from, to, TRUE) != 0, taken, from, to);
}
