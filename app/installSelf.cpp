// InstallSelf: the program installs itself from its distribution (setup.exe, readme.txt and
// bwcc32.dll), registers itself and writes its uninstall entry.
#include "appTexts.h"
#include "fileSystem.h"
#include "inputDlg.h"
#include "installCopy.h"
#include "mainApp.h"
#include "path.h"
#include "samePath.h"
#include "shortcut.h"
#include "uninstallEntry.h"

namespace {
const char defaultFolder[] = "C:\\Program Files\\Brisk Download";
const char readme[] = "readme.txt";
const char controls[] = "bwcc32.dll"; // a load-time import: without it the program cannot start
const char* const companionFiles[] = {readme, controls};

void addLine(str& text, const str& line) { text += text.length() ? "\n" + line : line; }

// Whether the companion is to be copied from the source folder into the folder: readme.txt may be
// missing, and one already in place (installed where the distribution lies) stays as it is.
bool toCopy(const str& source, const str& folder, const char* name) {
    str from = source + "\\" + name;
    return (name != readme || FileExists(from)) && !SamePath(from, folder + "\\" + name);
}

// The companions that would replace files of the folder that are another program's or the
// user's: a folder that holds the program holds them as its own. Separated by " and ", "" for none.
str othersFiles(const str& folder, const str& source) {
    str found("");
    if (FileExists(folder + "\\" + appTexts::productName + ".exe")) return found;
    for (const char* name : companionFiles)
        if (toCopy(source, folder, name) && FileExists(folder + "\\" + name))
            found += str(found.length() ? " and " : "") + name;
    return found;
}
} // namespace

// A folder that is not a full path would be made in whatever folder is current, and its relative
// path written into the registrations and the shortcut; a drive's root, or a folder whose files
// are not the program's, would have them replaced. The user is asked again. Returns the folder,
// or a null string for Cancel.
str mainApp::askFolder() {
    const str product(appTexts::productName);
    str source = DirOf(modulePath);
    str folder(defaultFolder);
    for (;;) {
        inputDlg ask(nullptr);
        ask.caption = product;
        ask.prompt = "Install " + product + " in the following folder:";
        ask.text = &folder;
        if (ask.Execute() != IDOK) return str();
        str problem;
        str others;
        if (!IsFullPath(folder))
            problem = "Please enter a full folder path, such as C:\\Program Files\\Brisk Download.";
        else if (NamesDriveRoot(folder))
            problem = "Please enter a folder below the root of the drive, such as C:\\Program Files\\Brisk "
                      "Download.";
        else if ((others = othersFiles(folder, source)).length())
            problem = folder + " already holds " + others + ", which " + product +
                      " would replace.\n\nPlease choose a new folder, or the folder of an earlier "
                      "installation of " +
                      product + ".";
        if (problem.isNull()) return folder;
        MsgBox(problem, MB_ICONEXCLAMATION, VersionCaption(), nullptr);
    }
}

int mainApp::InstallSelf() {
    const str product(appTexts::productName);
    if (MsgBox(product +
                   " is a Netscape Navigator plug-in that makes downloading programs a snap.\n\nInstall " +
                   product + "?",
               MB_YESNO | MB_ICONQUESTION, VersionCaption(), nullptr) != IDYES)
        return 1;
    str source = DirOf(modulePath);
    if (!FileExists(source + "\\" + controls)) {
        MsgBox(product + " cannot be installed: " + controls + ", which it needs, is not in " + source +
                   ".\n\nUnpack all the files of the distribution into one folder and start setup.exe there.",
               MB_ICONEXCLAMATION, VersionCaption(), nullptr);
        return 1;
    }
    str folder = askFolder();
    if (folder.isNull()) return 1;

    // All three files or none: a program without its controls, or one cut short, cannot start,
    // and registrations would point at it. The folders made for it go again.
    strs made = MissingDirs(folder);
    CreateDir(folder);
    installedPath = folder + "\\" + product + ".exe";
    str failedFile;
    {
        installCopy copy(folder);
        if (!copy.add(modulePath, FileOf(installedPath))) failedFile = product;
        for (const char* name : companionFiles)
            if (failedFile.isNull() && toCopy(source, folder, name) && !copy.add(source + "\\" + name, name))
                failedFile = name;
        if (failedFile.isNull()) failedFile = copy.commit();
    }
    if (!failedFile.isNull()) {
        RemoveEmptyDirs(made);
        MsgBox(failedFile + " could not be copied to " + folder + ".", MB_ICONEXCLAMATION, VersionCaption(),
               nullptr);
        return 1;
    }
    prefs->fileName = DirOf(shortPathName(installedPath)) + "\\" + FileOf(prefs->fileName);

    // Each step that fails is named, with what the user can do instead.
    str failed("");
    if (!FileExists(folder + "\\" + readme))
        addLine(failed, str(readme) + " was not beside " + FileOf(modulePath) + ", so it was not installed.");
    str programs = ProgramsFolder();
    if (FAILED(CreateShortcut(installedPath, programs + "\\" + product + ".lnk", product)))
        addLine(failed, "No entry for " + product + " could be made in the Start menu (" + programs +
                            "); start it from " + folder + ".");
    str types = RegisterViewers(true);
    if (types.length())
        addLine(failed, "Netscape Navigator could not be set to hand downloads of the types " + types +
                            " to " + product + ", so they are not scanned or installed.");
    if (!RegisterShellVerb(true))
        addLine(failed,
                "Explorer's menu of .exe and .zip files could not be given the command Brisk Install, so "
                "downloads kept for later must be installed by hand.");
    if (!editOptions())
        addLine(failed, "The options could not be saved in " + optionsFile() +
                            " (check that the folder exists and may be written); start " + product +
                            " to set them again.");

    bool listed = WriteValue(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName", VersionCaption());
    listed =
        WriteValue(HKEY_LOCAL_MACHINE, UninstallKey(), "UninstallString", UninstallCommand(installedPath)) &&
        listed;
    if (!listed)
        addLine(failed, product + " could not be listed in Add/Remove Programs; to uninstall it, run " +
                            UninstallCommand(installedPath) + ".");

    // What did get registered stays; the user learns what did not.
    if (failed.length()) {
        MsgBox(product + " was copied to " + folder + ", but the installation is not complete:\n\n" + failed +
                   "\n\nRunning setup.exe again as an administrator may complete it.",
               MB_ICONEXCLAMATION, VersionCaption(), nullptr);
        return 1;
    }
    MsgBox(product + " is now installed.\n\nIf you have Netscape Navigator open, close it and restart it for the "
                     "changes to take effect.\n\nFrom now on, whenever you download a program in Netscape "
                     "Navigator, " +
               product + " will activate automatically.",
           MB_ICONINFORMATION, VersionCaption(), nullptr);
    return 1;
}
