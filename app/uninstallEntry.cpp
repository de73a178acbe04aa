// The uninstall entry and the keys of the kept helpers.
#include "uninstallEntry.h"

#include "appTexts.h"
#include "commandText.h"
#include "ownedHandle.h"

namespace {
const char keptPrefix[] = "Previous helper ";

// Whether the open key holds any value, or, with keptOnly, one that keeps a helper.
bool holdsValues(HKEY key, bool keptOnly) {
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        LONG code = RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (code == ERROR_NO_MORE_ITEMS) return false;
        if (!keptOnly) return true;
        if (code == ERROR_MORE_DATA) // too long for a kept helper's name
            continue;
        if (code != ERROR_SUCCESS || str(name).startsWith(keptPrefix)) // what cannot be read is kept
            return true;
    }
}

// Deletes the key unless it holds values (of kept helpers, with keptOnly). Returns whether it is gone.
bool deleteUnlessHolding(HKEY root, const char* path, bool keptOnly) {
    bool holds;
    {
        keyHandle key;
        LONG code = RegOpenKeyExA(root, path, 0, KEY_READ, key.receive());
        if (code == ERROR_FILE_NOT_FOUND) return true;
        if (code != ERROR_SUCCESS) return false;
        holds = holdsValues(key, keptOnly);
    } // closed before the key is deleted
    return !holds && RegDeleteKeyA(root, path) == ERROR_SUCCESS;
}
} // namespace

str UninstallKey() { return str(appTexts::uninstallKeyPrefix) + appTexts::productName; }

// Windows runs the command itself: a path with a blank is quoted.
str UninstallCommand(const char* program) {
    return quotedIfBlank(program) + " /" + appTexts::uninstallWord;
}

bool DeleteUninstallEntry() {
    return deleteUnlessHolding(HKEY_LOCAL_MACHINE, UninstallKey(), true);
}

str KeptHelpersKey() {
    return str("Software\\") + appTexts::productName;
}

str KeptHelperName(const char* type) {
    return str(keptPrefix) + type;
}

void DeleteKeptHelpersKeyIfEmpty() {
    deleteUnlessHolding(HKEY_CURRENT_USER, KeptHelpersKey(), false);
}
