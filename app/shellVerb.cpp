// RegisterShellVerb: the Explorer verb "Brisk Install", which starts the installed program with
// the run switch on the right-clicked file.
#include "appTexts.h"
#include "commandText.h"
#include "mainApp.h"
#include "ownCommand.h"
#include "registry.h"
#include "strs.h"

namespace {
const char verbKey[] = "\\shell\\Brisk Install";
const char* const extensions[] = {"exe", "zip"};

// The extension's file class, or the extension key itself when it names none.
str classOf(const char* extension) {
    str key = str(".") + extension;
    str fileClass("");
    ReadRegistry(HKEY_CLASSES_ROOT, key, "", fileClass);
    return fileClass.length() ? fileClass : key;
}

// RegDeleteKeyA leaves a key that still has subkeys: the command key goes first. Returns
// whether the verb is gone.
bool deleteVerb(const str& owner) {
    str verb = owner + verbKey;
    LONG command = RegDeleteKeyA(HKEY_CLASSES_ROOT, verb + "\\command");
    LONG code = RegDeleteKeyA(HKEY_CLASSES_ROOT, verb);
    return (command == ERROR_SUCCESS || command == ERROR_FILE_NOT_FOUND) &&
           (code == ERROR_SUCCESS || code == ERROR_FILE_NOT_FOUND);
}

// The classes whose verb starts this program: those that .exe or .zip named when it was
// registered and name no longer. Collected first, as deleting keys would shift the enumeration.
strs classesWithOwnVerb(const str& runningCopy) {
    strs found;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        LONG code = RegEnumKeyExA(HKEY_CLASSES_ROOT, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (code == ERROR_NO_MORE_ITEMS || (code != ERROR_SUCCESS && code != ERROR_MORE_DATA)) break;
        str command;
        if (code == ERROR_SUCCESS &&
            ReadRegistry(HKEY_CLASSES_ROOT, str(name) + verbKey + "\\command", "", command) ==
                ERROR_SUCCESS &&
            StartsOwnProgram(command, runningCopy))
            found.add(name);
    }
    return found;
}
} // namespace

// The installed path is quoted when it holds a blank, so that the shell cannot start a planted
// C:\Program.exe instead. Removal takes the verb from the current classes and the extension keys
// themselves, and from any class whose verb still starts the program.
bool mainApp::RegisterShellVerb(bool install) {
    bool done = true;
    if (install) {
        for (const char* extension : extensions) {
            str command = quotedIfBlank(installedPath) + " /" + appTexts::runWord + ",%1";
            done = WriteValue(HKEY_CLASSES_ROOT, classOf(extension) + verbKey + "\\command", "", command) &&
                   done;
        }
        return done;
    }
    for (const char* extension : extensions) {
        done = deleteVerb(classOf(extension)) && done;
        done = deleteVerb(str(".") + extension) && done;
    }
    strs stale = classesWithOwnVerb(modulePath);
    for (str* owner = stale.toFirst(0); owner; owner = stale.move(1))
        done = deleteVerb(*owner) && done;
    return done;
}
