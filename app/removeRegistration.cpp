// RemoveRegistration: uninstallation takes the program out of the browser, the Explorer shell
// and the list of installed software. The files, the shortcut and the options stay.
#include "mainApp.h"
#include "uninstallEntry.h"

// The browser's helpers are given back first: what the installation replaced is kept in the
// uninstall entry.
int mainApp::RemoveRegistration() {
    RegisterViewers(false);
    RegisterShellVerb(false);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKey());
    return 1;
}
