// DeleteFolderFiles: empties the top level of a folder of its files, whatever their attributes.
#pragma once

#include "str.h"

// Deletes every file directly inside folder, hidden, system and read-only ones included (their
// attributes are cleared first), except the one that keep names in any form (null: none).
// Sub-folders and what they hold stay. Stops at the first file that cannot be deleted, which
// keeps its attributes, and returns its path; returns a null string when every file went. A
// folder that cannot be listed is returned itself.
str DeleteFolderFiles(const char* folder, const char* keep);
