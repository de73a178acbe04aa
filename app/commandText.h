// Paths as they stand in the command lines that the program writes or starts.
#pragma once

#include "str.h"

// A path that holds a blank, in double quotes, so that Windows cannot read the command line as
// naming another program (C:\Program.exe); others, and a path already in quotes, as they are.
str quotedIfBlank(const str& path);
// The text inside enclosing double quotes, or the text itself.
str unquoted(const str& text);

// A batch file (.bat or .cmd, final dots and blanks aside), which only cmd.exe runs.
bool IsBatchFile(const str& program);
// Whether the text holds a character that cmd.exe reads as a command, a redirection, an escape
// or a variable even inside double quotes: % ^ & | < > ! or a quote of its own.
bool HoldsShellSpecials(const str& text);
// The scan command: the scanner, named by its option with or without enclosing quotes, then the
// file. The program part is quoted whenever it holds a blank, so that the scanner's own split of
// its command line gives the file as its first argument. A batch file is given to cmd.exe, which
// is to be started as the application: Windows' own start of a batch file leaves a quoted
// program part with a blank for cmd.exe to cut at that blank. The batch file gets the file in
// quotes always, since cmd.exe also splits arguments at commas, semicolons and equals signs.
str ScanCommand(const str& scannerOption, const str& file);
