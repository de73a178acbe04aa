// The uninstall entry: Windows offers the program's removal through it, and it keeps the browser
// helpers that the installation replaced, for the uninstallation to give back.
#pragma once

#include "str.h"

// The entry's key under HKEY_LOCAL_MACHINE.
str UninstallKey();
// The command that uninstalls the program installed at program: the path, in quotes when it
// holds a blank, then " /uninstall".
str UninstallCommand(const char* program);
