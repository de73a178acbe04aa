// CreateShortcut: a shell link (.lnk) to a program, written through the shell's link object.
#pragma once

#include "str.h"

#include <windows.h>

// Writes the shortcut file linkPath (at most 259 characters) to target with a description.
// Returns the COM result of the last step: that of saving the file, or of the step that failed;
// E_INVALIDARG, without saving, for a link path too long for MAX_PATH. COM is left as the
// calling thread had it.
HRESULT CreateShortcut(const char* target, const char* linkPath, const char* description);

// The folder of the Start menu's Programs: the shell's (per user where there are profiles),
// else the Windows folder's Start Menu\Programs, created where it is missing.
str ProgramsFolder();
