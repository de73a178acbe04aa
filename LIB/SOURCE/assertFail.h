// AssertFailCrash: the library's assertion prompt, which asks the user whether to go on.
#pragma once

// Shows the message and "Continue anyway?" under the caption "Assert Failure" with Yes and No.
// On No the process ends at once with exit status 3, running no clean-up; otherwise it returns.
void AssertFailCrash(const char* message);
// The same, with the source file and line on a second line.
void AssertFailCrash(const char* message, const char* file, int line);

// The prompt itself: MessageBoxExA in the Windows build. It returns the button chosen (IDNO = 7
// ends the process). Tests replace it to answer without showing a box.
extern int (*assertPrompt)(const char* text, const char* caption, unsigned style);

const int assertExitStatus = 3;
