// UnpackArchive: pkunzip on the archive, in the temporary folder, within a time limit.
#include "mainApp.h"

#include "appOptions.h"
#include "commandText.h"
#include "fileSystem.h"
#include "launchProgram.h"
#include "path.h"

// The option is taken in lower case, and without the double quotes it may be typed in. "<path>"
// (or nothing) looks for pkunzip.exe along the search path, before the temporary folder, which
// may hold an archive's own pkunzip.exe, becomes current; any other folder must be a full path
// and gets a final backslash when it lacks one.
// The command line stays as written ("pkunzip.exe -d -o ..."); the program found is named apart.
// A folder with a blank is quoted with the program's name, and so is the archive's short path
// where the volume keeps no short names.
mainApp::unpackResult mainApp::UnpackArchive(const str& target, const str& tempFolder, DWORD limitMs,
                                             DWORD* status) {
    str folder = unquoted(option(appOptions::pkunzipId)).toLower();
    str program;
    if (folder.length() == 0 || folder.compare("<path>") == 0) {
        folder = "";
        program = ProgramOnSearchPath("pkunzip.exe");
    } else {
        if (folder[folder.length() - 1] != '\\') folder += "\\";
        if (!IsFullPath(folder)) return unpackNotFullPath;
        program = folder + "pkunzip.exe";
    }
    if (program.isNull()) {
        *status = ERROR_FILE_NOT_FOUND;
        return unpackNotStarted;
    }
    if (!ChangeDir(tempFolder)) return unpackNoFolder;

    str line = quotedIfBlank(folder + "pkunzip.exe") + " -d -o " + quotedIfBlank(shortPathName(target));
    HANDLE process;
    if (!LaunchProgram(tempFolder, line, &process, program, 0)) {
        *status = GetLastError();
        return unpackNotStarted;
    }
    if (!WaitForProgram(process, limitMs, status)) return unpackTimedOut;
    return *status == 0 ? unpacked : unpackFailed;
}
