// A fault in the Windows tests ends the program at once with the fault's code, as on Windows
// without a debugger, rather than waiting for Wine's debugger until the test's time runs out.
#include <windows.h>

#include <cstdio>

namespace {
LONG WINAPI endAtOnce(EXCEPTION_POINTERS* fault) {
    fprintf(stderr, "fault 0x%08lX at %p\n", fault->ExceptionRecord->ExceptionCode,
            fault->ExceptionRecord->ExceptionAddress);
    fflush(stderr);
    return EXCEPTION_EXECUTE_HANDLER;
}
[[maybe_unused]] const LPTOP_LEVEL_EXCEPTION_FILTER previous = SetUnhandledExceptionFilter(endAtOnce);
} // namespace
