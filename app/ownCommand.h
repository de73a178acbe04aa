// Whether a command that the browser or Explorer holds starts this program, in whatever form
// its path is written there.
#pragma once

#include "str.h"

// Whether the command starts runningCopy or a file bearing the program's installed name (every
// copy of the program is its own, whatever folder it is in). The program part of the command is
// what Windows would start: the text in its opening quotes, or, unquoted, the first text up to a
// blank that names a file, else the text up to the first ".exe" that ends a word; ".exe" is added
// to a name without an extension, as Windows adds it. "/" is read as "\", and it is compared in
// long form, short 8.3 names expanded where the file exists, in any letter case.
bool StartsOwnProgram(const str& command, const str& runningCopy);
