// RemoveRegistration: uninstallation removes the program's registry entries.
#include "mainApp.h"

// Not built yet: the removal arrives with the registrations and does nothing until then.
int mainApp::RemoveRegistration() { return 1; }
