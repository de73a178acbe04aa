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
// Returns whether it is listed.
bool listType(mainApp& app, const char* type) {
    for (int n = 0;; ++n) {
        str name(20, "TYPE%i", n);
        str listed;
        if (ReadRegistry(HKEY_CURRENT_USER, viewersKey, name, listed) != ERROR_SUCCESS)
            return app.WriteValue(HKEY_CURRENT_USER, viewersKey, name, type);
        if (lstrcmpA(listed, type) == 0)
            return true;
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

// Lists the type and makes the program its helper. Returns whether the type is listed and served
// by the program.
bool registerType(mainApp& app, const char* type) {
    bool listed = listType(app, type);
    str previous("");
    if (ReadRegistry(HKEY_CURRENT_USER, viewersKey, type, previous) == ERROR_SUCCESS) {
        str scanner = scannerIn(previous);
        if (!scanner.isNull())
            app.prefs->findItem(appOptions::scannerId)->setText(scanner);
    }
    bool set = app.WriteValue(HKEY_CURRENT_USER, viewersKey, type, quotedIfBlank(app.installedPath));
    return listed && set;
}
} // namespace

// The program's own helper value is quoted when its path holds a blank, so that the browser
// cannot start a planted C:\Program.exe; it never ends in a scanner pattern.
str mainApp::RegisterViewers(bool install) {
    str failed("");
    for (const char* type : mimeTypes)
        if (!(install ? registerType(*this, type) : WriteValue(HKEY_CURRENT_USER, viewersKey, type, "")))
            failed += str(failed.length() ? ", " : "") + type;
    return failed;
}
