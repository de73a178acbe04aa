// installCopy: the program's files copied into the install folder all or nothing.
#pragma once

#include "str.h"

// Each file is first copied to a new temporary file in the folder; only when every copy is
// complete are they moved into place, so that a drive that fills up leaves no file cut short and
// an older installation as it was. The folder must exist.
class installCopy {
public:
    explicit installCopy(const str& folder);
    // Removes the copies that were not put in place.
    ~installCopy();
    installCopy(const installCopy&) = delete;
    installCopy& operator=(const installCopy&) = delete;

    // Copies source to a temporary file that is to become name in the folder (at most three
    // files), writable whatever the source's attributes. Returns whether the copy is complete.
    bool add(const str& source, const char* name);
    // Moves every copy into place, over an older file of its name. When one cannot be placed,
    // those placed are taken back and the older files restored as they were. A folder where a
    // file is to go is left alone, and then nothing is moved. Returns the name of the file that
    // could not be placed, or a null string when all are in place.
    str commit();

private:
    enum { maxFiles = 3 };
    struct entry {
        str temp; // the complete copy, until it is placed
        str name;
        str backup; // a temporary file for the older file of that name
        bool aside; // the older file is in backup
        bool placed;
    };
    str newTempFile();
    str target(const entry& e) const { return folder + "\\" + e.name; }
    void undo(int last);

    str folder;
    entry entries[maxFiles];
    int count;
};
