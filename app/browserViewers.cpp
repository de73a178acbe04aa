// RegisterViewers: the browser's table of helper applications for downloaded programs.
#include "appOptions.h"
#include "commandText.h"
#include "mainApp.h"
#include "ownCommand.h"
#include "registry.h"
#include "uninstallEntry.h"

#include <cstring>

namespace {
const char viewersKey[] = "Software\\Netscape\\Netscape Navigator\\Viewers";
const char* const mimeTypes[] = {"application/msdos-windows", "application/zip", "application/octet-stream",
                                 "application/x-zip-compressed", "multipart/x-zip"};
// A scanner's path as the browser holds it ends in one of these, closing quote included.
const char* const scannerPatterns[] = {"n32scanw.exe\"", "navw32.exe\""};
// Only a value or key that is not there reads as missing; any other failure (a table that may
// not be read) stops the change of that type rather than writing over what could not be seen.
bool missing(LONG code) {
    return code == ERROR_FILE_NOT_FOUND;
}
bool readable(LONG code) {
    return code == ERROR_SUCCESS || missing(code);
}

// Lists the type under the first free TYPEn unless an entry before it already equals it.
// Returns whether it is listed.
bool listType(mainApp& app, const char* type) {
    for (int n = 0;; ++n) {
        str name(20, "TYPE%i", n);
        str listed;
        LONG code = ReadRegistry(HKEY_CURRENT_USER, viewersKey, name, listed);
        if (missing(code)) return app.WriteValue(HKEY_CURRENT_USER, viewersKey, name, type);
        if (code != ERROR_SUCCESS) return false;
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

// The running copy (setup.exe, too) and an installed copy in any folder are the program; a copy
// whose uninstall entry was lost is still the program, never another program to give back.
bool isOwn(const mainApp& app, const str& helper) {
    return StartsOwnProgram(helper, app.modulePath);
}

// The kept helper: the user's own, else one that an older installation kept machine-wide.
// Returns whether it could be read (a kept helper that is missing reads as "").
bool readKept(const char* type, str& kept) {
    LONG code = ReadRegistry(HKEY_CURRENT_USER, KeptHelpersKey(), KeptHelperName(type), kept);
    if (missing(code)) code = ReadRegistry(HKEY_LOCAL_MACHINE, UninstallKey(), KeptHelperName(type), kept);
    return readable(code);
}

// As far as that can be done: the machine-wide value may be out of this user's reach.
void forgetKept(const char* type) {
    DeleteRegistryValue(HKEY_CURRENT_USER, KeptHelpersKey(), KeptHelperName(type));
    DeleteRegistryValue(HKEY_LOCAL_MACHINE, UninstallKey(), KeptHelperName(type));
}

// Reinstalling over its own helper keeps what was kept before. Another program's helper is kept
// before it is replaced, and one that cannot be kept is not replaced, since the uninstallation
// could not give it back. An empty helper leaves nothing to keep: a value kept by an earlier
// installation is forgotten. Returns whether the type is listed and served by the program.
bool registerType(mainApp& app, const char* type) {
    if (!listType(app, type)) return false;
    str previous("");
    LONG code = ReadRegistry(HKEY_CURRENT_USER, viewersKey, type, previous);
    if (!readable(code)) return false;
    str scanner = scannerIn(previous);
    if (!scanner.isNull()) app.prefs->findItem(appOptions::scannerId)->setText(scanner);
    bool kept = true;
    if (previous.length() && !isOwn(app, previous))
        kept = app.WriteValue(HKEY_CURRENT_USER, KeptHelpersKey(), KeptHelperName(type), previous);
    else if (!previous.length())
        forgetKept(type);
    return kept && app.WriteValue(HKEY_CURRENT_USER, viewersKey, type, quotedIfBlank(app.installedPath));
}

// A helper that another program set since stays; this program's own gives way to the kept one,
// or to an empty one. A kept value goes once it is given back or no longer needed, and stays
// while its give-back fails. Returns whether the type no longer names the program.
bool giveBack(mainApp& app, const char* type) {
    str helper;
    LONG code = ReadRegistry(HKEY_CURRENT_USER, viewersKey, type, helper);
    if (!readable(code)) return false;
    if (!missing(code) && isOwn(app, helper)) {
        str kept("");
        if (!readKept(type, kept) || !app.WriteValue(HKEY_CURRENT_USER, viewersKey, type, kept)) return false;
    }
    forgetKept(type);
    return true;
}
} // namespace

// The program's own helper value is quoted when its path holds a blank, so that the browser
// cannot start a planted C:\Program.exe; it never ends in a scanner pattern.
str mainApp::RegisterViewers(bool install) {
    str failed("");
    for (const char* type : mimeTypes)
        if (!(install ? registerType(*this, type) : giveBack(*this, type)))
            failed += str(failed.length() ? ", " : "") + type;
    if (!install) DeleteKeptHelpersKeyIfEmpty();
    return failed;
}
