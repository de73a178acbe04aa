// Whether two paths name the same place, whatever forms they are written in.
#pragma once

#include "str.h"

// The full long form of a path: made full against the current drive and folder, ".." and "."
// resolved, each existing level in its long form (short 8.3 names expanded) where that form still
// names it, and no final backslash except a drive root's. A long name that the ANSI code page
// cannot spell comes back with '?' in it, which names nothing: that level stays as it was given,
// and so do levels that do not exist. A path that cannot be made full comes back as it is.
str LongFullPath(const char* path);
// Whether the path names a drive or a share with no folder (IsDriveRoot), as written, in its full
// form ("C:\dl\.." and, where the current folder is a root, "."), or, where it exists, as the
// system resolves it: a link or junction to a root, a volume mounted in a folder.
bool NamesDriveRoot(const char* path);

// What tells an existing file or folder from every other: its volume's serial number and its
// index on that volume, so that two names of one file (hard links) are one file. A volume with
// the serial number zero cannot be told from another so (Wine gives it to every mount that is
// not a drive of its own, and two mounts' files may share an index): there, the path the system
// resolves each to must agree too, and two hard links of one file count as two files.
class fileIdentity {
public:
    explicit fileIdentity(const char* path); // opened for no access, shared with everyone
    explicit fileIdentity(void* handle);     // of a file the caller holds open
    bool exists() const { return opened; }
    // Some file systems give no index, and such a file cannot be told from others so.
    bool known() const { return opened && (indexHigh || indexLow); }
    bool operator==(const fileIdentity& o) const; // false unless both are known
    bool operator!=(const fileIdentity& o) const { return !(*this == o); }
    // False when the file open on handle is certainly another: its index, which costs no more
    // than a stat to read, differs. (Under Wine a whole identity costs a path lookup, about a
    // millisecond.)
    bool mayBe(void* handle) const;

private:
    void read(void* handle);
    bool opened = false;
    unsigned long volume = 0, indexHigh = 0, indexLow = 0;
    str resolved; // with the serial number zero only; null when unknown
};

// Whether both paths name the same file or folder. Where both exist, their identity decides, so
// that another drive letter for the same folder, a share and its mapped drive, a link to a
// folder or a hard link name the same place. Otherwise, or where a file system gives no index,
// the long full forms of both are compared, letter case aside.
bool SamePath(const char* a, const char* b);
