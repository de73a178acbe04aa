// The program's five options: a static item table, found by identifier.
#pragma once

#include "pref"
#include "resource.h"

namespace appOptions {
enum {
    downloadFolderId = 0,
    pkunzipId = 1,
    afterDownloadId = 2,
    scannerId = 3,
    posId = ID_MAIN_POSITION,
};
// After download: the offset of the checked radio button from ID_INSTALL_IMMEDIATELY.
enum { installImmediately = 0, askWhatToDo = 1, moveToDownloadFolder = 2 };

extern prefItem items[];
extern const int count;
} // namespace appOptions
