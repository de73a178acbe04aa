// The debug list: a global switch and buffer; the file is opened and closed for every write,
// and a file that cannot be opened loses the lines.
#include "debugList.h"

#include "strs.h"

namespace {
const char listFile[] = "~debug.lst";
int debugOn = 1;

strs& buffer() {
    static strs lines;
    return lines;
}
} // namespace

void setDebug(int on) {
    debugOn = on;
}

void debugWrite(const char* text) {
    if (!debugOn) return;
    strs line;
    line.add(text);
    line.appendTo(listFile);
}

void debugAdd(const char* text) {
    if (debugOn) buffer().add(text);
}

void debugFlush() {
    buffer().appendTo(listFile);
}
