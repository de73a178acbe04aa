// The messages of the download hand-off.
#include "handleDownload.h"

#include "appTexts.h"
#include "launchProgram.h"
#include "path.h"

namespace handOff {

namespace {
str errorInBrackets(DWORD error) {
    return error ? str(32, " (error %lu)", (unsigned long)error) : str("");
}

str statusInBrackets(DWORD status) {
    return str(32, " (error 0x%08lX)", (unsigned long)status);
}

// A name as the archive or the command line gives it, which may be long or hold line breaks:
// control characters become '?' and the text is cut, so that it cannot reshape the message.
str shown(const str& name, int longest = 80) {
    str text = name.length() > longest ? str(name, longest) + "..." : name;
    for (int i = 0; i < text.length(); ++i)
        if ((unsigned char)text[i] < ' ') text[i] = '?';
    return text;
}
// A path or a name as it goes into a message: no real one is this long, but a command line may
// hand over one that is, and a box would show nothing else.
str shownPath(const str& path) {
    return shown(path, 1024);
}

str notInstalled(const str& path) {
    str text = path.replace("\"", "");
    int n = text.length();
    while (n > 0 && text[n - 1] == '\\')
        --n;
    str name = FileOf(str(text, n));
    return name.length() ? shownPath(name) + " was not installed." : str("nothing was installed.");
}
} // namespace

str installNowQuestion(const str& file) {
    return file + " has finished downloading.\n\nInstall it now?\n\n"
                  "(If you choose \"No\" you will have the option to install it later)";
}

str movedForLater(const str& file, const str& downloadFolder) {
    return file + " was moved to " + downloadFolder +
           ".\n\nWhen you are ready to install it, in Explorer, right click on " + file +
           " and select Brisk Install.";
}

str pkunzipMissing() {
    return str(appTexts::productName) + " requires pkunzip.exe to decompress zip files. \nPlease download "
                                        "pkunzip.exe and specify its location "
                                        "under Options.";
}

str noInstaller() {
    return "There doesn't appear to be an install program in the zip file you downloaded. \n\n"
           "- There may be install instructions in one of the text files. \n\n"
           "- Otherwise, cut and paste the program files into a folder of your choice.";
}

str installManually(const str& file) {
    return "If " + file +
           " was not itself an install program, you must install the program manually:\n\n"
           "- There may be install instructions in one of the text files.\n\n"
           "- Otherwise, cut and paste the program files into a folder of your choice. \n\nInstall manually?";
}

str stopped(const str& why, const str& name, const keptDownload& kept, const str& downloadFolder,
            const str& next) {
    str text =
        why + ", so " + shownPath(name) + " was not installed.\n\n" + whereItIs(kept, name, downloadFolder);
    return next.length() ? text + "\n\n" + next : text;
}

str whereItIs(const keptDownload& kept, const str& name, const str& downloadFolder) {
    str file = shownPath(name), folder = shownPath(kept.folder);
    switch (kept.how) {
    case keptDownload::moved:
    case keptDownload::copied:
        return file + (kept.how == keptDownload::moved ? " was moved to " : " was copied to ") + folder +
               (kept.name.compare(name) ? " as " + kept.name : str("")) + ".";
    case keptDownload::alreadyThere:
        return file + " is in " + folder + ".";
    case keptDownload::notMoved:
        break;
    }
    return file + " could not be moved to " + downloadFolder + "; it is in " + folder + ".";
}

str installLater(const str& first, const str& keptName) {
    int n = first.length();
    if (n > 0 && first[n - 1] == '.') return first;
    if (!Installable(keptName)) {
        int end = first.find(", then");
        return (end < 0 ? first : str(first, end)) + ".";
    }
    return first + ", in Explorer, right click on " + shownPath(keptName) + " and select Brisk Install.";
}

str notStarted(const str& program, DWORD error) {
    return shownPath(program) + " could not be started" + errorInBrackets(error);
}

str notAFullPath(const char* option, const str& value) {
    return str("The ") + option + " under Options (\"" + shownPath(value) + "\") is not a full path";
}

str scannerBroken(const str& scanner, const str& file, DWORD status) {
    return scanner + " stopped unexpectedly" + statusInBrackets(status) + " while scanning " +
           shownPath(file);
}

str unsafeForBatch(const str& scanner, const str& path) {
    return scanner + " was not started: it is a batch file, which would take the % ^ & | < > ! or \" in " +
           shownPath(path) + " for commands";
}

str tempFolderUnusable(const str& tempFolder) {
    return tempFolder + " could not be made or read";
}

str notCleaned(const str& stuck) {
    return stuck + " could not be deleted (it may be in use)";
}

str notMoved(const str& file, const str& folder) {
    return shownPath(file) + " could not be moved to " + folder;
}

str folderInTheWay(const str& file, const str& folder) {
    return notMoved(file, folder) + ", where a folder of that name is in the way";
}

str removeFolder(const str& folder) {
    return "Delete or rename the folder " + shownPath(folder) + ", then";
}

str refusal(zipDirectory::verdict verdict, const str& offender, const str& name) {
    str file = shownPath(name);
    switch (verdict) {
    case zipDirectory::sound:
        break;
    case zipDirectory::unreadable:
        return file + " could not be read";
    case zipDirectory::notAnArchive:
        return file + " is not a zip archive";
    case zipDirectory::damaged:
        return "The directory of " + file + " is damaged or incomplete";
    case zipDirectory::outside:
        return file + " names \"" + shown(offender) +
               "\", which would be written outside the folder it is unpacked into";
    case zipDirectory::zip64:
        return file + " is a ZIP64 archive, which pkunzip cannot unpack";
    case zipDirectory::spanned:
        return file + " spans several disks, which pkunzip cannot unpack";
    }
    return file + " could not be checked";
}

str writtenOverItself(const str& file, const str& entry) {
    str name = shownPath(file);
    return name + " names \"" + shown(entry) + "\", which would be written over " + name + " itself";
}

str notAProgram(const str& file) {
    return shownPath(file) + " is not a zip archive or a program (" + appTexts::productName +
           " installs .zip and .exe files)";
}

str noCurrentFolder(const str& tempFolder) {
    return tempFolder + " could not be made the current folder, where pkunzip.exe unpacks";
}

str unpackTimedOut(const str& file, const str& tempFolder) {
    return "pkunzip.exe did not finish unpacking " + shownPath(file) +
           " within 10 minutes (what it unpacked so far is in " + tempFolder + ")";
}

str unpackFailed(const str& file, DWORD status) {
    if (status >= firstUnfinishedStatus)
        return "pkunzip.exe stopped unexpectedly" + statusInBrackets(status) + " while unpacking " +
               shownPath(file);
    return "pkunzip.exe could not unpack all of " + shownPath(file) + errorInBrackets(status);
}

str scannerRemoved(const str& scanner, const str& file, const str& folder) {
    str name = shownPath(file);
    return scanner + " removed " + name + " while scanning it (it may have found a virus), so " + name +
           " was not installed.\n\nIt is no longer in " + shownPath(folder) +
           "; your anti-virus scanner can tell you what it found.";
}

// The path exactly as handed over, which names nothing or may not be a path at all; the name is
// its last part, which a final backslash does not take away. A root has none.
str notFound(const str& path) {
    return shownPath(path) + " could not be found, so " + notInstalled(path);
}

str aFolder(const str& path) {
    return shownPath(path) + " is a folder, not a downloaded file, so " + notInstalled(path) +
           " Nothing was moved.";
}

str notKept(const keptDownload& kept, const str& name, const str& downloadFolder) {
    return whereItIs(kept, name, downloadFolder) + "\n\nCheck the Download folder under Options, or move " +
           name + " to a folder of your own.";
}

} // namespace handOff
