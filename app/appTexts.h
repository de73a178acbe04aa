// The program's fixed texts.
#pragma once

#include "version.h"

namespace appTexts {
const char productName[] = "Brisk Download";
const char version[] = BRISK_VERSION_TEXT;
const char uninstallWord[] = "uninstall";
const char optionsWord[] = "normal";
const char runWord[] = "run";
const char uninstallKeyPrefix[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char prefFileBase[] = "Briskdl";
} // namespace appTexts
