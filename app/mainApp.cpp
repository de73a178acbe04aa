// mainApp: construction, the version caption and the mode dispatch.
#include "mainApp.h"

#include "appOptions.h"
#include "appTexts.h"
#include "commandText.h"
#include "options.h"
#include "path.h"
#include "registry.h"

mainApp::mainApp(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine,
                 int cmdShow)
    : genApp(name, instance, prevInstance, cmdLine, cmdShow), afterDownload(0) {
    prefs = new pref(*this, appOptions::items, appOptions::count, str(Name), appTexts::prefFileBase);
}

// The store lives as long as the process; the library never deletes it.
mainApp::~mainApp() {}

bool mainApp::WriteValue(HKEY root, const char* key, const char* name, const char* text) {
    return WriteRegistry(root, key, name, REG_SZ, text, 0) != 0;
}

str mainApp::VersionCaption() {
    return str(appTexts::productName) + " " + appTexts::version;
}

// Started without arguments as setup.exe (in any case, without its extension), the program installs itself.
bool mainApp::namedSetup() {
    return StripExt(FileOf(modulePath)).toLower().compare("setup") == 0;
}

namespace {
// A download's name may hold commas, which the split would cut: the whole command line (one pair
// of enclosing quotes removed), or what follows a leading switch and its comma, is the file when
// it names something that exists. A line, or what follows the comma, that is itself a switch is
// never read as a file, so /uninstall and /run,-uninstall stay switches beside a file \uninstall
// at the root of the current drive or -uninstall in the current folder. Null when the split
// decides; lead is then "", else the switch before the file, or "".
str wholeFile(const str& line, str& lead) {
    options grammar;
    lead = "";
    str whole = unquoted(line);
    if (!grammar.isSwitch(whole) && FileExists(whole)) return whole;
    int comma = line.find(",");
    const char* after = comma > 0 ? (const char*)line + comma + 1 : "";
    if (comma > 0 && grammar.isSwitch(str(line, comma)) && !grammar.isSwitch(after) && FileExists(after)) {
        lead = str(line, comma);
        return str(after);
    }
    return str();
}
} // namespace

int mainApp::Run() {
    str lead, file = wholeFile(commandLine, lead);
    options line;
    line.parseList(file.isNull() ? commandLine : lead);
    const str product(appTexts::productName);
    modulePath = moduleFileName(nullptr);

    if (line.lookup(appTexts::uninstallWord)) {
        if (MsgBox("Uninstall " + product + "?", MB_YESNO | MB_ICONQUESTION, product, nullptr) == IDYES) {
            str othersKept;
            str left = RemoveRegistration(&othersKept);
            if (left.length())
                MsgBox(product + " could not be uninstalled completely:\n\n" + left +
                           "\n\nRunning the uninstallation again as an administrator may remove the rest.",
                       MB_ICONEXCLAMATION, product, nullptr);
            else {
                str note("");
                if (othersKept.length())
                    note = "\n\nIt stays listed in Add/Remove Programs, where an older installation kept the "
                           "earlier helpers of the types " +
                           othersKept +
                           " for Netscape Navigator: the uninstallation by the user whose browser "
                           "hands those types to " +
                           product + " gives them back.";
                MsgBox(product + " has been uninstalled." + note, MB_ICONINFORMATION, product, nullptr);
            }
        }
        return 1;
    }

    if (commandLine.length() == 0 && namedSetup()) {
        InstallSelf();
        return 1;
    }

    str* first = line.args.toFirst(0);
    commandLine = !file.isNull() ? file : first ? *first : str("");
    if (line.lookup(appTexts::optionsWord) || commandLine.length() == 0) {
        ShowOptions();
        return 1;
    }

    afterDownload = prefs->findItem(appOptions::afterDownloadId)->getInt();
    if (line.lookup(appTexts::runWord)) afterDownload = 0;
    HandleDownload(commandLine);
    return 1;
}
