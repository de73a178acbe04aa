// HandleDownload: scan the downloaded file, then keep it for later or install it at once.
#include "handleDownload.h"

#include "appOptions.h"
#include "appTexts.h"
#include "commandText.h"
#include "launchProgram.h"
#include "mainApp.h"
#include "path.h"
#include "registry.h"
#include "samePath.h"

using namespace handOff;

namespace {
// The errors of a path that names nothing (as opposed to one that cannot be looked at).
bool namesNothing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ||
           error == ERROR_BAD_PATHNAME;
}
} // namespace

// Explorer offers Brisk Install only for these two, so nothing else is offered for installing.
bool Installable(const str& name) {
    str extension = LastExtOf(name).toLower();
    return extension.compare("zip") == 0 || extension.compare("exe") == 0;
}

str mainApp::option(int id) {
    return prefs->findItem(id)->getText();
}

void mainApp::stop(const str& why, const str& file, const str& downloadFolder, const char* then,
                   const str& preface) {
    keptDownload kept = keep(file, downloadFolder);
    str next = then ? installLater(then, kept.name) : str("");
    MsgBox(preface + stopped(why, FileOf(file), kept, downloadFolder, next), MB_ICONEXCLAMATION,
           appTexts::productName, nullptr);
}

// A file that went into the temporary folder and came back under its own name was not moved, as
// the user sees it.
keptDownload mainApp::keep(const str& file, const str& downloadFolder) {
    if (downloadStays) return {keptDownload::alreadyThere, FolderOfFile(file), FileOf(file)};
    keptDownload kept = KeepDownload(file, downloadFolder);
    if (kept.how == keptDownload::moved && SamePath(kept.folder + "\\" + kept.name, download))
        kept.how = keptDownload::alreadyThere;
    return kept;
}

int mainApp::HandleDownload(str file) {
    const str product(appTexts::productName);
    DWORD attributes = GetFileAttributesA(file);
    if (attributes == INVALID_FILE_ATTRIBUTES && namesNothing(GetLastError())) {
        MsgBox(notFound(file), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        MsgBox(aFolder(file), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    }
    // From here on the file is named by its full path: the scanner starts in the file's folder,
    // and the unpack in the temporary folder.
    file = LongFullPath(file);
    str name = FileOf(file);
    bool zip = LastExtOf(name).toLower().compare("zip") == 0;

    // A relative Download folder would be taken from whatever folder is current: a download
    // that meets one is kept in the default folder instead, and is not installed. The folder
    // may be typed in double quotes, as a path with blanks often is.
    str downloadFolder = unquoted(option(appOptions::downloadFolderId));
    str relative;
    if (!IsFullPath(downloadFolder)) {
        relative = downloadFolder.isNull() ? str("") : downloadFolder;
        downloadFolder = prefs->findItem(appOptions::downloadFolderId)->defaultValue;
    }
    download = file;
    downloadStays = !zip && InsideFolder(file, downloadFolder + tempFolderName);

    // Only a scan that ran to its end lets the file be installed; the file is kept otherwise.
    str scanner;
    DWORD status = 0;
    switch (scan(file, scanner, status)) {
    case scanDone:
        break;
    case scanRemovedFile:
        MsgBox(scannerRemoved(scanner, name, FolderOfFile(file)), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    case scanNotStarted:
        stop(notStarted(scanner, status), file, downloadFolder, checkScanner);
        return 1;
    case scanNotFullPath:
        stop(notAFullPath("Anti-virus scanner", scanner), file, downloadFolder, setFullScanner);
        return 1;
    case scanBroken:
        stop(scannerBroken(scanner, name, status), file, downloadFolder, checkScanner);
        return 1;
    case scanUnsafeName:
        stop(unsafeForBatch(scanner, file), file, downloadFolder, renameForBatch);
        return 1;
    }

    if (!relative.isNull()) {
        stop(notAFullPath("Download folder", relative), file, downloadFolder, setFullDownloadFolder);
        return 1;
    }
    if (afterDownload == appOptions::moveToDownloadFolder) {
        keepForLater(file, downloadFolder, false);
        return 1;
    }
    if (!Installable(name)) {
        keptDownload kept = keep(file, downloadFolder);
        MsgBox(stopped(notAProgram(name), name, kept, downloadFolder, openItThere), MB_ICONINFORMATION,
               product, nullptr);
        return 1;
    }
    if (afterDownload == appOptions::askWhatToDo &&
        MsgBox(installNowQuestion(name), MB_YESNO | MB_ICONQUESTION, VersionCaption(), nullptr) != IDYES) {
        keepForLater(file, downloadFolder, true);
        return 1;
    }
    installNow(file, downloadFolder, zip);
    return 1;
}

// The scanner runs first, on the file where the browser left it. A scanner option in double
// quotes names the program without them. Exit codes below the unfinished statuses have no
// common meaning among scanners and are not read. cmd.exe, which runs a batch file, would read
// some characters of the file's path as commands or variables: such a path is not given to it.
mainApp::scanResult mainApp::scan(const str& file, str& scanner, DWORD& status) {
    str stored = option(appOptions::scannerId);
    if (stored.length() == 0) return scanDone;
    scanner = unquoted(stored);
    // A scanner named without its full path would be looked for in the current folder only,
    // which may hold anybody's files (the temporary folder, when Brisk Install is chosen there).
    if (!IsFullPath(scanner)) return scanNotFullPath;
    bool batch = IsBatchFile(scanner);
    if (batch && HoldsShellSpecials(file)) return scanUnsafeName;
    str folder = FolderOfFile(file);
    if (FileOf(scanner).toLower().compare("navw32.exe") == 0)
        ReadRegistry(HKEY_LOCAL_MACHINE, "SOFTWARE\\Symantec\\SharedUsage", "Location1", folder);
    // cmd.exe runs whatever batch file there is, and ends with a status of its own when there
    // is none: the batch file is looked for first.
    str application = batch ? SystemProgram("cmd.exe") : scanner;
    DWORD attributes = GetFileAttributesA(scanner);
    if (batch && (application.isNull() || attributes == INVALID_FILE_ATTRIBUTES ||
                  (attributes & FILE_ATTRIBUTE_DIRECTORY))) {
        status = attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : ERROR_FILE_NOT_FOUND;
        return scanNotStarted;
    }
    HANDLE process;
    if (!LaunchProgram(folder, ScanCommand(stored, file), &process, application)) {
        status = GetLastError();
        return scanNotStarted;
    }
    WaitForProgram(process, INFINITE, &status);
    if (GetFileAttributesA(file) == INVALID_FILE_ATTRIBUTES && namesNothing(GetLastError()))
        return scanRemovedFile;
    return status < firstUnfinishedStatus ? scanDone : scanBroken;
}

void mainApp::keepForLater(const str& file, const str& downloadFolder, bool tell) {
    str name = FileOf(file);
    keptDownload kept = KeepDownload(file, downloadFolder);
    if (kept.how == keptDownload::notMoved)
        MsgBox(notKept(kept, name, downloadFolder), MB_ICONEXCLAMATION, appTexts::productName, nullptr);
    else if (tell)
        MsgBox(movedForLater(kept.name, downloadFolder), MB_ICONINFORMATION, appTexts::productName, nullptr);
}
