// The texts of the download hand-off and the limit of its unpack step.
#pragma once

#include "str.h"

#include <windows.h>

namespace handOff {
// pkunzip may run this long before the hand-off gives up on it (it is left running).
const DWORD unpackLimitMs = 600000;

str installNowQuestion(const str& file);
str movedForLater(const str& file, const str& downloadFolder);
str pkunzipMissing();
str noInstaller();
str installManually(const str& file);
str scannerNotStarted(const str& scanner, const str& file);
str notMoved(const str& file, const str& folder);
str notAProgram(const str& file, const str& downloadFolder);
str unpackTimedOut(const str& tempFolder);
str setDownloadFolder();

// A path that holds a blank, in double quotes, so that a command line cannot be read as naming
// another program; others as they are.
str quotedIfBlank(const str& path);
// The text inside enclosing double quotes, or the text itself.
str unquoted(const str& text);
} // namespace handOff
