// RemoveRegistration: uninstallation takes the program out of the browser, the Explorer shell
// and the list of installed software. The files, the shortcut and the options stay.
#include "mainApp.h"
#include "uninstallEntry.h"

namespace {
void addLine(str& text, const str& line) {
    text += text.length() ? "\n" + line : line;
}
} // namespace

// The browser's helpers are given back first. The uninstall entry stays while anything is left,
// so that the uninstallation can be run from it again, and while it keeps helpers that an older
// installation replaced for a user whose uninstallation has not given them back yet.
str mainApp::RemoveRegistration(str* othersKept) {
    str left(""), notGivenBack("");
    if (othersKept) *othersKept = "";
    str types = RegisterViewers(false, &notGivenBack);
    const str hand = "Netscape Navigator may still hand downloaded files of the types ";
    if (notGivenBack.length())
        addLine(left,
                hand + notGivenBack + " to Brisk Download: their earlier helpers could not be given back.");
    if (types.length()) addLine(left, hand + types + " to Brisk Download: they could not be taken from it.");
    if (!RegisterShellVerb(false))
        addLine(left, "Explorer may still offer Brisk Install for .exe or .zip files.");
    if (left.length()) return left;
    str kept = TypesKeptInEntry();
    if (othersKept && !kept.isNull()) *othersKept = kept;
    if (kept.isNull() || (!kept.length() && !DeleteUninstallEntry()))
        addLine(left, "Brisk Download is still listed in Add/Remove Programs.");
    return left;
}
