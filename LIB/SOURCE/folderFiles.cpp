// DeleteFolderFiles through FindFirstFileA and files held open and marked for deletion until all are.
#include "folderFiles.h"

#include "ownedHandle.h"
#include "path.h"
#include "samePath.h"

// A list, not std::vector: the vector's length check would bring libstdc++'s exception classes
// and their strings (over 80 KB) into the program.
#include <list>
#include <windows.h>

namespace {
// The attributes that can be given back; the others belong to the file system.
const DWORD settable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                       FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                       FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A name that the ANSI code page cannot spell comes with '?' in it; its short form, when the
// volume has one, still names the file.
str entryPath(const char* folder, const WIN32_FIND_DATAA& found) {
    str path = JoinPath(folder, found.cFileName);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES && found.cAlternateFileName[0])
        path = JoinPath(folder, found.cAlternateFileName);
    return path;
}

bool setAttributes(HANDLE file, DWORD attributes) {
    FILE_BASIC_INFO basic = {}; // times of zero stay as they are
    basic.FileAttributes = attributes & settable ? attributes & settable : FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != 0;
}

bool setDeleted(HANDLE file, bool deleted) {
    FILE_DISPOSITION_INFO disposition = {deleted};
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != 0;
}

// A file opened for deletion and shared with nobody: opened, no other program can open it until
// it is closed, and a file in use cannot be opened so. Marked, it goes when it is closed; a
// mark can be taken back until then.
class doomedFile {
public:
    explicit doomedFile(const char* path)
        : file(CreateFileA(path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, 0, nullptr,
                           OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr)) {}
    ~doomedFile() {
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    doomedFile(const doomedFile&) = delete;
    doomedFile& operator=(const doomedFile&) = delete;

    // Only a read-only file's attributes are changed, as no mark holds on it. A running program
    // refuses the mark.
    bool mark() {
        FILE_BASIC_INFO basic;
        if (file == INVALID_HANDLE_VALUE ||
            !GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic))
            return false;
        attributes = basic.FileAttributes;
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            if (!setAttributes(file, attributes & ~FILE_ATTRIBUTE_READONLY)) return false;
            cleared = true;
        }
        marked = setDeleted(file, true);
        return marked;
    }
    // The file stays, with the attributes it had.
    void unmark() {
        if (marked) marked = !setDeleted(file, false);
        if (cleared) cleared = !setAttributes(file, attributes);
    }

private:
    HANDLE file;
    DWORD attributes = 0;
    bool cleared = false, marked = false;
};
} // namespace

str DeleteFolderFiles(const char* folder, const char* keep) {
    const str given(folder ? folder : "");
    // "" would be searched as "\*", the root of the current drive; no root is ever emptied.
    if (given.length() == 0 || NamesDriveRoot(given)) return given;
    WIN32_FIND_DATAA found;
    findHandle search(FindFirstFileA(JoinPath(given, "*"), &found));
    if (!search.valid()) return GetLastError() == ERROR_FILE_NOT_FOUND ? str() : given;
    std::list<doomedFile> doomed;
    str stuck;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        str path = entryPath(given, found);
        if (keep && SamePath(path, keep))
            continue;
        doomed.emplace_back(path);
        if (!doomed.back().mark()) stuck = path;
    } while (stuck.isNull() && FindNextFileA(search, &found));
    if (stuck.isNull() && GetLastError() != ERROR_NO_MORE_FILES)
        stuck = given; // the listing broke off: what is left of it may not go
    if (!stuck.isNull())
        for (auto& file : doomed)
            file.unmark();
    return stuck; // the marked files go as they are closed
}
