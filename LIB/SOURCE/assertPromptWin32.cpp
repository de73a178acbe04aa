// The assertion prompt of the Windows build: a system-modal message box with no owner.
#include "assertFail.h"

#include <windows.h>

static int promptWithBox(const char* text, const char* caption, unsigned style) {
    return MessageBoxExA(nullptr, text, caption, style, 0);
}

int (*assertPrompt)(const char*, const char*, unsigned) = promptWithBox;
