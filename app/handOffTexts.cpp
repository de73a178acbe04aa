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
    return scanner + " could not be started, so " + file + " was not scanned.";
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
