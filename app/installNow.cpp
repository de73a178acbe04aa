// installNow: the hand-off's install-at-once path, from the checked archive to its installer.
#include "handleDownload.h"

#include "appOptions.h"
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
const char explorerCommand[] = "explorer.exe /e,/\n, ";

// An entry that pkunzip would write over the archive itself, which lies in the folder it is
// unpacked into: another letter case, a final dot or blank, "./" and the short name all open the
// archive, so its identity decides. A path that names nothing yet cannot be the archive, which
// spares the comparison for nearly every entry. A null string when there is none.
str entryOverArchive(zipDirectory& listing, const str& archive, const str& folder) {
    for (str* name = listing.names.toFirst(0); name; name = listing.names.move(1)) {
        int n = name->length();
        str path = folder + "\\" + name->replaceChar('/', '\\');
        if (n > 0 && (*name)[n - 1] != '/' && FileExists(path) && SamePath(path, archive)) return *name;
    }
    return str();
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
            stop(refusal(verdict, listing.offender, name), file, downloadFolder, downloadAgain);
            return;
        }
    }

    str tempFolder = downloadFolder + tempFolderName;
    CreateDir(downloadFolder);
    CreateDir(tempFolder);
    // A program inside the temporary folder (an installer unpacked there, chosen with Brisk
    // Install) runs where it is: the files beside it are its data, and nothing there goes.
    if (downloadStays) {
        installExe(file, FolderOfFile(file), downloadFolder);
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
    if (!inTempFolder && !MoveFileWhole(file, target)) {
        if (IsFolder(target))
            stop(folderInTheWay(name, tempFolder), file, downloadFolder, removeFolder(target));
        else
            stop(notMoved(name, tempFolder), file, downloadFolder, checkDownloadFolder);
        return;
    }
    if (zip)
        installZip(target, tempFolder, downloadFolder, listing);
    else
        installExe(target, tempFolder, downloadFolder);
}

void mainApp::installZip(const str& archive, const str& tempFolder, const str& downloadFolder,
                         zipDirectory& listing) {
    str name = FileOf(archive);
    str over = entryOverArchive(listing, archive, tempFolder);
    if (!over.isNull()) {
        stop(writtenOverItself(name, over), archive, downloadFolder, downloadAgain);
        return;
    }
    DWORD status = 0;
    switch (UnpackArchive(archive, tempFolder, unpackLimitMs, &status)) {
    case unpackNotStarted:
        stop(notStarted("pkunzip.exe", status), archive, downloadFolder, setPkunzip,
             pkunzipMissing() + "\n\n");
        return;
    case unpackNotFullPath:
        stop(notAFullPath("Location of pkunzip.exe", unquoted(option(appOptions::pkunzipId))), archive,
             downloadFolder, setPkunzip);
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
        if (listing.holdsTopFile(candidate) && IsFile(path)) {
            installer = path;
            break;
        }
    }
    if (installer.isNull()) {
        // The unpacked files stay for the user to finish with; the archive itself is kept.
        keptDownload kept = keep(archive, downloadFolder);
        MsgBox(noInstaller() + "\n\n" + whereItIs(kept, name, downloadFolder), MB_ICONINFORMATION,
               appTexts::productName, nullptr);
        browse(tempFolder);
        return;
    }
    HANDLE process;
    if (!LaunchProgram(tempFolder, quotedIfBlank(installer), &process, str())) {
        DWORD error = GetLastError();
        stop(notStarted(FileOf(installer), error), archive, downloadFolder, notForThisWindows);
        return;
    }
    CloseHandle(process); // not waited for: the installer runs on after the hand-off
}

// A program that cannot be started was no install program: it is kept, and not offered for
// installing by hand.
void mainApp::installExe(const str& program, const str& folder, const str& downloadFolder) {
    HANDLE process;
    DWORD status;
    if (!LaunchProgram(folder, quotedIfBlank(program), &process, str())) {
        DWORD error = GetLastError();
        stop(notStarted(FileOf(program), error), program, downloadFolder, notForThisWindows);
        return;
    }
    WaitForProgram(process, INFINITE, &status);
    if (MsgBox(installManually(FileOf(program)), MB_YESNO | MB_ICONQUESTION, appTexts::productName,
               nullptr) == IDYES)
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
