// AssertFailCrash: composes the assertion text and ends the process when the user says No.
#include "assertFail.h"

#include "str.h"

#include <cstdlib>
#include <unistd.h>

namespace {
const int idNo = 7;
const unsigned yesNoStopSystemModal = 0x1014;
} // namespace

void AssertFailCrash(const char* message) {
    str text(1000, "%s\nContinue anyway?", message ? message : "");
    if (assertPrompt(text, "Assert Failure", yesNoStopSystemModal) == idNo) _exit(assertExitStatus);
}

void AssertFailCrash(const char* message, const char* file, int line) {
    str text(1000, "%s\nfile %s, line %d", message ? message : "", file ? file : "", line);
    AssertFailCrash(text);
}
