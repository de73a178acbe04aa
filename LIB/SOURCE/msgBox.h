// MsgBox: the library's message box, with the beep that matches its icon.
#pragma once

#include "str.h"

#include <windows.h>

// Beeps with the style's icon sound (16, 32, 48 or 64), then shows MessageBoxExA with language 0;
// a box without an owner comes up as the foreground window. Returns the button chosen (IDYES 6,
// IDNO 7, IDOK 1).
int MsgBox(const str& text, unsigned style, const str& caption, HWND owner);

// The MessageBeep sound for a style: its icon bits when they are one of the four icons, else -1.
int MsgBoxBeep(unsigned style);
