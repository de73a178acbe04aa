// The texts of the download hand-off, the limit of its unpack step and the keeping of a file.
#pragma once

#include "str.h"
#include "zipDirectory.h"

#include <windows.h>

// Where a download kept for later is now.
struct keptDownload {
    enum { moved, alreadyThere, notMoved } how; // moved into the download folder, found there, or not
    str folder;                                 // the folder that holds it now
    str name;                                   // its name there
};
// Moves the file into the download folder under its own name or, when that is taken, under the
// first free "name (2).ext", "name (3).ext", ...; a file there is never replaced. A file already
// in that folder stays as it is. A download folder that is not a full path receives nothing.
keptDownload KeepDownload(const str& file, const str& downloadFolder);
// The full long form of the folder that holds the file, as the user reads it: C:\ for a root.
str FolderOfFile(const str& file);

namespace handOff {
// pkunzip may run this long before the hand-off gives up on it (it is left running).
const DWORD unpackLimitMs = 600000;

str installNowQuestion(const str& file);
str movedForLater(const str& file, const str& downloadFolder);
str pkunzipMissing();
str noInstaller();
str installManually(const str& file);
str scannerNotStarted(const str& scanner, const str& file);
str scannerBroken(const str& scanner, const str& file, DWORD status);
str scannerRemoved(const str& scanner, const str& file);
str whereItIs(const keptDownload& kept, const str& file);
str notFound(const str& path);
str aFolder(const str& path);
str tempFolderUnusable(const str& tempFolder, const str& file);
str notCleaned(const str& stuck, const str& file);
str refusal(zipDirectory::verdict verdict, const str& offender);
str notUnpacked(const str& file, const str& reason, const str& folder);
str notMoved(const str& file, const str& folder);
str notAProgram(const str& file, const str& downloadFolder);
str unpackTimedOut(const str& tempFolder);
str setDownloadFolder();
} // namespace handOff
