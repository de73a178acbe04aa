// RemoveRegistration: uninstallation takes the program out of the browser, the Explorer shell
// and the list of installed software. The files, the shortcut and the options stay.
#include "appTexts.h"
#include "mainApp.h"

int mainApp::RemoveRegistration() {
    RegisterViewers(false);
    RegisterShellVerb(false);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, str(appTexts::uninstallKeyPrefix) + appTexts::productName);
    return 1;
}
