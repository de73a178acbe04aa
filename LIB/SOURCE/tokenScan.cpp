// tokenScan: a reentrant token walk; separators at either end and runs of them give no empty token.
#include "tokenScan.h"

tokenScan::tokenScan(const char* text, const char* separators) : text(text ? text : ""), pos(0) {
    for (bool& b : separator)
        b = false;
    for (const char* p = separators ? separators : ""; *p; ++p)
        separator[(unsigned char)*p] = true;
}

bool tokenScan::next(int& start, int& length) {
    while (text[pos] && separator[(unsigned char)text[pos]])
        ++pos;
    if (!text[pos]) return false;
    start = pos;
    while (text[pos] && !separator[(unsigned char)text[pos]])
        ++pos;
    length = pos - start;
    return true;
}
