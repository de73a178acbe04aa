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
// Deletes the uninstall entry unless it still keeps a helper of an older installation, whose
// give-back failed. Returns whether the entry is gone.
bool DeleteUninstallEntry();

// The helpers replaced in the browser's table, which is per user, are kept per user under
// HKEY_CURRENT_USER in this key; older installations kept them in the uninstall entry.
str KeptHelpersKey();
// The name of the value that keeps the helper of the MIME type, in either key.
str KeptHelperName(const char* type);
// Deletes the per-user key once it keeps no helper.
void DeleteKeptHelpersKeyIfEmpty();
