// Path text functions: splitting a path into folder, file name and extension.
#include "path.h"

#include <cstring>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Offset just past the last backslash or colon, 0 when there is none.
int afterSeparator(const char* path) {
    int at = 0;
    for (int i = 0; path[i]; ++i)
        if (path[i] == '\\' || path[i] == ':') at = i + 1;
    return at;
}

const char* textOf(const char* s) {
    return s ? s : "";
}

// The device forms name a drive, a share or a volume after a prefix: "\\?\C:\x" and "\\.\C:\x"
// give "C:\x", "\\?\UNC\server\share" gives "\\server\share", and "\\?\Volume{...}\x" gives
// "Volume{...}\x". Backslashes only; false for a path without such a prefix.
bool withoutDevicePrefix(const str& path, str& rest) {
    const char* p = path;
    if (p[0] != '\\' || p[1] != '\\' || (p[2] != '?' && p[2] != '.') || p[3] != '\\') return false;
    rest = str(p + 4).toLower().startsWith("unc\\") ? "\\\\" + str(p + 8) : str(p + 4);
    return true;
}

} // namespace

str DirPart(const char* path) {
    path = textOf(path);
    return str(path, afterSeparator(path));
}

str DirOf(const char* path) {
    str dir = DirPart(path);
    int n = dir.length();
    return n > 0 && dir[n - 1] == '\\' ? str(dir, n - 1) : dir;
}

str FileOf(const char* path) {
    path = textOf(path);
    return str(path + afterSeparator(path));
}

str StripExt(const char* path) {
    path = textOf(path);
    const char* dot = strrchr(path, '.');
    const char* slash = strrchr(path, '\\');
    return dot && (!slash || dot > slash) ? str(path, (int)(dot - path)) : str(path);
}

str ExtOf(const char* path) {
    const char* dot = strchr(textOf(path), '.');
    return str(dot ? dot + 1 : "");
}

str LastExtOf(const char* path) {
    str name = FileOf(path);
    const char* dot = strrchr(name, '.');
    return str(dot ? dot + 1 : "");
}

str NumberedName(const char* name, int n) {
    str base = StripExt(name);
    return base + " (" + str(n) + ")" + (textOf(name) + base.length());
}

str JoinPath(const char* a, const char* b) {
    a = textOf(a);
    int n = (int)strlen(a);
    bool separated = n == 0 || a[n - 1] == '\\' || a[n - 1] == '/' || (n == 2 && a[1] == ':');
    return separated ? str(a) + b : str(a) + "\\" + b;
}

bool FileExists(const char* path) {
    return path && access(path, 0) == 0;
}

namespace {
// 0: nothing there (or nothing that can be looked at), else the stat mode. The C library of
// Windows finds no folder written with a final separator, so it goes (but for a root's).
unsigned modeOf(const char* path) {
    if (!path) return 0;
    str text(path);
    int length = text.length();
    while (length > 1 && (text[length - 1] == '\\' || text[length - 1] == '/') && text[length - 2] != ':')
        --length;
    struct stat status;
    return stat(str(text, length), &status) == 0 ? (unsigned)status.st_mode : 0;
}
} // namespace

bool IsFile(const char* path) {
    unsigned mode = modeOf(path);
    return mode && !(mode & S_IFDIR);
}

bool IsFolder(const char* path) {
    return (modeOf(path) & S_IFDIR) != 0;
}

bool IsFullPath(const char* path) {
    return RootLength(path) > 0;
}

int RootLength(const char* path) {
    path = textOf(path);
    char c = path[0];
    if (((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && path[1] == ':' && path[2] == '\\') return 3;
    if (path[0] != '\\' || path[1] != '\\') return 0;
    const char* server = path + 2;
    const char* share = strchr(server, '\\');
    if (!share || share == server || share[1] == '\0' || share[1] == '\\') return 0;
    int serverLength = (int)(share - server);
    if (serverLength == 1 && (server[0] == '.' || server[0] == '?')) return 0;
    const char* end = strchr(share + 1, '\\');
    return end ? (int)(end - path) + 1 : (int)strlen(path);
}

bool IsDriveRoot(const char* path) {
    str text = str(textOf(path)).replaceChar('/', '\\'), device;
    bool prefixed = withoutDevicePrefix(text, device);
    if (prefixed) text = device;
    int length = text.length();
    while (length > 0 && text[length - 1] == '\\')
        --length;
    str bare(text, length);
    char c = bare.length() ? bare[0] : 0;
    if (length == 2 && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && bare[1] == ':') return true;
    if (prefixed && bare.toLower().startsWith("volume{") && bare.find("}") == length - 1) return true;
    return length > 2 && RootLength(bare) == length;
}
