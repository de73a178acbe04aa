// RegisterViewers: the browser's table of helper applications for downloaded programs.
#include "appOptions.h"
#include "commandText.h"
#include "mainApp.h"
#include "registry.h"

#include <cstring>

namespace {
const char viewersKey[] = "Software\\Netscape\\Netscape Navigator\\Viewers";
const char* const mimeTypes[] = {"application/msdos-windows", "application/zip", "application/octet-stream",
                                 "application/x-zip-compressed", "multipart/x-zip"};
// A scanner's path as the browser holds it ends in one of these, closing quote included.
const char* const scannerPatterns[] = {"n32scanw.exe\"", "navw32.exe\""};

// Lists the type under the first free TYPEn unless an entry before it already equals it.
void listType(const char* type) {
    for (int n = 0;; ++n) {
        str name(20, "TYPE%i", n);
        str listed;
        if (ReadRegistry(HKEY_CURRENT_USER, viewersKey, name, listed) != ERROR_SUCCESS) {
            WriteRegistry(HKEY_CURRENT_USER, viewersKey, name, REG_SZ, type, 0);
            return;
        }
        if (lstrcmpA(listed, type) == 0)
            return;
    }
}

// The helper command up to and including the closing quote of a scanner's path, or null.
str scannerIn(const str& helper) {
    str lower = helper.toLower();
    for (const char* pattern : scannerPatterns) {
        int at = lower.find(pattern);
        if (at >= 0)
            return str(helper, at + (int)strlen(pattern));
    }
    return str();
}
} // namespace

// The program's own helper value is quoted when its path holds a blank, so that the browser
// cannot start a planted C:\Program.exe; it never ends in a scanner pattern.
void mainApp::RegisterViewers(bool install) {
    for (const char* type : mimeTypes) {
        if (!install) {
            WriteRegistry(HKEY_CURRENT_USER, viewersKey, type, REG_SZ, "", 0);
            continue;
        }
        listType(type);
        str previous;
        if (ReadRegistry(HKEY_CURRENT_USER, viewersKey, type, previous) == ERROR_SUCCESS) {
            str scanner = scannerIn(previous);
            if (!scanner.isNull())
                prefs->findItem(appOptions::scannerId)->setText(scanner);
        }
        WriteRegistry(HKEY_CURRENT_USER, viewersKey, type, REG_SZ, (const char*)quotedIfBlank(installedPath), 0);
    }
}
