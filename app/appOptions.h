// The program's five options: a static item table, found by identifier.
#pragma once

#include "pref"

namespace appOptions {
enum {
    downloadFolderId = 0,
    pkunzipId = 1,
    afterDownloadId = 2,
    scannerId = 3,
    posId = 1012,
};
// After download: the offset of the checked radio button from control 88.
enum { installImmediately = 0, askWhatToDo = 1, moveToDownloadFolder = 2 };

extern prefItem items[];
extern const int count;
} // namespace appOptions
