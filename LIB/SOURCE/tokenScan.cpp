// tokenScan: a reentrant token walk; separators at either end and runs of them give no empty token.
#include "tokenScan.h"

#include <cstring>

tokenScan::tokenScan(const char* text, const char* separators)
    : text(text ? text : ""), separators(separators ? separators : ""), pos(0) {}

// strspn and strcspn measure the runs with the C library's scanning, many bytes at a time.
bool tokenScan::next(int& start, int& length) {
    pos += (int)strspn(text + pos, separators);
    if (!text[pos])
        return false;
    start = pos;
    pos += (int)strcspn(text + pos, separators);
    length = pos - start;
    return true;
}
