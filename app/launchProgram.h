// What the hand-off needs around LaunchProgram: finding a program by its bare name, and waiting.
#pragma once

#include "str.h"

#include <windows.h>

// The full path of the program that a command line beginning with the bare name would start,
// looked for as CreateProcessA looks for it but never in the current folder: the running
// program's own folder, the system folder, the Windows folder, then the folders of PATH. A null
// string when there is none.
str ProgramOnSearchPath(const char* name);
// The full path of the program of that name in the system folder, or a null string.
str SystemProgram(const char* name);

// From here up an exit status is an exception status or an error: the program did not finish.
const DWORD firstUnfinishedStatus = 0x80000000;

// Waits for the process at most limitMs and closes its handle. Returns whether it ended, with its
// exit status in *status; a status that cannot be read, or a program that did not end, gives
// 0xFFFFFFFF, which counts as unfinished.
bool WaitForProgram(HANDLE process, DWORD limitMs, DWORD* status);
