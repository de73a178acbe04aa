// Whether two paths name the same place, whatever forms they are written in.
#pragma once

#include "str.h"

// The full long form of a path: made full against the current drive and folder, ".." and "."
// resolved, each existing level in its long form (short 8.3 names expanded), and no final
// backslash except a drive root's. Levels that do not exist stay as written; a path that cannot
// be made full comes back as it is.
str LongFullPath(const char* path);
// Whether the path names a drive or a share with no folder (IsDriveRoot), as written or in its
// full form: "C:\dl\.." and, where the current folder is a root, "." are roots too.
bool NamesDriveRoot(const char* path);
// Whether both paths name the same file or folder. Where both exist, their identity decides
// (volume and file index), so that another drive letter for the same folder, a share and its
// mapped drive, or a link to a folder, name the same place. Otherwise, or where a file system
// gives no identity, the long full forms of both are compared, letter case aside.
bool SamePath(const char* a, const char* b);
