// LaunchProgram: every start except the extractor's goes through here.
#include "launchProgram.h"

#include "mainApp.h"

static_assert(sizeof(STARTUPINFOA) == 68, "the start-up settings are 68 bytes on this platform");

STARTUPINFOA StartupInfo(DWORD flags) {
    STARTUPINFOA info;
    ZeroMemory(&info, sizeof info);
    info.cb = sizeof info;
    info.dwFlags = flags;
    return info;
}

// The callee gets its own writable copy of the command line. The thread handle is not needed.
// A working folder too long to be a current directory (it must leave room for a backslash within
// MAX_PATH) fails the start as Windows fails it; under Wine such a start can break the process.
bool mainApp::LaunchProgram(str workingFolder, str commandLine, HANDLE* process, str applicationName) {
    if (workingFolder.length() > MAX_PATH - 2) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    STARTUPINFOA startup = StartupInfo(STARTF_FORCEONFEEDBACK);
    PROCESS_INFORMATION created;
    ZeroMemory(&created, sizeof created);
    str line(commandLine.length() ? (const char*)commandLine : "");
    const char* application = applicationName.length() ? (const char*)applicationName : nullptr;
    BOOL ok = CreateProcessA(application, line, nullptr, nullptr, FALSE, launchCreationFlags, nullptr,
                             workingFolder.length() ? (const char*)workingFolder : nullptr, &startup, &created);
    if (ok) {
        CloseHandle(created.hThread);
        if (process)
            *process = created.hProcess;
        else
            CloseHandle(created.hProcess);
    }
    return ok != FALSE;
}
