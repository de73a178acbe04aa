// LaunchProgram: every program that the hand-off starts, with the start-up settings they share.
#include "launchProgram.h"

#include "commandText.h"
#include "mainApp.h"
#include "path.h"

#include <cstring>

static_assert(sizeof(STARTUPINFOA) == 68, "the start-up settings are 68 bytes on this platform");

// The callee gets its own writable copy of the command line. The thread handle is not needed.
// A working folder too long to be a current directory (it must leave room for a backslash within
// MAX_PATH) fails the start as Windows fails it; under Wine such a start can break the process.
bool mainApp::LaunchProgram(str workingFolder, str commandLine, HANDLE* process, str applicationName,
                            DWORD startFlags) {
    if (workingFolder.length() > MAX_PATH - 2) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = startFlags;
    PROCESS_INFORMATION created;
    ZeroMemory(&created, sizeof created);
    str line(commandLine.length() ? (const char*)commandLine : "");
    const char* application = applicationName.length() ? (const char*)applicationName : nullptr;
    BOOL ok =
        CreateProcessA(application, line, nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr,
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

namespace {
// A file of that name in the folder, when the folder is a full path (a relative one would be
// taken from the current folder).
str fileIn(const str& folder, const char* name) {
    if (!IsFullPath(folder)) return str();
    str path = folder[folder.length() - 1] == '\\' ? folder + name : JoinPath(folder, name);
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) ? path : str();
}

str systemFolder(UINT(WINAPI* get)(LPSTR, UINT)) {
    char folder[MAX_PATH];
    UINT n = get(folder, MAX_PATH);
    return n > 0 && n < MAX_PATH ? str(folder) : str();
}
} // namespace

str SystemProgram(const char* name) {
    return fileIn(systemFolder(GetSystemDirectoryA), name);
}

str ProgramOnSearchPath(const char* name) {
    // DirPart keeps a drive root's backslash: "R:" would name drive R's current folder.
    str found = fileIn(DirPart(genApp::moduleFileName(nullptr)), name);
    if (found.isNull()) found = SystemProgram(name);
    if (found.isNull()) found = fileIn(systemFolder(GetWindowsDirectoryA), name);
    DWORD n = GetEnvironmentVariableA("PATH", nullptr, 0);
    str path(n ? (int)n : 1, '\0');
    if (n == 0 || GetEnvironmentVariableA("PATH", path, n) >= n) path = "";
    for (char* folder = path; found.isNull() && folder && *folder;) {
        char* end = strchr(folder, ';');
        if (end) *end = '\0';
        found = fileIn(unquoted(folder), name);
        folder = end ? end + 1 : nullptr;
    }
    return found;
}

bool WaitForProgram(HANDLE process, DWORD limitMs, DWORD* status) {
    bool ended = WaitForSingleObject(process, limitMs) == WAIT_OBJECT_0;
    if (!ended || !GetExitCodeProcess(process, status)) *status = 0xFFFFFFFF;
    CloseHandle(process);
    return ended;
}
