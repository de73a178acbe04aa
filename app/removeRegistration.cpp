// RemoveRegistration: uninstallation takes the program out of the browser, the Explorer shell
// and the list of installed software. The files, the shortcut and the options stay.
#include "mainApp.h"
#include "uninstallEntry.h"

namespace {
void addLine(str& text, const str& line) {
    text += text.length() ? "\n" + line : line;
}
} // namespace

// The browser's helpers are given back first: an older installation kept some in the uninstall
// entry, which stays while one of them could not be given back.
str mainApp::RemoveRegistration() {
    str left("");
    str types = RegisterViewers(false);
    if (types.length())
        addLine(left, "Netscape Navigator may still hand downloaded files of the types " + types +
                          " to Brisk Download: their earlier helpers could not be given back.");
    if (!RegisterShellVerb(false))
        addLine(left, "Explorer may still offer Brisk Install for .exe or .zip files.");
    if (!DeleteUninstallEntry()) addLine(left, "Brisk Download is still listed in Add/Remove Programs.");
    return left;
}
