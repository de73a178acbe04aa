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

// A download that cannot be installed is kept for later, as the browser's copy goes when it
// exits; one that lies in the temporary folder already stays there.
keptDownload keepInstead(const str& file, const str& downloadFolder, bool inTempFolder) {
    if (inTempFolder)
        return {keptDownload::notMoved, FolderOfFile(file), FileOf(file)};
    return KeepDownload(file, downloadFolder);
}

bool isFile(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

void mainApp::installNow(const str& file, const str& downloadFolder, bool zip) {
    const str product(appTexts::productName);
    str name = FileOf(file);

    // pkunzip writes whatever the archive names: its directory is read first, where the file is.
    zipDirectory listing;
    if (zip) {
        zipDirectory::verdict verdict = listing.check(file);
        if (verdict != zipDirectory::sound) {
            MsgBox(notUnpacked(name, refusal(verdict, listing.offender), FolderOfFile(file)),
                   MB_ICONEXCLAMATION, product, nullptr);
            return;
        }
    }

    // A file handed over from the temporary folder itself (Brisk Install in Explorer there) is
    // installed from where it is; every other file at the top of that folder goes first, so
    // that nothing of an earlier archive can be taken for this one's.
    str tempFolder = downloadFolder + tempFolderName;
    CreateDir(downloadFolder);
    CreateDir(tempFolder);
    str full = LongFullPath(file);
    bool inTempFolder = SamePath(DirOf(full), tempFolder);
    str stuck = DeleteFolderFiles(tempFolder, inTempFolder ? (const char*)full : nullptr);
    if (!stuck.isNull()) {
        str why = stuck.compare(tempFolder) == 0 ? tempFolderUnusable(tempFolder, name) : notCleaned(stuck, name);
        MsgBox(why + "\n\n" + whereItIs(keepInstead(file, downloadFolder, inTempFolder), name), MB_ICONEXCLAMATION,
               product, nullptr);
        return;
    }
    // The full path: the temporary folder becomes the current one before the unpack.
    str target = inTempFolder ? full : tempFolder + "\\" + name;
    if (!inTempFolder && !MoveFileA(file, target)) {
        MsgBox(notMoved(name, tempFolder) + "\n\n" + whereItIs(keepInstead(file, downloadFolder, false), name),
               MB_ICONEXCLAMATION, product, nullptr);
        return;
    }
    if (zip)
        installZip(target, tempFolder, listing);
    else
        installExe(target, tempFolder);
}

void mainApp::installZip(const str& archive, const str& tempFolder, zipDirectory& listing) {
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

// A command without a path is looked for in the current folder before the system's: Explorer
// must not be found among the files that the archive just put into the temporary folder.
void mainApp::browse(const str& tempFolder) {
    ChangeDir(WindowsDir());
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
