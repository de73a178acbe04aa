// dirct: the listing of one folder: its files (this owning set) and its subfolders (dirs).
#pragma once

#include "fbk.h"
#include "set.h"
#include "str.h"

class dirct : public set<fbk> {
public:
    // Lists path\dirPattern for folders into dirs, then path\filePattern for files into this set;
    // a null or empty pattern lists nothing, and so does a null or empty path. Hidden and system
    // entries, names that begin with a dot and long names without a short form (which an entry
    // cannot hold whole) are left out. A folder that cannot be searched gives an empty listing.
    dirct(const char* path, const char* filePattern, const char* dirPattern);

    str path;    // upper case
    str pattern; // the file pattern
    set<fbk> dirs;
};

// Deletes the folder with its files and, recursively, its subfolders. A link to a folder is
// removed itself; what it points to is left alone. Reports nothing: what cannot be deleted stays.
// A null or empty path, and the root of a drive or share (in any form), delete nothing.
void RemoveTree(const char* path);
// Calls visit with the listing of path, descends depth levels into the subfolders, then calls
// visit with null to mark the end of this folder.
void WalkTree(const char* path, void (*visit)(dirct* listing), int depth);
// Deletes each file of the listing; true only when every deletion succeeded. A listing with a
// null or empty path, or the root of a drive or share, deletes nothing (true only when it holds
// no entry).
bool DeleteFiles(dirct& listing);
