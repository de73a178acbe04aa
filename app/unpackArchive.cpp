// UnpackArchive: pkunzip, started directly with start-up settings that hold only their size.
#include "launchProgram.h"
#include "mainApp.h"

#include "appOptions.h"
#include "commandText.h"
#include "handleDownload.h"

// The option is taken in lower case. "<path>" looks for pkunzip.exe along the search path; any
// other folder gets a final backslash when it lacks one. A folder with a blank is quoted with
// the program's name, and so is the archive's short path where the volume keeps no short names.
mainApp::unpackResult mainApp::UnpackArchive(const str& target, const str& tempFolder, DWORD limitMs) {
    str folder = option(appOptions::pkunzipId).toLower();
    if (folder.toLower().compare("<path>") == 0)
        folder = "";
    else if (folder.length() > 0 && folder[folder.length() - 1] != '\\')
        folder += "\\";
    str line = quotedIfBlank(folder + "pkunzip.exe") + " -d -o " + quotedIfBlank(shortPathName(target));

    STARTUPINFOA startup = StartupInfo(0);
    PROCESS_INFORMATION created;
    ZeroMemory(&created, sizeof created);
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, launchCreationFlags, nullptr, tempFolder, &startup,
                        &created))
        return unpackNotStarted;
    CloseHandle(created.hThread);
    DWORD waited = WaitForSingleObject(created.hProcess, limitMs);
    CloseHandle(created.hProcess);
    return waited == WAIT_TIMEOUT ? unpackTimedOut : unpacked;
}
