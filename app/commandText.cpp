// Quoting of paths in command lines.
#include "commandText.h"

#include "path.h"

namespace {
bool inQuotes(const str& text) {
    int n = text.length();
    return n >= 2 && text[0] == '"' && text[n - 1] == '"';
}
} // namespace

str quotedIfBlank(const str& path) {
    return path.countOf(' ') && !inQuotes(path) ? "\"" + path + "\"" : path;
}

str unquoted(const str& text) {
    return inQuotes(text) ? text.mid(1, text.length() - 2) : text;
}

bool IsBatchFile(const str& program) {
    str extension = LastExtOf(program).toLower();
    return extension.compare("bat") == 0 || extension.compare("cmd") == 0;
}

bool HoldsShellSpecials(const str& text) {
    for (const char* c = "%^&|<>!\""; *c; ++c)
        if (text.countOf(*c)) return true;
    return false;
}

str ScanCommand(const str& scannerOption, const str& file) {
    str scanner = unquoted(scannerOption);
    str argument = IsBatchFile(scanner) ? "\"" + file + "\"" : quotedIfBlank(file);
    return quotedIfBlank(scanner) + " " + argument;
}
