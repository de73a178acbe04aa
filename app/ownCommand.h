// Whether a command that the browser or Explorer holds starts this program, in whatever form
// its path is written there.
#pragma once

#include "str.h"

// Whether the command starts runningCopy or a file bearing the program's installed name (every
// copy of the program is its own, whatever folder it is in). The program part of the command is
// the text in its opening quotes, or, unquoted, the text up to the first ".exe" that ends a word;
// "/" is read as "\", and it is compared in long form, short 8.3 names expanded where the file
// exists, in any letter case.
bool StartsOwnProgram(const str& command, const str& runningCopy);
