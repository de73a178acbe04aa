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
const char controls[] = "bwcc32.dll"; // without it the program shows no dialog
const char* const companionFiles[] = {readme, controls};

void addLine(str& text, const str& line) {
    text += text.length() ? "\n" + line : line;
}

// Whether the companion is to be copied from the source folder into the folder: readme.txt may be
// missing, and one already in place (installed where the distribution lies) stays as it is.
bool toCopy(const str& source, const str& folder, const char* name) {
    str from = source + "\\" + name;
    return (name != readme || IsFile(from)) && !SamePath(from, folder + "\\" + name);
}

// The companions that would replace files of the folder that are another program's or the
// user's: a folder that holds the program holds them as its own. Separated by " and ", "" for none.
str othersFiles(const str& folder, const str& source) {
    str found("");
    if (IsFile(JoinPath(folder, str(appTexts::productName) + ".exe"))) return found;
    for (const char* name : companionFiles)
        if (toCopy(source, folder, name) && FileExists(JoinPath(folder, name)))
            found += str(found.length() ? " and " : "") + name;
    return found;
}

// The first level of the folder's path, below its root, that is a file, or null.
str fileAlong(const str& folder) {
    for (int i = RootLength(folder); i <= folder.length(); ++i)
        if (i == folder.length() || folder[i] == '\\') {
            str level(folder, i);
            if (IsFile(level)) return level;
        }
    return str();
}

// The folder as Windows reads it: "." and ".." resolved, so that no folder is made for a level
// that a ".." leaves again, and short names expanded. A final backslash stays as typed.
str fullFolder(const str& folder) {
    str full = LongFullPath(folder);
    bool typedFinal = folder[folder.length() - 1] == '\\';
    return typedFinal && full[full.length() - 1] != '\\' ? full + "\\" : full;
}

// What stands in the way of the program's files in a full folder: a file where a folder of its
// path should be, a folder where one of the files should go, or another program's or the user's
// files that the companions would replace. The text that says so, or null.
str inTheWay(const str& folder, const str& source) {
    const str product(appTexts::productName);
    const str again =
        "\n\nPlease choose a new folder, or the folder of an earlier installation of " + product + ".";
    str level = fileAlong(folder);
    if (!level.isNull())
        return level + " is a file, not a folder, so " + product +
               " cannot be installed there.\n\nPlease choose a folder, such as " + defaultFolder + ".";
    str blocked = product + ".exe";
    if (!IsFolder(JoinPath(folder, blocked))) blocked = str();
    for (const char* name : companionFiles)
        if (blocked.isNull() && toCopy(source, folder, name) && IsFolder(JoinPath(folder, name)))
            blocked = name;
    if (!blocked.isNull())
        return JoinPath(folder, blocked) + " is a folder, so " + product + " cannot put its file " + blocked +
               " there." + again;
    str others = othersFiles(folder, source);
    if (others.length())
        return folder + " already holds " + others + ", which " + product + " would replace." + again;
    return str();
}
} // namespace

// A folder that is not a full path would be made in whatever folder is current, and its relative
// path written into the registrations and the shortcut; a drive's root, or a folder whose files
// are not the program's, would have them replaced. The user is asked again. "/" is a separator
// too. Returns the folder in its full form, or a null string for Cancel.
str mainApp::askFolder() {
    const str product(appTexts::productName);
    str source = DirOf(modulePath);
    str typed(defaultFolder);
    for (;;) {
        inputDlg ask(nullptr);
        ask.caption = product;
        ask.prompt = "Install " + product + " in the following folder:";
        ask.text = &typed;
        if (ask.Execute() != IDOK) return str();
        str folder = typed.replaceChar('/', '\\');
        str problem;
        if (!IsFullPath(folder))
            problem = str("Please enter a full folder path, such as ") + defaultFolder + ".";
        else if (NamesDriveRoot(folder))
            problem =
                str("Please enter a folder below the root of the drive, such as ") + defaultFolder + ".";
        else
            problem = inTheWay(folder = fullFolder(folder), source);
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
    if (!IsFile(source + "\\" + controls)) {
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

    // Each step that fails is named, with what the user can do instead; what fails for want of
    // rights may go where setup.exe runs as an administrator, a file that is missing may not.
    str failed("");
    bool noReadme = !IsFile(folder + "\\" + readme);
    if (noReadme)
        addLine(failed, str(readme) + " was not beside " + FileOf(modulePath) +
                            ", so it was not installed. To have it, get the full distribution of " + product +
                            ", unpack all its files into one folder and start setup.exe there.");
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
    if (!editOptions()) {
        prefItem* refused = unstorableOption();
        addLine(failed, refused ? "The option \"" + refused->name +
                                      "\" holds a line break and could not be saved; "
                                      "start " +
                                      product + " to set it again on one line."
                                : "The options could not be saved in " + optionsFile() +
                                      " (check that the folder exists and may be written); start " + product +
                                      " to set them again.");
    }

    bool listed = WriteValue(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName", VersionCaption());
    listed =
        WriteValue(HKEY_LOCAL_MACHINE, UninstallKey(), "UninstallString", UninstallCommand(installedPath)) &&
        listed;
    if (!listed)
        addLine(failed, product + " could not be listed in Add/Remove Programs; to uninstall it, run " +
                            UninstallCommand(installedPath) + ".");

    // What did get registered stays; the user learns what did not.
    if (failed.length()) {
        str advice("");
        if (!noReadme || failed.find("\n") >= 0) // more than the readme's line
            advice = str("\n\nRunning setup.exe again as an administrator may complete ") +
                     (noReadme ? "the rest." : "it.");
        MsgBox(product + " was copied to " + folder + ", but the installation is not complete:\n\n" + failed +
                   advice,
               MB_ICONEXCLAMATION, VersionCaption(), nullptr);
        return 1;
    }
    MsgBox(product +
               " is now installed.\n\nIf you have Netscape Navigator open, close it and restart it for the "
               "changes to take effect.\n\nFrom now on, whenever you download a program in Netscape "
               "Navigator, " +
               product + " will activate automatically.",
           MB_ICONINFORMATION, VersionCaption(), nullptr);
    return 1;
}
