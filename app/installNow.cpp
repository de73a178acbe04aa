// installNow: the hand-off's install-at-once path, from the checked archive to its installer.
#include "handleDownload.h"

#include "appTexts.h"
#include "commandText.h"
#include "fileSystem.h"
#include "folderFiles.h"
#include "launchProgram.h"
#include "mainApp.h"
#include "path.h"
#include "samePath.h"
#include "zipDirectory.h"

using namespace handOff;

namespace {
const char tempFolderName[] = "\\~Briskdl";
const char explorerCommand[] = "explorer.exe /e,/\n, ";

bool isFile(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

// Every stop keeps the download in the download folder, also one that had gone into the
// temporary folder, whose files go at the next installation.
void mainApp::installNow(const str& file, const str& downloadFolder, bool zip) {
    const str product(appTexts::productName);
    str name = FileOf(file);

    // pkunzip writes whatever the archive names: its directory is read first, where the file is.
    zipDirectory listing;
    if (zip) {
        zipDirectory::verdict verdict = listing.check(file);
        if (verdict != zipDirectory::sound) {
            keptDownload kept = KeepDownload(file, downloadFolder);
            MsgBox(
                stopped(refusal(verdict, listing.offender, name), name, kept, downloadFolder, downloadAgain),
                MB_ICONEXCLAMATION, product, nullptr);
            return;
        }
    }

    str tempFolder = downloadFolder + tempFolderName;
    CreateDir(downloadFolder);
    CreateDir(tempFolder);
    // A program inside the temporary folder (an installer unpacked there, chosen with Brisk
    // Install) runs where it is: the files beside it are its data, and nothing there goes.
    if (!zip && InsideFolder(file, tempFolder)) {
        installExe(file, FolderOfFile(file));
        return;
    }
    // An archive at the top of the temporary folder is unpacked where it is; every other file
    // there goes first, so that nothing of an earlier archive can be taken for this one's.
    bool inTempFolder = SamePath(FolderOfFile(file), tempFolder);
    str stuck = DeleteFolderFiles(tempFolder, inTempFolder ? (const char*)file : nullptr);
    if (!stuck.isNull()) {
        if (stuck.compare(tempFolder) == 0)
            stop(tempFolderUnusable(tempFolder), file, downloadFolder, checkDownloadFolder);
        else
            stop(notCleaned(stuck), file, downloadFolder, closeWhatUsesIt);
        return;
    }
    str target = inTempFolder ? file : tempFolder + "\\" + name;
    if (!inTempFolder && !MoveFileA(file, target)) {
        stop(notMoved(name, tempFolder), file, downloadFolder, checkDownloadFolder);
        return;
    }
    if (zip)
        installZip(target, tempFolder, downloadFolder, listing);
    else
        installExe(target, tempFolder);
}

void mainApp::installZip(const str& archive, const str& tempFolder, const str& downloadFolder,
                         zipDirectory& listing) {
    str name = FileOf(archive);
    DWORD status = 0;
    switch (UnpackArchive(archive, tempFolder, unpackLimitMs, &status)) {
    case unpackNotStarted:
        stop(pkunzipNotStarted(status), archive, downloadFolder, setPkunzip, pkunzipMissing() + "\n\n");
        return;
    case unpackNoFolder:
        stop(noCurrentFolder(tempFolder), archive, downloadFolder, chooseLetteredFolder);
        return;
    case unpackTimedOut:
        stop(handOff::unpackTimedOut(name, tempFolder), archive, downloadFolder, tryAgain);
        return;
    case unpackFailed:
        stop(handOff::unpackFailed(name, status), archive, downloadFolder, tryAgain);
        return;
    case unpacked:
        break;
    }
    // Only the top level counts, and setup.exe comes before install.exe. Only what this archive
    // lists there is started, and only a file: the folder held no files before the unpack, but
    // a sub-folder left by an earlier archive may bear the name.
    static const char* const installers[] = {"setup.exe", "install.exe"};
    str installer;
    for (const char* candidate : installers) {
        str path = tempFolder + "\\" + candidate;
        if (listing.holdsTopFile(candidate) && isFile(path)) {
            installer = path;
            break;
        }
    }
    if (installer.isNull()) {
        // The unpacked files stay for the user to finish with; the archive itself is kept.
        keptDownload kept = KeepDownload(archive, downloadFolder);
        MsgBox(noInstaller() + "\n\n" + whereItIs(kept, name, downloadFolder), MB_ICONINFORMATION,
               appTexts::productName, nullptr);
        browse(tempFolder);
        return;
    }
    HANDLE process;
    if (LaunchProgram(tempFolder, quotedIfBlank(installer), &process, str()))
        CloseHandle(process); // not waited for: the installer runs on after the hand-off
}

void mainApp::installExe(const str& program, const str& folder) {
    HANDLE process;
    DWORD status;
    if (LaunchProgram(folder, quotedIfBlank(program), &process, str()))
        WaitForProgram(process, INFINITE, &status);
    if (MsgBox(installManually(FileOf(program)), MB_YESNO | MB_ICONQUESTION, appTexts::productName, nullptr) ==
        IDYES)
        browse(folder);
}

// Explorer is looked up first: the folder is current after an unpack, and a command line
// without a path would find an explorer.exe that the archive put there.
void mainApp::browse(const str& folder) {
    str explorer = ProgramOnSearchPath("explorer.exe");
    HANDLE process;
    if (!explorer.isNull() && LaunchProgram(folder, explorerCommand + folder, &process, explorer))
        CloseHandle(process);
}
