// InstallSelf: the program installs itself from its distribution (setup.exe, readme.txt and
// bwcc32.dll), registers itself and writes its uninstall entry.
#include "appTexts.h"
#include "fileSystem.h"
#include "inputDlg.h"
#include "mainApp.h"
#include "path.h"
#include "shortcut.h"
#include "uninstallEntry.h"

namespace {
const char defaultFolder[] = "C:\\Program Files\\Brisk Download";
const char* const companionFiles[] = {"readme.txt", "bwcc32.dll"};

void addLine(str& text, const str& line) { text += text.length() ? "\n" + line : line; }
} // namespace

int mainApp::InstallSelf() {
    const str product(appTexts::productName);
    if (MsgBox(product + " is a Netscape Navigator plug-in that makes downloading programs a snap.\n\nInstall " +
                   product + "?",
               MB_YESNO | MB_ICONQUESTION, VersionCaption(), nullptr) != IDYES)
        return 1;

    // A folder that is not a full path would be made in whatever folder is current, and its
    // relative path written into the registrations and the shortcut: the user is asked again.
    str folder(defaultFolder);
    for (;;) {
        inputDlg ask(nullptr);
        ask.caption = product;
        ask.prompt = "Install " + product + " in the following folder:";
        ask.text = &folder;
        if (ask.Execute() != IDOK)
            return 1;
        if (IsFullPath(folder))
            break;
        MsgBox("Please enter a full folder path, such as C:\\Program Files\\Brisk Download.", MB_ICONEXCLAMATION,
               VersionCaption(), nullptr);
    }

    // Without the program in place, a shortcut and registrations would point at nothing; the
    // folders made for it go again.
    strs made = MissingDirs(folder);
    CreateDir(folder);
    installedPath = folder + "\\" + product + ".exe";
    if (!CopyFileA(modulePath, installedPath, FALSE)) {
        RemoveEmptyDirs(made);
        MsgBox(product + " could not be copied to " + folder + ".", MB_ICONEXCLAMATION, VersionCaption(), nullptr);
        return 1;
    }
    prefs->fileName = DirOf(shortPathName(installedPath)) + "\\" + FileOf(prefs->fileName);
    str source = DirOf(modulePath);
    for (const char* name : companionFiles)
        CopyFileA(source + "\\" + name, folder + "\\" + name, FALSE);

    // The shortcut cannot be saved into a folder that is not there, which would lose it quietly.
    str programs = WindowsDir() + "\\Start Menu\\Programs";
    CreateDir(programs);
    CreateShortcut(installedPath, programs + "\\" + product + ".lnk", product);
    str failed("");
    str types = RegisterViewers(true);
    if (types.length())
        addLine(failed, "The Netscape Navigator helper for " + types + " could not be registered.");
    if (!RegisterShellVerb(true))
        addLine(failed, "The Explorer command Brisk Install could not be registered.");
    ShowOptions();

    bool listed = WriteValue(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName", VersionCaption());
    listed =
        WriteValue(HKEY_LOCAL_MACHINE, UninstallKey(), "UninstallString", UninstallCommand(installedPath)) &&
        listed;
    if (!listed)
        addLine(failed, "The uninstall entry in Add/Remove Programs could not be registered.");

    // What did get registered stays; the user learns what did not.
    if (failed.length()) {
        MsgBox(product + " was copied to " + folder + ", but the installation is not complete:\n\n" + failed,
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
