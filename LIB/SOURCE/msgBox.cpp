// MsgBox: beep, then the platform's message box.
#include "msgBox.h"

int MsgBoxBeep(unsigned style) {
    unsigned icon = style & MB_ICONMASK;
    return icon == MB_ICONHAND || icon == MB_ICONQUESTION || icon == MB_ICONEXCLAMATION ||
                   icon == MB_ICONASTERISK
               ? (int)icon
               : -1;
}

int MsgBox(const str& text, unsigned style, const str& caption, HWND owner) {
    int sound = MsgBoxBeep(style);
    if (sound >= 0)
        MessageBeep((UINT)sound);
    return MessageBoxExA(owner, text, caption, style, 0);
}
