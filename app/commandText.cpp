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

// Windows drops final dots and blanks from a file's name: scan.bat. is scan.bat.
bool IsBatchFile(const str& program) {
    int n = program.length();
    while (n > 0 && (program[n - 1] == '.' || program[n - 1] == ' '))
        --n;
    str extension = LastExtOf(str(program, n)).toLower();
    return extension.compare("bat") == 0 || extension.compare("cmd") == 0;
}

bool HoldsShellSpecials(const str& text) {
    for (const char* c = "%^&|<>!\""; *c; ++c)
        if (text.countOf(*c)) return true;
    return false;
}

// With /s, cmd.exe takes away the first and the last quote of what follows /c and runs the rest
// as it stands; /d leaves out the commands that the registry adds to every start.
str ScanCommand(const str& scannerOption, const str& file) {
    str scanner = unquoted(scannerOption);
    if (IsBatchFile(scanner)) return "cmd.exe /d /s /c \"\"" + scanner + "\" \"" + file + "\"\"";
    return quotedIfBlank(scanner) + " " + quotedIfBlank(file);
}
