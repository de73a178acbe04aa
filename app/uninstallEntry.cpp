// The uninstall entry's key and its command, written and read back.
#include "uninstallEntry.h"

#include "appTexts.h"
#include "commandText.h"
#include "registry.h"

str UninstallKey() { return str(appTexts::uninstallKeyPrefix) + appTexts::productName; }

// Windows runs the command itself: a path with a blank is quoted.
str UninstallCommand(const char* program) {
    return quotedIfBlank(program) + " /" + appTexts::uninstallWord;
}

str InstalledProgram() {
    str command("");
    ReadRegistry(HKEY_LOCAL_MACHINE, UninstallKey(), "UninstallString", command);
    str tail = str(" /") + appTexts::uninstallWord;
    int n = command.length() - tail.length();
    if (n <= 0 || str((const char*)command + n).compare(tail) != 0)
        return str("");
    return unquoted(str(command, n));
}
