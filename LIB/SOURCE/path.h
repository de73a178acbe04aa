// Path text functions for Windows paths, whose separators are the backslash and, after a drive
// letter, the colon. None of them touches the file system except FileExists, IsFile and IsFolder.
#pragma once

#include "str.h"

str DirPart(const char* path);  // up to and including the last backslash or colon; "" without one
str DirOf(const char* path);    // DirPart without a final backslash: C:\dir\file gives C:\dir, C:\f gives C:
str FileOf(const char* path);   // after the last backslash or colon; the whole path without one
str StripExt(const char* path); // before the last dot when it follows the last backslash
str ExtOf(const char* path);    // after the first dot anywhere, even in a folder name; "" without one
str LastExtOf(
    const char* path); // after the last dot of the file name: tool-1.2.zip gives zip; "" without one
// The name with " (n)" before its last dot, or at its end without one: tool.zip, 2 gives tool (2).zip.
str NumberedName(const char* name, int n);
// a, a backslash, b; no backslash is added after one that is there, after a bare drive ("C:" and
// "tool.zip" give "C:tool.zip", still in that drive's current folder, not its root) or to an empty
// folder (b alone, in the current folder, not "\b" at the root of the current drive).
str JoinPath(const char* a, const char* b);
bool FileExists(const char* path); // a file or a folder
bool IsFile(const char* path);     // a file, not a folder
bool IsFolder(const char* path);   // a folder (a final backslash or slash aside), not a file
// A path that does not depend on the current drive or folder: a drive letter, a colon and a
// backslash ("C:\..."), or a share "\\server\share..." (not the device forms "\\.\" and "\\?\").
bool IsFullPath(const char* path);
// The length of a full path's root, the part that names no folder of its own: 3 for "C:\", and
// "\\server\share\" with its final backslash (the whole path when nothing follows the share);
// 0 for a path that is not full.
int RootLength(const char* path);
// Whether the text names a drive or a share and no folder on it: "C:", "C:\", "\\server\share"
// and "\\server\share\", also in the device forms "\\?\C:\", "\\.\C:\", "\\?\UNC\server\share"
// and "\\?\Volume{...}\", with either slash and any number of them after the root. The text
// alone: a job's guard asks NamesDriveRoot (samePath.h), which also sees "C:\dl\.." and a link.
bool IsDriveRoot(const char* path);
