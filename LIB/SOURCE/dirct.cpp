// dirct: folder listings through FindFirstFileA, and the tree walks built on them.
#include "dirct.h"

#include "ownedHandle.h"
#include "path.h"
#include "samePath.h"

#include <cstring>
#include <windows.h>

namespace {

const DWORD hiddenSystemDir = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

// The DOS search rule: an entry with the hidden, system or directory bit is passed over unless
// it also has one of those bits that the filter asks for; a non-zero filter takes only entries
// with one of its bits.
bool taken(const WIN32_FIND_DATAA& found, DWORD filter) {
    DWORD a = found.dwFileAttributes;
    if ((a & hiddenSystemDir) && !(a & filter & hiddenSystemDir)) return false;
    if (filter && !(a & filter)) return false;
    return found.cFileName[0] != '.';
}

void listInto(set<fbk>& entries, const char* pattern, DWORD filter) {
    WIN32_FIND_DATAA found;
    findHandle search(FindFirstFileA(pattern, &found));
    if (!search.valid()) return;
    do {
        fbk e = {};
        if (!taken(found, filter) || !e.setFoundName(found.cFileName, found.cAlternateFileName))
            continue; // an entry that could not name its file is left out
        e.attribute = (unsigned char)found.dwFileAttributes;
        FILETIME local;
        WORD date = 0, time = 0;
        FileTimeToLocalFileTime(&found.ftLastWriteTime, &local);
        FileTimeToDosDateTime(&local, &date, &time);
        e.date = date;
        e.time = time;
        e.size = found.nFileSizeLow;
        entries.add(new fbk(e));
    } while (FindNextFileA(search, &found));
}

// An empty folder or pattern is not given. A folder of "" would make the search "\*.*", the root
// of the current drive.
bool given(const char* text) {
    return text && *text;
}

} // namespace

dirct::dirct(const char* path, const char* filePattern, const char* dirPattern)
    : path(path), pattern(filePattern) {
    CharUpperA(this->path);
    if (!given(path)) return;
    if (given(dirPattern)) listInto(dirs, JoinPath(path, dirPattern), FILE_ATTRIBUTE_DIRECTORY);
    if (given(filePattern)) listInto(*this, JoinPath(path, filePattern), 0);
}

bool DeleteFiles(dirct& listing) {
    // Its names would be taken from the root of the current drive, or from a root named so.
    if (!given(listing.path) || NamesDriveRoot(listing.path)) return listing.size() == 0;
    bool all = true;
    for (fbk* e = listing.toFirst(0); e; e = listing.move(1))
        all = DeleteFileA(JoinPath(listing.path, e->name)) && all;
    return all;
}

void RemoveTree(const char* path) {
    if (!given(path) || NamesDriveRoot(path)) // a whole drive is never anybody's tree to remove
        return;
    // A link to a folder (a junction or a symbolic link) goes, never what it points to.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        RemoveDirectoryA(path);
        return;
    }
    dirct listing(path, "*.*", "*.*");
    DeleteFiles(listing);
    for (fbk* d = listing.dirs.toFirst(0); d; d = listing.dirs.move(1))
        RemoveTree(JoinPath(path, d->name));
    RemoveDirectoryA(path);
}

void WalkTree(const char* path, void (*visit)(dirct*), int depth) {
    dirct* listing = new dirct(path, "*.*", "*.*");
    visit(listing);
    if (depth > 0)
        for (fbk* d = listing->dirs.toFirst(0); d; d = listing->dirs.move(1))
            if (strcmp(d->name, ".") && strcmp(d->name, ".."))
                WalkTree(JoinPath(path, d->name), visit, depth - 1);
    visit(nullptr);
    delete listing;
}
