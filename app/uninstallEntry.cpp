// The uninstall entry's key and its command.
#include "uninstallEntry.h"

#include "appTexts.h"
#include "commandText.h"

str UninstallKey() { return str(appTexts::uninstallKeyPrefix) + appTexts::productName; }

// Windows runs the command itself: a path with a blank is quoted.
str UninstallCommand(const char* program) {
    return quotedIfBlank(program) + " /" + appTexts::uninstallWord;
}
