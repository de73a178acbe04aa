// The messages of the download hand-off, word for word.
#include "handleDownload.h"

#include "appTexts.h"

namespace handOff {

str installNowQuestion(const str& file) {
    return file + " has finished downloading.\n\nInstall it now?\n\n"
                  "(If you choose \"No\" you will have the option to install it later)";
}

str movedForLater(const str& file, const str& downloadFolder) {
    return file + " was moved to " + downloadFolder + ".\n\nWhen you are ready to install it, in Explorer, right click on " +
           file + " and select Brisk Install.";
}

str pkunzipMissing() {
    return str(appTexts::productName) +
           " requires pkunzip.exe to decompress zip files. \nPlease download pkunzip.exe and specify its location "
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

str scannerNotStarted(const str& scanner, const str& file) {
    return scanner + " could not be started, so " + file + " was not scanned and not installed.";
}

str scannerBroken(const str& scanner, const str& file, DWORD status) {
    return scanner + str(80, " ended with status 0x%08lX before it finished, so ", (unsigned long)status) +
           file + " was not scanned and not installed.";
}

str scannerRemoved(const str& scanner, const str& file) {
    return scanner + " removed " + file +
           " while scanning it; it may have found a virus. Nothing was installed.";
}

str whereItIs(const keptDownload& kept, const str& file) {
    if (kept.how != keptDownload::moved)
        return "It is still in " + kept.folder + ".";
    if (kept.name.compare(file) != 0)
        return "It was moved to " + kept.folder + " as " + kept.name + ".";
    return "It was moved to " + kept.folder + ".";
}

str notFound(const str& path) {
    return path + " could not be found, so nothing was installed.";
}

str aFolder(const str& path) {
    return path + " is a folder, not a downloaded file, so nothing was moved or installed.";
}

str tempFolderUnusable(const str& tempFolder, const str& file) {
    return tempFolder + " could not be made or read, so " + file + " was not installed.";
}

str notCleaned(const str& stuck, const str& file) {
    return stuck + " could not be deleted (it may be in use), so " + file + " was not installed.";
}

namespace {
// An entry name as the archive gives it, which may be long or hold line breaks: control
// characters become '?' and the text is cut, so that it cannot reshape the message.
str shown(const str& name) {
    const int longest = 80;
    str text = name.length() > longest ? str(name, longest) + "..." : name;
    for (int i = 0; i < text.length(); ++i)
        if ((unsigned char)text[i] < ' ')
            text[i] = '?';
    return text;
}
} // namespace

str refusal(zipDirectory::verdict verdict, const str& offender) {
    switch (verdict) {
    case zipDirectory::sound:
        break;
    case zipDirectory::unreadable:
        return "it could not be read";
    case zipDirectory::notAnArchive:
        return "it is not a zip archive";
    case zipDirectory::damaged:
        return "its directory is damaged or incomplete";
    case zipDirectory::outside:
        return "it names \"" + shown(offender) +
               "\", which would be written outside the folder it is unpacked into";
    case zipDirectory::zip64:
        return "it is a ZIP64 archive, which pkunzip cannot unpack";
    case zipDirectory::spanned:
        return "it spans several disks, which pkunzip cannot unpack";
    }
    return str("");
}

str notUnpacked(const str& file, const str& reason, const str& folder) {
    return file + " was not unpacked or installed: " + reason + ".\n\nIt is still in " + folder + ".";
}

str notMoved(const str& file, const str& folder) { return file + " could not be moved to " + folder + "."; }

str notAProgram(const str& file, const str& downloadFolder) {
    return file + " was moved to " + downloadFolder + ".\n\n" + appTexts::productName +
           " installs only zip archives and programs (.zip and .exe files).";
}

str unpackTimedOut(const str& tempFolder) {
    return "pkunzip.exe did not finish within 10 minutes.\n\nThe files unpacked so far are in " + tempFolder + ".";
}

str setDownloadFolder() { return "Please set the Download folder under Options."; }

} // namespace handOff
