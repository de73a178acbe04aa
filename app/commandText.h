// Paths as they stand in the command lines that the program writes or starts.
#pragma once

#include "str.h"

// A path that holds a blank, in double quotes, so that Windows cannot read the command line as
// naming another program (C:\Program.exe); others, and a path already in quotes, as they are.
str quotedIfBlank(const str& path);
// The text inside enclosing double quotes, or the text itself.
str unquoted(const str& text);
