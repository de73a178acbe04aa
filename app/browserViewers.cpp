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
        if (lstrcmpA(listed, type) == 0) return true;
    }
}

// The helper command up to and including the closing quote of a scanner's path, or null.
str scannerIn(const str& helper) {
    str lower = helper.toLower();
    for (const char* pattern : scannerPatterns) {
        int at = lower.find(pattern);
        if (at >= 0) return str(helper, at + (int)strlen(pattern));
    }
    return str();
}

// The running copy (setup.exe, too) and an installed copy in any folder are the program; a copy
// whose uninstall entry was lost is still the program, never another program to give back.
bool isOwn(const mainApp& app, const str& helper) {
    return StartsOwnProgram(helper, app.modulePath);
}

// This user's kept helpers are theirs to give back and to forget. A helper that an older
// installation kept machine-wide may be any user's: an installation leaves it alone, and only
// the uninstallation of a user whose browser still hands that type to the program takes it.
void forgetKept(const char* type) {
    DeleteRegistryValue(HKEY_CURRENT_USER, KeptHelpersKey(), KeptHelperName(type));
}

// Reinstalling over its own helper keeps what was kept before. Another program's helper is kept
// before it is replaced, and one that cannot be kept is not replaced, since the uninstallation
// could not give it back. An empty helper leaves nothing to keep: a value this user's earlier
// installation kept is forgotten. Returns whether the type is listed and served by the program.
bool registerType(mainApp& app, const char* type) {
    if (!listType(app, type)) return false;
    str previous("");
    LONG code = ReadRegistry(HKEY_CURRENT_USER, viewersKey, type, previous);
    if (!readable(code)) return false;
    str scanner = scannerIn(previous);
    // A helper with a line break before the scanner's name names no program: the store refuses
    // it, and the option stays as it was.
    if (!scanner.isNull()) app.prefs->findItem(appOptions::scannerId)->setText(scanner);
    bool kept = true;
    if (previous.length() && !isOwn(app, previous))
        kept = app.WriteValue(HKEY_CURRENT_USER, KeptHelpersKey(), KeptHelperName(type), previous);
    else if (!previous.length())
        forgetKept(type);
    return kept && app.WriteValue(HKEY_CURRENT_USER, viewersKey, type, quotedIfBlank(app.installedPath));
}

// What became of a type: done, or not, and not while a kept helper waits to be given back.
enum outcome { done, notDone, keptNotGivenBack };

// Whether this user keeps a helper of the type, or cannot tell.
bool keepsHelper(const char* type) {
    str kept;
    return ReadRegistry(HKEY_CURRENT_USER, KeptHelpersKey(), KeptHelperName(type), kept) !=
           ERROR_FILE_NOT_FOUND;
}

// A helper that another program set since stays; this program's own gives way to the kept one
// (this user's, else an older installation's machine-wide one), or to an empty one. The kept value
// goes once it is given back, and stays while its give-back fails; this user's also goes when the
// type is another program's now.
outcome giveBack(mainApp& app, const char* type) {
    str helper;
    LONG code = ReadRegistry(HKEY_CURRENT_USER, viewersKey, type, helper);
    if (!readable(code)) return keepsHelper(type) ? keptNotGivenBack : notDone;
    if (missing(code) || !isOwn(app, helper)) {
        forgetKept(type);
        return done;
    }
    HKEY root = HKEY_CURRENT_USER;
    str key = KeptHelpersKey();
    str kept("");
    code = ReadRegistry(root, key, KeptHelperName(type), kept);
    if (missing(code)) {
        root = HKEY_LOCAL_MACHINE;
        key = UninstallKey();
        code = ReadRegistry(root, key, KeptHelperName(type), kept);
    }
    if (!readable(code)) return keptNotGivenBack;
    if (!app.WriteValue(HKEY_CURRENT_USER, viewersKey, type, kept))
        return kept.length() ? keptNotGivenBack : notDone;
    if (!missing(code)) DeleteRegistryValue(root, key, KeptHelperName(type));
    return done;
}
} // namespace

// The program's own helper value is quoted when its path holds a blank, so that the browser
// cannot start a planted C:\Program.exe; it never ends in a scanner pattern.
str mainApp::RegisterViewers(bool install, str* notGivenBack) {
    str failed("");
    for (const char* type : mimeTypes) {
        outcome result = install ? (registerType(*this, type) ? done : notDone) : giveBack(*this, type);
        str& list = result == keptNotGivenBack && notGivenBack ? *notGivenBack : failed;
        if (result != done) list += str(list.length() ? ", " : "") + type;
    }
    if (!install) DeleteKeptHelpersKeyIfEmpty();
    return failed;
}
