// HandleDownload: scan the downloaded file, then keep it for later or install it at once.
#include "handleDownload.h"

#include "appOptions.h"
#include "appTexts.h"
#include "commandText.h"
#include "launchProgram.h"
#include "mainApp.h"
#include "path.h"
#include "registry.h"

using namespace handOff;

namespace {
// Exit codes from here up are exception statuses: the program did not end by itself.
const DWORD firstExceptionStatus = 0xC0000000;

// The errors of a path that names nothing (as opposed to one that cannot be looked at).
bool namesNothing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ||
           error == ERROR_BAD_PATHNAME;
}
} // namespace

str mainApp::option(int id) { return prefs->findItem(id)->getText(); }

int mainApp::HandleDownload(str file) {
    const str product(appTexts::productName);
    str name = FileOf(file);
    DWORD attributes = GetFileAttributesA(file);
    if (attributes == INVALID_FILE_ATTRIBUTES && namesNothing(GetLastError())) {
        MsgBox(notFound(file), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        MsgBox(aFolder(file), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    }

    // Only a scan that ran to its end lets the file be installed; the file is kept otherwise.
    str scanner;
    DWORD status = 0;
    scanResult scanned = scan(file, attributes != INVALID_FILE_ATTRIBUTES, scanner, status);
    if (scanned == scanRemovedFile) {
        MsgBox(scannerRemoved(scanner, name), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    }
    str downloadFolder = option(appOptions::downloadFolderId);
    if (scanned != scanDone) {
        str why = scanned == scanNotStarted ? scannerNotStarted(scanner, name)
                                            : scannerBroken(scanner, name, status);
        MsgBox(why + "\n\n" + whereItIs(KeepDownload(file, downloadFolder), name), MB_ICONEXCLAMATION,
               product, nullptr);
        return 1;
    }

    bool later = afterDownload == appOptions::moveToDownloadFolder;
    if (afterDownload == appOptions::askWhatToDo)
        later = MsgBox(installNowQuestion(name), MB_YESNO | MB_ICONQUESTION, VersionCaption(), nullptr) != IDYES;

    // A relative folder would be taken from whatever folder is current.
    if (!IsFullPath(downloadFolder)) {
        MsgBox(setDownloadFolder(), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    }
    if (later) {
        keepForLater(file, downloadFolder, afterDownload == appOptions::askWhatToDo);
        return 1;
    }

    // The type comes from the last dot of the file name: tool-1.2.zip is a zip archive.
    str extension = LastExtOf(name).toLower();
    bool zip = extension.compare("zip") == 0, exe = extension.compare("exe") == 0;
    if (!zip && !exe) {
        keptDownload kept = KeepDownload(file, downloadFolder);
        if (kept.how == keptDownload::notMoved)
            MsgBox(notMoved(name, downloadFolder), MB_ICONEXCLAMATION, product, nullptr);
        else
            MsgBox(notAProgram(kept.name, downloadFolder), MB_ICONINFORMATION, product, nullptr);
        return 1;
    }

    installNow(file, downloadFolder, zip);
    return 1;
}

// The scanner runs first, on the file where the browser left it. A scanner option in double
// quotes names the program without them; the command line keeps the option as stored. Exit
// codes below the exception statuses have no common meaning among scanners and are not read.
mainApp::scanResult mainApp::scan(const str& file, bool present, str& scanner, DWORD& status) {
    str stored = option(appOptions::scannerId);
    if (stored.length() == 0)
        return scanDone;
    scanner = unquoted(stored);
    str folder = DirOf(file);
    if (FileOf(scanner).toLower().compare("navw32.exe") == 0)
        ReadRegistry(HKEY_LOCAL_MACHINE, "SOFTWARE\\Symantec\\SharedUsage", "Location1", folder);
    // A scanner named without its full path would be looked for in the current folder only,
    // which may hold anybody's files (the temporary folder, when Brisk Install is chosen there).
    HANDLE process;
    if (!IsFullPath(scanner) || !LaunchProgram(folder, stored + " " + quotedIfBlank(file), &process, scanner))
        return scanNotStarted;
    WaitForSingleObject(process, INFINITE);
    if (!GetExitCodeProcess(process, &status))
        status = 0;
    CloseHandle(process);
    if (present && GetFileAttributesA(file) == INVALID_FILE_ATTRIBUTES && namesNothing(GetLastError()))
        return scanRemovedFile;
    return status >= firstExceptionStatus ? scanBroken : scanDone;
}

void mainApp::keepForLater(const str& file, const str& downloadFolder, bool tell) {
    keptDownload kept = KeepDownload(file, downloadFolder);
    if (kept.how == keptDownload::notMoved)
        MsgBox(notMoved(FileOf(file), downloadFolder), MB_ICONEXCLAMATION, appTexts::productName, nullptr);
    else if (tell)
        MsgBox(movedForLater(kept.name, downloadFolder), MB_ICONINFORMATION, appTexts::productName, nullptr);
}
