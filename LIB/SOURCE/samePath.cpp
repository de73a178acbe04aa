// Path identity: GetFileInformationByHandle where both exist, else GetFullPathNameA and GetLongPathNameA.
#include "samePath.h"

#include "ownedHandle.h"
#include "path.h"

#include <windows.h>

namespace {
const DWORD pathBuffer = MAX_PATH;

str upper(const str& s) {
    str u(s);
    if (u.length())
        CharUpperBuffA(u, (DWORD)u.length());
    return u;
}

// GetLongPathNameA wants every level to exist: where it fails, the folder above is expanded
// and the missing level kept as written. A drive root or a share's start ends the climb.
str longForm(const str& full) {
    str longer(pathBuffer, '\0');
    DWORD n = GetLongPathNameA(full, longer, pathBuffer);
    if (n > 0 && n < pathBuffer)
        return str((const char*)longer);
    str folder = DirOf(full);
    if (folder.length() < 3 || folder.length() >= full.length())
        return full;
    return JoinPath(longForm(folder), FileOf(full));
}

// An existing file or folder: its volume's serial number, its index on that volume, and the path
// the system resolves its handle to. Some file systems give no index (zero), which says nothing;
// Wine gives most drives the serial number zero and files of two mounts may share an index: the
// resolved paths, where both are known, tell those apart.
struct identity {
    DWORD volume = 0, indexHigh = 0, indexLow = 0;
    str resolved; // null when unknown
    bool operator==(const identity& o) const {
        return volume == o.volume && indexHigh == o.indexHigh && indexLow == o.indexLow &&
               (resolved.isNull() || o.resolved.isNull() || upper(resolved).compare(upper(o.resolved)) == 0);
    }
};

bool identityOf(const char* path, identity& id) {
    if (!path || !*path) return false;
    // No access asked and everything shared: a file in use or a folder opens too, and nobody's
    // open is disturbed. A link is followed to what it names.
    kernelHandle h(CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h.valid()) return false;
    BY_HANDLE_FILE_INFORMATION info;
    bool known = GetFileInformationByHandle(h, &info) != 0;
    str resolved(2 * pathBuffer, '\0');
    DWORD n = GetFinalPathNameByHandleA(h, resolved, 2 * pathBuffer, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (!known) return false;
    id.volume = info.dwVolumeSerialNumber;
    id.indexHigh = info.nFileIndexHigh;
    id.indexLow = info.nFileIndexLow;
    id.resolved = n > 0 && n < 2 * pathBuffer ? str((const char*)resolved) : str();
    return id.indexHigh != 0 || id.indexLow != 0;
}
} // namespace

str LongFullPath(const char* path) {
    if (!path || !*path)
        return str(path);
    str full(pathBuffer, '\0');
    DWORD n = GetFullPathNameA(path, pathBuffer, full, nullptr);
    str result = n == 0 || n >= pathBuffer ? str(path) : str((const char*)full);
    int length = result.length();
    while (length > 3 && result[length - 1] == '\\')
        --length;
    return longForm(str(result, length));
}

bool NamesDriveRoot(const char* path) {
    return IsDriveRoot(path) || IsDriveRoot(LongFullPath(path));
}

bool SamePath(const char* a, const char* b) {
    identity x, y;
    if (identityOf(a, x) && identityOf(b, y)) return x == y;
    return upper(LongFullPath(a)).compare(upper(LongFullPath(b))) == 0;
}
