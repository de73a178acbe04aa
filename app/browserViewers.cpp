// RegisterViewers: the browser's table of helper applications for downloaded programs.
#include "appOptions.h"
#include "appTexts.h"
#include "commandText.h"
#include "mainApp.h"
#include "path.h"
#include "registry.h"
#include "uninstallEntry.h"

#include <cstring>

namespace {
const char viewersKey[] = "Software\\Netscape\\Netscape Navigator\\Viewers";
const char* const mimeTypes[] = {"application/msdos-windows", "application/zip", "application/octet-stream",
                                 "application/x-zip-compressed", "multipart/x-zip"};
// A scanner's path as the browser holds it ends in one of these, closing quote included.
const char* const scannerPatterns[] = {"n32scanw.exe\"", "navw32.exe\""};
// The helper that the installation replaced, kept in the uninstall entry under this name + type.
const char keptPrefix[] = "Previous helper ";

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

// Whether the helper command starts the program at path, in quotes or not, in any letter case.
bool starts(const str& helper, const str& path) {
    return path.length() && lstrcmpiA(unquoted(helper), path) == 0;
}

// Whether the helper is this program's: the copy that runs (setup.exe, too), or an installed
// copy in any folder, which always bears the program's name. A copy whose uninstall entry was
// lost is still the program's: its command must never be kept as another program's.
bool isOwn(const mainApp& app, const str& helper) {
    return starts(helper, app.modulePath) ||
           lstrcmpiA(FileOf(unquoted(helper)), str(appTexts::productName) + ".exe") == 0;
}

str keptName(const char* type) { return str(keptPrefix) + type; }

// Reinstalling over its own helper keeps what was kept before. Another program's helper is kept
// before it is replaced, and one that cannot be kept is not replaced, since the uninstallation
// could not give it back. An empty helper leaves nothing to keep: a value kept by an earlier
// installation is forgotten, as far as that can be done. Returns whether the type is listed and
// served by the program.
bool registerType(mainApp& app, const char* type) {
    bool listed = listType(app, type);
    str previous("");
    if (ReadRegistry(HKEY_CURRENT_USER, viewersKey, type, previous) == ERROR_SUCCESS) {
        str scanner = scannerIn(previous);
        if (!scanner.isNull())
            app.prefs->findItem(appOptions::scannerId)->setText(scanner);
    }
    bool kept = true;
    if (previous.length() && !isOwn(app, previous))
        kept = app.WriteValue(HKEY_LOCAL_MACHINE, UninstallKey(), keptName(type), previous);
    else if (!previous.length())
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, UninstallKey(), keptName(type));
    bool set = kept && app.WriteValue(HKEY_CURRENT_USER, viewersKey, type, quotedIfBlank(app.installedPath));
    return listed && set;
}

// A helper that another program set since stays; this program's own gives way to the kept one,
// or to an empty one. Returns whether the type no longer names the program.
bool giveBack(mainApp& app, const char* type) {
    str helper;
    if (ReadRegistry(HKEY_CURRENT_USER, viewersKey, type, helper) != ERROR_SUCCESS || !isOwn(app, helper))
        return true;
    str kept("");
    ReadRegistry(HKEY_LOCAL_MACHINE, UninstallKey(), keptName(type), kept);
    return app.WriteValue(HKEY_CURRENT_USER, viewersKey, type, kept);
}
} // namespace

// The program's own helper value is quoted when its path holds a blank, so that the browser
// cannot start a planted C:\Program.exe; it never ends in a scanner pattern.
str mainApp::RegisterViewers(bool install) {
    str failed("");
    for (const char* type : mimeTypes)
        if (!(install ? registerType(*this, type) : giveBack(*this, type)))
            failed += str(failed.length() ? ", " : "") + type;
    return failed;
}
