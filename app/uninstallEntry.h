// The uninstall entry, through which Windows offers the program's removal, and the keys that
// keep the browser helpers that the installation replaced, for the uninstallation to give back.
#pragma once

#include "str.h"

#include <windows.h>

// The entry's key under HKEY_LOCAL_MACHINE.
str UninstallKey();
// The command that uninstalls the program installed at program: the path, in quotes when it
// holds a blank, then " /uninstall".
str UninstallCommand(const char* program);
// The MIME types whose helpers an older installation kept in the uninstall entry, separated by
// ", " ("" when none or when there is no entry; null when the entry cannot be read).
str TypesKeptInEntry();
// Deletes the uninstall entry, and with it what it keeps. Returns whether the entry is gone.
bool DeleteUninstallEntry();

// The helpers replaced in the browser's table, which is per user, are kept per user under
// HKEY_CURRENT_USER in this key; older installations kept them in the uninstall entry.
str KeptHelpersKey();
// The name of the value that keeps the helper of the MIME type, in either key.
str KeptHelperName(const char* type);
// Deletes the per-user key once it keeps no helper.
void DeleteKeptHelpersKeyIfEmpty();
