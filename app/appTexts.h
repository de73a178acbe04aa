// The program's fixed texts.
#pragma once

namespace appTexts {
const char productName[] = "Brisk Download";
const char version[] = "96.6.20";
const char uninstallWord[] = "uninstall";
const char optionsWord[] = "normal";
const char runWord[] = "run";
const char uninstallKeyPrefix[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char prefFileBase[] = "Briskdl";
} // namespace appTexts
