// mainApp: construction, the version caption and the mode dispatch.
#include "mainApp.h"

#include "appOptions.h"
#include "appTexts.h"
#include "options.h"
#include "path.h"
#include "registry.h"

mainApp::mainApp(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow)
    : genApp(name, instance, prevInstance, cmdLine, cmdShow), afterDownload(0) {
    prefs = new pref(*this, appOptions::items, appOptions::count, str(Name), appTexts::prefFileBase);
}

// The store lives as long as the process; the library never deletes it.
mainApp::~mainApp() {}

bool mainApp::WriteValue(HKEY root, const char* key, const char* name, const char* text) {
    return WriteRegistry(root, key, name, REG_SZ, text, 0) != 0;
}

str mainApp::VersionCaption() { return str(appTexts::productName) + " " + appTexts::version; }

// Started without arguments as setup.exe (in any case, without its extension), the program installs itself.
bool mainApp::namedSetup() {
    return StripExt(FileOf(modulePath)).toLower().compare("setup") == 0;
}

int mainApp::Run() {
    options line;
    line.parseList(commandLine);
    const str product(appTexts::productName);
    modulePath = moduleFileName(nullptr);

    if (line.lookup(appTexts::uninstallWord)) {
        if (MsgBox("Uninstall " + product + "?", MB_YESNO | MB_ICONQUESTION, product, nullptr) == IDYES) {
            str left = RemoveRegistration();
            if (left.length())
                MsgBox(product + " could not be uninstalled completely:\n\n" + left +
                           "\n\nRunning the uninstallation again as an administrator may remove the rest.",
                       MB_ICONEXCLAMATION, product, nullptr);
            else
                MsgBox(product + " has been uninstalled.", MB_ICONINFORMATION, product, nullptr);
        }
        return 1;
    }

    if (commandLine.length() == 0 && namedSetup()) {
        InstallSelf();
        return 1;
    }

    str* first = line.args.toFirst(0);
    commandLine = first ? *first : str("");
    if (line.lookup(appTexts::optionsWord) || commandLine.length() == 0) {
        ShowOptions();
        return 1;
    }

    afterDownload = prefs->findItem(appOptions::afterDownloadId)->getInt();
    if (line.lookup(appTexts::runWord))
        afterDownload = 0;
    HandleDownload(commandLine);
    return 1;
}
