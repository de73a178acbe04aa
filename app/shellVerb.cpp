// RegisterShellVerb: the Explorer verb "Brisk Install", which starts the installed program with
// the run switch on the right-clicked file.
#include "appTexts.h"
#include "commandText.h"
#include "mainApp.h"
#include "registry.h"

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
} // namespace

// The installed path is quoted when it holds a blank, so that the shell cannot start a planted
// C:\Program.exe instead.
bool mainApp::RegisterShellVerb(bool install) {
    bool written = true;
    for (const char* extension : extensions) {
        str verb = classOf(extension) + verbKey;
        if (install) {
            str command = quotedIfBlank(installedPath) + " /" + appTexts::runWord + ",%1";
            written = WriteValue(HKEY_CLASSES_ROOT, verb + "\\command", "", command) && written;
        } else {
            // RegDeleteKeyA leaves a key that still has subkeys: the command key goes first.
            RegDeleteKeyA(HKEY_CLASSES_ROOT, verb + "\\command");
            RegDeleteKeyA(HKEY_CLASSES_ROOT, verb);
        }
    }
    return written;
}
