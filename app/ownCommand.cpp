// The program part of a command and whether it is this program.
#include "ownCommand.h"

#include "appTexts.h"
#include "path.h"
#include "samePath.h"

#include <cstring>
#include <windows.h>

namespace {
// Windows adds ".exe" to a program named without an extension.
str withExe(const str& program) {
    return !program.length() || ExtOf(FileOf(program)).length() ? program : program + ".exe";
}

// An unquoted command is read as Windows starts it: each text up to a blank is tried in turn, the
// shortest first, and the first that names a file is the program. Where none does, the text up to
// the first ".exe" that ends a word, else the whole command.
str unquotedProgram(const str& command) {
    const char* text = command;
    for (int i = 1; text[i - 1]; ++i)
        if (!text[i] || text[i] == ' ' || text[i] == '\t') {
            str program = withExe(str(command, i));
            if (IsFile(program.replaceChar('/', '\\'))) return program;
        }
    str lower = command.toLower();
    const char* lowered = lower;
    for (const char* hit = strstr(lowered, ".exe"); hit; hit = strstr(hit + 1, ".exe"))
        if (!hit[4] || hit[4] == ' ' || hit[4] == '\t') return str(command, (int)(hit - lowered) + 4);
    return command;
}

str programOf(const str& command) {
    str program;
    if (command[0] == '"') {
        str inside(command + 1);
        int close = inside.find("\"");
        program = withExe(close < 0 ? inside : str(inside, close));
    } else {
        program = unquotedProgram(command);
    }
    return program.replaceChar('/', '\\');
}
} // namespace

bool StartsOwnProgram(const str& command, const str& runningCopy) {
    if (!command.length()) return false;
    str program = programOf(command);
    if (!program.length()) return false;
    if (runningCopy.length() && SamePath(program, runningCopy)) return true;
    return lstrcmpiA(FileOf(LongFullPath(program)), str(appTexts::productName) + ".exe") == 0;
}
