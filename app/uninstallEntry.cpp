// The uninstall entry and the keys of the kept helpers.
#include "uninstallEntry.h"

#include "appTexts.h"
#include "commandText.h"
#include "ownedHandle.h"

#include <cstring>

namespace {
const char keptPrefix[] = "Previous helper ";

// The types whose helpers the open key keeps, separated by ", " ("" when none), and whether it
// holds any value at all; null when it cannot be read to its end.
str keptTypes(HKEY key, bool& holds) {
    str types("");
    holds = false;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        LONG code = RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (code == ERROR_NO_MORE_ITEMS) return types;
        if (code != ERROR_SUCCESS && code != ERROR_MORE_DATA) return str(); // too long: not a kept helper's
        holds = true;
        if (code == ERROR_SUCCESS && str(name).startsWith(keptPrefix))
            types += str(types.length() ? ", " : "") + (name + strlen(keptPrefix));
    }
}

// As keptTypes, for the key under root; "" when it is not there.
str keptIn(HKEY root, const char* path, bool& holds) {
    keyHandle key;
    holds = false;
    LONG code = RegOpenKeyExA(root, path, 0, KEY_READ, key.receive());
    if (code == ERROR_FILE_NOT_FOUND) return str("");
    return code == ERROR_SUCCESS ? keptTypes(key, holds) : str();
}
} // namespace

str UninstallKey() {
    return str(appTexts::uninstallKeyPrefix) + appTexts::productName;
}

// Windows runs the command itself: a path with a blank is quoted.
str UninstallCommand(const char* program) {
    return quotedIfBlank(program) + " /" + appTexts::uninstallWord;
}

str TypesKeptInEntry() {
    bool holds;
    return keptIn(HKEY_LOCAL_MACHINE, UninstallKey(), holds);
}

bool DeleteUninstallEntry() {
    LONG code = RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKey());
    return code == ERROR_SUCCESS || code == ERROR_FILE_NOT_FOUND;
}

str KeptHelpersKey() {
    return str("Software\\") + appTexts::productName;
}

str KeptHelperName(const char* type) {
    return str(keptPrefix) + type;
}

void DeleteKeptHelpersKeyIfEmpty() {
    bool holds;
    if (!keptIn(HKEY_CURRENT_USER, KeptHelpersKey(), holds).isNull() && !holds)
        RegDeleteKeyA(HKEY_CURRENT_USER, KeptHelpersKey());
}
