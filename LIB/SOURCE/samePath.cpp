// Path identity: GetFileInformationByHandle where both exist, else GetFullPathNameA and GetLongPathNameA;
// a file's index alone through NtQueryInformationFile.
#include "samePath.h"

#include "ownedHandle.h"
#include "path.h"

#include <windows.h>
#include <winternl.h>

namespace {
const DWORD pathBuffer = MAX_PATH;

str upper(const str& s) {
    str u(s);
    if (u.length()) CharUpperBuffA(u, (DWORD)u.length());
    return u;
}

// No access asked and everything shared: a file in use or a folder opens too, and nobody's open
// is disturbed. A link is followed to what it names.
HANDLE openForNothing(const char* path) {
    return CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The path the system resolves an open file to ("\\?\C:\dl\x.zip"), or null.
str resolvedPath(HANDLE h, DWORD volumeName) {
    str resolved(2 * pathBuffer, '\0');
    DWORD n = GetFinalPathNameByHandleA(h, resolved, 2 * pathBuffer, FILE_NAME_NORMALIZED | volumeName);
    return n > 0 && n < 2 * pathBuffer ? str((const char*)resolved) : str();
}

str longPathOf(const char* path) {
    str longer(pathBuffer, '\0');
    DWORD n = GetLongPathNameA(path, longer, pathBuffer);
    return n > 0 && n < pathBuffer ? str((const char*)longer) : str();
}

// A long form names the same file as the form it came from unless the ANSI code page spelled
// it otherwise: '?' for a character it lacks names nothing, a near letter may name another file.
// Where the file system gives no index, that it names something has to do.
bool stillNames(const str& longer, const str& given) {
    if (upper(longer).compare(upper(given)) == 0) return true;
    fileIdentity named(longer), meant(given);
    return named.known() && meant.known() ? named == meant : named.exists() && meant.exists();
}

// GetLongPathNameA wants every level to exist: where it fails, or where its answer names
// something else, the folder above is expanded and this level taken alone. A drive root or a
// share's start ends the climb.
str longForm(const str& full) {
    str longer = longPathOf(full);
    if (!longer.isNull() && stillNames(longer, full)) return longer;
    str folder = DirOf(full);
    if (folder.length() < 3 || folder.length() >= full.length()) return full;
    str above = longForm(folder);
    str level = JoinPath(above, FileOf(full));
    str levelLonger = longPathOf(level);
    if (levelLonger.isNull()) return level;
    str candidate = JoinPath(above, FileOf(levelLonger));
    return stillNames(candidate, level) ? candidate : level;
}
} // namespace

fileIdentity::fileIdentity(const char* path) {
    if (!path || !*path) return;
    kernelHandle h(openForNothing(path));
    if (h.valid()) read(h);
}

fileIdentity::fileIdentity(void* handle) {
    if (handle && handle != INVALID_HANDLE_VALUE) read(handle);
}

void fileIdentity::read(void* handle) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info)) return;
    opened = true;
    volume = info.dwVolumeSerialNumber;
    indexHigh = info.nFileIndexHigh;
    indexLow = info.nFileIndexLow;
    if (volume == 0) resolved = resolvedPath(handle, VOLUME_NAME_DOS);
}

bool fileIdentity::operator==(const fileIdentity& o) const {
    if (!known() || !o.known() || volume != o.volume || indexHigh != o.indexHigh || indexLow != o.indexLow)
        return false;
    return volume != 0 || resolved.isNull() || o.resolved.isNull() ||
           upper(resolved).compare(upper(o.resolved)) == 0;
}

bool fileIdentity::mayBe(void* handle) const {
    IO_STATUS_BLOCK io;
    FILE_INTERNAL_INFORMATION internal;
    if (!known() ||
        NtQueryInformationFile(handle, &io, &internal, sizeof internal, FileInternalInformation) < 0)
        return true;
    return (DWORD)internal.IndexNumber.HighPart == indexHigh && internal.IndexNumber.LowPart == indexLow;
}

str LongFullPath(const char* path) {
    if (!path || !*path) return str(path);
    str full(pathBuffer, '\0');
    DWORD n = GetFullPathNameA(path, pathBuffer, full, nullptr);
    str result = n == 0 || n >= pathBuffer ? str(path) : str((const char*)full);
    int length = result.length();
    while (length > 3 && result[length - 1] == '\\')
        --length;
    return longForm(str(result, length));
}

// A folder mounted as a volume of its own has no path on a drive: its volume's name is the root.
bool NamesDriveRoot(const char* path) {
    if (IsDriveRoot(path) || IsDriveRoot(LongFullPath(path))) return true;
    if (!path || !*path) return false;
    kernelHandle h(openForNothing(path));
    if (!h.valid()) return false;
    str resolved = resolvedPath(h, VOLUME_NAME_DOS);
    return IsDriveRoot(resolved.isNull() ? resolvedPath(h, VOLUME_NAME_GUID) : resolved);
}

bool SamePath(const char* a, const char* b) {
    fileIdentity x(a);
    if (x.known()) {
        fileIdentity y(b);
        if (y.known()) return x == y;
    }
    return upper(LongFullPath(a)).compare(upper(LongFullPath(b))) == 0;
}
