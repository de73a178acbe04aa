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
} // namespace handOff
