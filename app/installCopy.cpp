// installCopy: copies under temporary names, then renames within the install folder.
#include "installCopy.h"

#include "path.h"

#include <windows.h>

namespace {
// CopyFileA copies the read-only attribute with the file (every file of a CD has it), and a
// read-only file cannot be deleted or replaced. Returns whether the file is writable.
bool makeWritable(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (!(attributes & FILE_ATTRIBUTE_READONLY) ||
            SetFileAttributesA(path, attributes & ~FILE_ATTRIBUTE_READONLY));
}

bool removeFile(const char* path) {
    makeWritable(path);
    return DeleteFileA(path) != 0;
}
} // namespace

installCopy::installCopy(const str& folder) : folder(folder), count(0) {}

installCopy::~installCopy() {
    for (int i = 0; i < count; ++i) {
        if (!entries[i].placed && !entries[i].temp.isNull()) removeFile(entries[i].temp);
        if (!entries[i].backup.isNull() && !entries[i].aside) removeFile(entries[i].backup);
    }
}

// GetTempFileNameA makes the file, so that no other file of that name can be taken over.
str installCopy::newTempFile() {
    char name[MAX_PATH];
    return GetTempFileNameA(folder, "bd", 0, name) ? str(name) : str();
}

bool installCopy::add(const str& source, const char* name) {
    if (count == maxFiles) return false;
    str temp = newTempFile();
    if (temp.isNull()) return false;
    entry& e = entries[count++];
    e.temp = temp;
    e.name = name;
    e.backup = str();
    e.aside = e.placed = false;
    return CopyFileA(source, e.temp, FALSE) && makeWritable(e.temp);
}

// A rename within one folder happens whole or not at all. The older file is moved aside rather
// than replaced, so that it can be put back when a later file cannot be placed; it keeps its
// attributes there, as a rename of a read-only file is allowed. A folder is never moved aside:
// it is the user's, not an older copy.
str installCopy::commit() {
    for (int i = 0; i < count; ++i)
        if (IsFolder(target(entries[i]))) return entries[i].name;
    for (int i = 0; i < count; ++i) {
        entry& e = entries[i];
        str to = target(e);
        if (GetFileAttributesA(to) != INVALID_FILE_ATTRIBUTES) {
            e.backup = newTempFile();
            e.aside = !e.backup.isNull() && MoveFileExA(to, e.backup, MOVEFILE_REPLACE_EXISTING);
            if (!e.aside) {
                undo(i);
                return e.name;
            }
        }
        e.placed = MoveFileExA(e.temp, to, MOVEFILE_REPLACE_EXISTING) != 0;
        if (!e.placed) {
            undo(i);
            return e.name;
        }
    }
    // A backup that cannot be deleted (a program still runs from it) is only a stray file.
    for (int i = 0; i < count; ++i)
        if (entries[i].aside) entries[i].aside = !removeFile(entries[i].backup);
    return str();
}

// Takes back entries up to last, newest first: a placed copy goes, the older file returns.
void installCopy::undo(int last) {
    for (int i = last; i >= 0; --i) {
        entry& e = entries[i];
        str to = target(e);
        if (e.placed) {
            removeFile(to);
            e.placed = false;
            e.temp = str();
        }
        if (e.aside && MoveFileExA(e.backup, to, MOVEFILE_REPLACE_EXISTING)) e.aside = false;
    }
}
