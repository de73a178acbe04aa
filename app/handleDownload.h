// The texts of the download hand-off, the limit of its unpack step and the keeping of a file.
#pragma once

#include "str.h"
#include "zipDirectory.h"

#include <windows.h>

// Where a download kept for later is now.
struct keptDownload {
    // moved into the download folder, copied there (the file is in use where it was), found
    // there, or none of these
    enum { moved, copied, alreadyThere, notMoved } how;
    str folder; // the folder that holds it now
    str name;   // its name there
};
// Moves the file into the download folder under its own name or, when that is taken, under the
// first free "name (2).ext", "name (3).ext", ...; a file there is never replaced. A file already
// in that folder stays as it is. A file that another program holds open (pkunzip after its time
// limit) cannot be moved: a copy of it is kept instead. A download folder that is not a full
// path receives nothing.
keptDownload KeepDownload(const str& file, const str& downloadFolder);
// The full long form of the folder that holds the file, as the user reads it: C:\ for a root.
str FolderOfFile(const str& file);
// Whether the hand-off installs a file of this name: a zip archive or a program, by the last dot
// of the name (tool-1.2.zip is a zip archive).
bool Installable(const str& name);
// Whether the path lies in the folder or in any folder below it.
bool InsideFolder(const str& path, const str& folder);

namespace handOff {
// pkunzip may run this long before the hand-off gives up on it (it is left running).
const DWORD unpackLimitMs = 600000;
// The temporary folder, below the download folder.
const char tempFolderName[] = "\\~Briskdl";

// The texts given word for word.
str installNowQuestion(const str& file);
str movedForLater(const str& file, const str& downloadFolder);
str pkunzipMissing();
str noInstaller();
str installManually(const str& file);

// A stop, as the user reads it: why, then ", so <name> was not installed.", where the file is
// now, and the next step when there is one.
str stopped(const str& why, const str& name, const keptDownload& kept, const str& downloadFolder,
            const str& next);
// Where the file named name is now that it was to be kept in the download folder.
str whereItIs(const keptDownload& kept, const str& name, const str& downloadFolder);
// The next step of a kept file: first (which says what to mend and ends in ", then" when it
// does), then Brisk Install on the file by the name it is kept under. Explorer offers Brisk
// Install only for .zip and .exe files: for another file, only what to mend. A first that is a
// whole sentence, ending in a full stop, stands alone.
str installLater(const str& first, const str& keptName);

// The reasons for a stop, each to be followed by ", so <name> was not installed."
str notStarted(const str& program, DWORD error);
// An option that must be a full path and is not: option is its name in the Options dialog.
str notAFullPath(const char* option, const str& value);
str scannerBroken(const str& scanner, const str& file, DWORD status);
str unsafeForBatch(const str& scanner, const str& path);
str tempFolderUnusable(const str& tempFolder);
str notCleaned(const str& stuck);
str notMoved(const str& file, const str& folder);
str folderInTheWay(const str& file, const str& folder);
str refusal(zipDirectory::verdict verdict, const str& offender, const str& file);
str writtenOverItself(const str& file, const str& entry);
str notAProgram(const str& file);
str noCurrentFolder(const str& tempFolder);
str unpackTimedOut(const str& file, const str& tempFolder);
str unpackFailed(const str& file, DWORD status);

// Whole messages.
str scannerRemoved(const str& scanner, const str& file, const str& folder);
str notFound(const str& path);
str aFolder(const str& path);
// The file that was to be kept for later could not be moved.
str notKept(const keptDownload& kept, const str& name, const str& downloadFolder);

// Next steps.
const char checkScanner[] = "Check the Anti-virus scanner under Options, then";
const char setFullScanner[] =
    "Set the Anti-virus scanner under Options to the full path of the scanner program alone, then";
const char renameForBatch[] = "Rename it or its folder so that its path holds none of these characters, or "
                              "choose an Anti-virus scanner "
                              "that is not a batch file under Options, then";
const char checkDownloadFolder[] = "Check the Download folder under Options, then";
const char closeWhatUsesIt[] = "Close the program that uses it, then";
const char setPkunzip[] = "Set the Location of pkunzip.exe under Options, then";
const char setFullDownloadFolder[] = "Set the Download folder under Options to a full path, then";
const char chooseLetteredFolder[] = "Set the Download folder under Options to a folder on a drive letter "
                                    "(such as C:\\downloaded files), then";
const char tryAgain[] = "To try again";
const char notForThisWindows[] =
    "It may be made for another version of Windows: ask the place you downloaded it from for one "
    "that runs here.";
// For a folder that stands where the download was to go.
str removeFolder(const str& folder);
const char openItThere[] = "Open it from there with the program it belongs to.";
const char downloadAgain[] = "Download it again, or unpack it yourself with a program you trust.";
} // namespace handOff
