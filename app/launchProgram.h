// The start-up settings shared by every program the hand-off starts.
#pragma once

#include <windows.h>

// The new process gets the system's default error mode; nothing else is asked for.
const DWORD launchCreationFlags = CREATE_DEFAULT_ERROR_MODE;

// A zeroed STARTUPINFO of its own size (68 bytes) with the given flags.
STARTUPINFOA StartupInfo(DWORD flags);
