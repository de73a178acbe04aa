// The ids that the dialog templates and the code share. Plain #defines, so that windres reads
// them.
#ifndef BRISK_RESOURCE_H
#define BRISK_RESOURCE_H

// The Options dialog, PREFDLG: three edit fields and a group of three radio buttons whose value
// is the checked button's offset from the first (the screen order is 88, 90, 89).
#define ID_DOWNLOAD_FOLDER 80
#define ID_PKUNZIP_FOLDER 81
#define ID_SCANNER 82
#define ID_INSTALL_IMMEDIATELY 88
#define ID_ASK_WHAT_TO_DO 89
#define ID_MOVE_TO_DOWNLOAD_FOLDER 90

// The input dialog, INPUTDLG.
#define ID_INPUT_EDIT 4090
#define ID_INPUT_PROMPT 4091

// The preference item of the main window's place, which the library's default start reads.
#define ID_MAIN_POSITION 1012

#endif
