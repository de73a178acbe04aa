// Folder creation, the current folder and moves that leave nothing half done, through the
// Windows file calls.
#pragma once

#include "str.h"
#include "strs.h"

// Creates one folder. Returns 1 when created, when it already exists or when access is denied;
// 0 for any other failure.
int CreateSimpleDir(const char* path);
// Creates every folder along a path that starts with a drive root (C:\), then the path itself.
// Returns the result of the last step only; 0 for a path shorter than three characters.
int CreateDir(const char* path);
// The folders along a full path, below its root, that do not exist yet, shallowest first: what
// CreateDir(path) is about to create. Empty for a path that is not full.
strs MissingDirs(const char* path);
// Removes the folders, deepest first, each only while it is empty: undoes the CreateDir for
// which they were missing without taking anything that was put into them since.
void RemoveEmptyDirs(strs& dirs);

str CurrentDir();
// Makes the path's drive current, then the path's folder on it. The path must start with a
// drive letter and a colon; returns 1 on success, 0 otherwise.
int ChangeDir(const char* path);

// Moves a file to a name that is not taken (MoveFileA), or copies it there (CopyFileA failing
// on a taken name). A move to another drive is a copy, and a copy cut short, by a full drive for
// one, leaves part of the file under the new name: that part is deleted again, so that after a
// failure the file is only where it was. GetLastError() is the call's own error.
bool MoveFileWhole(const char* from, const char* to);
bool CopyFileWhole(const char* from, const char* to);
