// The custom-control library's interface: registering the dialog class "BorDlg" and the controls
// "BorShade", "BorBtn", "BorRadio" and "BorCheck".
#pragma once

#include <windows.h>

#ifdef BWCC_BUILDING
#define BWCC_API extern "C"
#else
#define BWCC_API extern "C" __declspec(dllimport)
#endif

// Registers the classes (once per process; they are global classes). Returns TRUE when they are
// registered.
BWCC_API BOOL WINAPI BWCCRegister(HINSTANCE instance);
// Whether the library has its texts in the language: only English (9).
BWCC_API BOOL WINAPI BWCCIntlInit(UINT language);

// Shade styles of "BorShade": a sunken group frame (titled when it has a text) and dividing lines.
// A shade with none of them is drawn by its shape: thin ones as lines, others as frames.
#define BSS_GROUP 1
#define BSS_HDIP 2
#define BSS_VDIP 3
