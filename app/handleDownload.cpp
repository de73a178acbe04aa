// HandleDownload: scan the downloaded file, then keep it for later or install it at once.
#include "handleDownload.h"

#include "appOptions.h"
#include "appTexts.h"
#include "commandText.h"
#include "dirct.h"
#include "fileSystem.h"
#include "launchProgram.h"
#include "mainApp.h"
#include "path.h"
#include "registry.h"

using namespace handOff;

namespace {
const char tempFolderName[] = "\\~Briskdl";
const char explorerCommand[] = "explorer.exe /e,/\n, ";
} // namespace

str mainApp::option(int id) { return prefs->findItem(id)->getText(); }

int mainApp::HandleDownload(str file) {
    const str product(appTexts::productName);
    scan(file);

    str name = FileOf(file);
    bool later = afterDownload == appOptions::moveToDownloadFolder;
    if (afterDownload == appOptions::askWhatToDo)
        later = MsgBox(installNowQuestion(name), MB_YESNO | MB_ICONQUESTION, VersionCaption(), nullptr) != IDYES;

    // A folder shorter than a drive root cannot be created; the file stays where it is.
    str downloadFolder = option(appOptions::downloadFolderId);
    if (downloadFolder.length() < 3) {
        MsgBox(setDownloadFolder(), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    }
    if (later) {
        keepForLater(file, downloadFolder, afterDownload == appOptions::askWhatToDo);
        return 1;
    }

    // The type comes from the file name: a dot in a folder name does not count.
    str extension = ExtOf(name).toLower();
    bool zip = extension.compare("zip") == 0, exe = extension.compare("exe") == 0;
    if (!zip && !exe) {
        CreateDir(downloadFolder);
        str kept = downloadFolder + "\\" + name;
        if (MoveFileA(file, kept))
            MsgBox(notAProgram(name, downloadFolder), MB_ICONINFORMATION, product, nullptr);
        else
            MsgBox(notMoved(name, downloadFolder), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    }

    str tempFolder = downloadFolder + tempFolderName;
    CreateDir(downloadFolder);
    CreateDir(tempFolder);
    dirct old(tempFolder, "*.*", nullptr); // files only: sub-folders stay
    DeleteFiles(old);
    str target = tempFolder + "\\" + name;
    if (!MoveFileA(file, target)) {
        MsgBox(notMoved(name, tempFolder), MB_ICONEXCLAMATION, product, nullptr);
        return 1;
    }
    if (zip)
        installZip(target, tempFolder);
    else
        installExe(target, tempFolder);
    return 1;
}

// The scanner runs first, on the file where the browser left it. A scanner option in double
// quotes names the program without them; the command line keeps the option as stored.
void mainApp::scan(const str& file) {
    str scanner = option(appOptions::scannerId);
    if (scanner.length() == 0)
        return;
    str program = unquoted(scanner);
    str folder = DirOf(file);
    if (FileOf(program).toLower().compare("navw32.exe") == 0)
        ReadRegistry(HKEY_LOCAL_MACHINE, "SOFTWARE\\Symantec\\SharedUsage", "Location1", folder);
    if (!startAndWait(folder, scanner + " " + quotedIfBlank(file), program, INFINITE))
        MsgBox(scannerNotStarted(program, FileOf(file)), MB_ICONEXCLAMATION, appTexts::productName, nullptr);
}

// An existing file of the same name in the download folder is never replaced.
void mainApp::keepForLater(const str& file, const str& downloadFolder, bool tell) {
    str name = FileOf(file);
    CreateDir(downloadFolder);
    if (!MoveFileA(file, downloadFolder + "\\" + name))
        MsgBox(notMoved(name, downloadFolder), MB_ICONEXCLAMATION, appTexts::productName, nullptr);
    else if (tell)
        MsgBox(movedForLater(name, downloadFolder), MB_ICONINFORMATION, appTexts::productName, nullptr);
}

void mainApp::installZip(const str& archive, const str& tempFolder) {
    const str product(appTexts::productName);
    ChangeDir(tempFolder);
    switch (UnpackArchive(archive, tempFolder, unpackLimitMs)) {
    case unpackNotStarted:
        MsgBox(pkunzipMissing(), MB_ICONEXCLAMATION, product, nullptr);
        return;
    case unpackTimedOut:
        MsgBox(handOff::unpackTimedOut(tempFolder), MB_ICONEXCLAMATION, product, nullptr);
        return;
    case unpacked:
        break;
    }
    // Only the top level counts, and setup.exe comes before install.exe.
    str installer = tempFolder + "\\setup.exe";
    if (!FileExists(installer))
        installer = tempFolder + "\\install.exe";
    if (!FileExists(installer)) {
        MsgBox(noInstaller(), MB_ICONINFORMATION, product, nullptr);
        browse(tempFolder);
        return;
    }
    HANDLE process;
    if (LaunchProgram(tempFolder, quotedIfBlank(installer), &process, str()))
        CloseHandle(process); // not waited for: the installer runs on after the hand-off
}

void mainApp::installExe(const str& program, const str& tempFolder) {
    startAndWait(tempFolder, quotedIfBlank(program), str(), INFINITE);
    if (MsgBox(installManually(FileOf(program)), MB_YESNO | MB_ICONQUESTION, appTexts::productName, nullptr) ==
        IDYES)
        browse(tempFolder);
}

void mainApp::browse(const str& tempFolder) {
    HANDLE process;
    if (LaunchProgram(tempFolder, explorerCommand + tempFolder, &process, str()))
        CloseHandle(process);
}

bool mainApp::startAndWait(const str& folder, const str& commandLine, const str& application, DWORD limitMs) {
    HANDLE process;
    if (!LaunchProgram(folder, commandLine, &process, application))
        return false;
    WaitForSingleObject(process, limitMs);
    CloseHandle(process);
    return true;
}
