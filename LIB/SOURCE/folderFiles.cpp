// DeleteFolderFiles through FindFirstFileA and files held open and marked for deletion until all are.
#include "folderFiles.h"

#include "ownedHandle.h"
#include "path.h"
#include "samePath.h"

// Lists, not std::vector: the vector's length check would bring libstdc++'s exception classes
// and their strings (over 80 KB) into the program.
#include <list>
#include <memory>
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
    explicit doomedFile(const str& path)
        : path(path), file(CreateFileA(path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, 0,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr)),
          openError(file == INVALID_HANDLE_VALUE ? GetLastError() : 0) {}
    ~doomedFile() {
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    doomedFile(const doomedFile&) = delete;
    doomedFile& operator=(const doomedFile&) = delete;

    // Deleted by another since it was listed: it went as it was to go.
    bool gone() const { return openError == ERROR_FILE_NOT_FOUND || openError == ERROR_PATH_NOT_FOUND; }
    // No handle was left to open it with, which says nothing about the file.
    bool noHandleLeft() const {
        return openError == ERROR_TOO_MANY_OPEN_FILES || openError == ERROR_NO_SYSTEM_RESOURCES;
    }
    HANDLE handle() const { return file; } // INVALID_HANDLE_VALUE where it could not be opened

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

    const str path;

private:
    HANDLE file;
    DWORD openError;
    DWORD attributes = 0;
    bool cleared = false, marked = false;
};

// The file to keep, whose identity is read once, not once for every file of the folder. A kept
// file that is not there keeps nothing.
class keptFile {
public:
    explicit keptFile(const char* keep) : keep(keep), identity(keep) {}
    // A file of the folder, opened for deletion where it could be; a link is compared by what it
    // names. Where either identity is unknown, the long full forms decide.
    bool is(const doomedFile& file, bool link) {
        if (!identity.exists()) return false;
        bool byHandle = file.handle() != INVALID_HANDLE_VALUE && !link;
        if (byHandle && !identity.mayBe(file.handle())) return false; // the usual answer, and a cheap one
        fileIdentity other = byHandle ? fileIdentity(file.handle()) : fileIdentity(file.path);
        if (identity.known() && other.known()) return other == identity;
        if (keepText.isNull()) keepText = LongFullPath(keep);
        return lstrcmpiA(LongFullPath(file.path), keepText) == 0;
    }

private:
    const char* keep;
    fileIdentity identity;
    str keepText; // where an identity is unknown
};

typedef std::list<std::unique_ptr<doomedFile>> doomedFiles;

// Opens a file for deletion. Where no handle is left, the file held last is let go of, its mark
// taken back, until one is: it was shown that it can go, and it goes after the rest.
std::unique_ptr<doomedFile> openDoomed(const str& path, doomedFiles& held, std::list<str>& letGo) {
    std::unique_ptr<doomedFile> file(new doomedFile(path));
    while (file->noHandleLeft() && !held.empty()) {
        held.back()->unmark();
        letGo.push_back(held.back()->path);
        held.pop_back();
        file.reset(new doomedFile(path));
    }
    return file;
}
} // namespace

str DeleteFolderFiles(const char* folder, const char* keep) {
    const str given(folder ? folder : "");
    // "" would be searched as "\*", the root of the current drive; no root is ever emptied.
    if (given.length() == 0 || NamesDriveRoot(given)) return given;
    keptFile kept(keep);
    WIN32_FIND_DATAA found;
    findHandle search(FindFirstFileA(JoinPath(given, "*"), &found));
    if (!search.valid()) return GetLastError() == ERROR_FILE_NOT_FOUND ? str() : given;
    doomedFiles held;
    std::list<str> letGo;
    str stuck;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::unique_ptr<doomedFile> file = openDoomed(entryPath(given, found), held, letGo);
        if (file->gone()) continue;
        if (file->noHandleLeft())
            stuck = given; // not one handle to be had: the folder cannot be cleaned now
        else if (kept.is(*file, found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        else if (file->mark())
            held.push_back(std::move(file));
        else
            stuck = file->path;
    } while (stuck.isNull() && FindNextFileA(search, &found));
    if (stuck.isNull() && GetLastError() != ERROR_NO_MORE_FILES)
        stuck = given; // the listing broke off: what is left of it may not go
    if (!stuck.isNull()) {
        for (auto& file : held)
            file->unmark();
        return stuck;
    }
    held.clear(); // the marked files go as they are closed
    for (const str& path : letGo) {
        doomedFile file(path);
        if (!file.gone() && !file.mark()) return path; // opened by another since it was let go of
    }
    return str();
}
