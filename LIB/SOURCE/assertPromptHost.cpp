// The assertion prompt of the native build, which has no message box: it reports on stderr and
// answers No, so that a failed assertion ends the program.
#include "assertFail.h"

#include <cstdio>

static int promptOnStderr(const char* text, const char* caption, unsigned) {
    fprintf(stderr, "%s: %s\n", caption, text);
    return 7;
}

int (*assertPrompt)(const char*, const char*, unsigned) = promptOnStderr;
