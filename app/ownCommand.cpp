// The program part of a command and whether it is this program.
#include "ownCommand.h"

#include "appTexts.h"
#include "path.h"
#include "samePath.h"

#include <cstring>
#include <windows.h>

namespace {
str programOf(const str& command) {
    str program;
    if (command.length() && command[0] == '"') {
        str inside(command + 1);
        int close = inside.find("\"");
        program = close < 0 ? inside : str(inside, close);
    } else {
        // Windows reads an unquoted path with blanks up to a name that is a program.
        str lower = command.toLower();
        const char* text = lower;
        program = command;
        for (const char* hit = text ? strstr(text, ".exe") : nullptr; hit; hit = strstr(hit + 1, ".exe"))
            if (!hit[4] || hit[4] == ' ' || hit[4] == '\t') {
                program = str(command, (int)(hit - text) + 4);
                break;
            }
    }
    return program.replaceChar('/', '\\');
}
} // namespace

bool StartsOwnProgram(const str& command, const str& runningCopy) {
    str program = programOf(command);
    if (!program.length()) return false;
    if (runningCopy.length() && SamePath(program, runningCopy)) return true;
    return lstrcmpiA(FileOf(LongFullPath(program)), str(appTexts::productName) + ".exe") == 0;
}
