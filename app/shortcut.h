// CreateShortcut: a shell link (.lnk) to a program, written through the shell's link object.
#pragma once

#include <windows.h>

// Writes the shortcut file linkPath (at most 259 characters) to target with a description.
// Returns the COM result of the last step: that of saving the file, or of the step that failed;
// E_INVALIDARG, without saving, for a link path too long for MAX_PATH. COM is left as the
// calling thread had it.
HRESULT CreateShortcut(const char* target, const char* linkPath, const char* description);
