// HandleDownload: the hand-off of a downloaded file (scan, ask, keep or install).
#include "mainApp.h"

// Not built yet: the hand-off arrives with its own change and does nothing until then.
int mainApp::HandleDownload(str) { return 1; }
