// Path identity through GetFullPathNameA and GetLongPathNameA.
#include "samePath.h"

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

bool SamePath(const char* a, const char* b) {
    return upper(LongFullPath(a)).compare(upper(LongFullPath(b))) == 0;
}
