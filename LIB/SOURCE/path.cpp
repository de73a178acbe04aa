// Path text functions: splitting a path into folder, file name and extension.
#include "path.h"

#include <cstring>
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
    str text = str(textOf(path)).replaceChar('/', '\\');
    int length = text.length();
    while (length > 0 && text[length - 1] == '\\')
        --length;
    str bare(text, length);
    char c = bare.length() ? bare[0] : 0;
    if (length == 2 && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && bare[1] == ':') return true;
    return length > 2 && RootLength(bare) == length;
}
