// DeleteFolderFiles: empties the top level of a folder of its files, whatever their attributes.
#pragma once

#include "str.h"

// Deletes every file directly inside folder, hidden, system and read-only ones included, except
// the one that keep names in any form (null: none). Sub-folders and what they hold stay. All or
// nothing: when one file cannot be deleted (it is in use, or a program that runs), none is, every
// file keeps its attributes, and that file's path is returned; a null string when every file
// went. A file deleted by another while this runs counts as gone. A folder that cannot be listed
// (or not one handle be had), the empty text and a drive root (in any form) are returned
// themselves, with nothing deleted. Every file is held open until all can go; only where more
// files than the system gives handles for are there (under Wine, the server's open-file limit)
// are the last ones held let go of, and deleted after the rest: a program that opens one of them
// in that moment stops the cleaning with the others gone.
str DeleteFolderFiles(const char* folder, const char* keep);
