// Whether two paths name the same place, whatever forms they are written in.
#pragma once

#include "str.h"

// The full long form of a path: made full against the current drive and folder, ".." and "."
// resolved, each existing level in its long form (short 8.3 names expanded), and no final
// backslash except a drive root's. Levels that do not exist stay as written; a path that cannot
// be made full comes back as it is.
str LongFullPath(const char* path);
// Whether the long full forms of both paths are equal, letter case aside.
bool SamePath(const char* a, const char* b);
