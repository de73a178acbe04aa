// fbk: directory entries: comparisons, listing lines, DOS date and time texts.
#include "fbk.h"

#include <cstring>
#include <ctime>

static_assert(sizeof(fbk) == 26, "a directory entry is a packed record of 26 bytes");

void fbk::setName(const char* text) {
    strncpy(name, text ? text : "", sizeof name - 1);
    name[sizeof name - 1] = 0;
}

namespace {
bool fits(const char* text) {
    return text && *text && strlen(text) < sizeof(fbk::name);
}
long long stampOf(const fbk& e) {
    return ((long long)(e.date & 0xFFFF) << 16) | (e.time & 0xFFFF);
}
} // namespace

bool fbk::setFoundName(const char* found, const char* shortName) {
    setName(fits(found) ? found : fits(shortName) ? shortName : "");
    return name[0] != 0;
}

int NewestFirst(const fbk& a, const fbk& b) {
    long long x = stampOf(a), y = stampOf(b);
    return x > y ? -1 : x < y ? 1 : 0;
}

int OldestFirst(const fbk& a, const fbk& b) {
    return -NewestFirst(a, b);
}

int ByName(const fbk& a, const fbk& b) {
    return strcmp(a.name, b.name);
}

str TimeText(unsigned time) {
    unsigned hour = (time >> 11) & 31;
    return str(20, "%2.2u:%2.2u:%2.2u %cM", hour % 12, (time >> 5) & 63, (time & 31) * 2,
               (time & 0xFFFF) > 0x5FFF ? 'P' : 'A');
}

str DateText(unsigned date) {
    return str(20, "%2.2u/%2.2u/%2.2u", (date >> 5) & 15, date & 31, ((date >> 9) & 127) + 80);
}

str ListLine(const fbk& entry) {
    const char* dot = strchr(entry.name, '.');
    str base = dot ? str(entry.name, (int)(dot - entry.name)) : str(entry.name);
    str ext(dot ? dot + 1 : "");
    return str(100, "%-8s\t%-3s\t%9lu\t%s\t%s", (const char*)base, (const char*)ext,
               (unsigned long)entry.size, (const char*)DateText(entry.date),
               (const char*)TimeText(entry.time));
}

long long FileStamp(const fbk& entry) {
    struct tm t = {};
    t.tm_sec = (entry.time & 31) * 2;
    t.tm_min = (entry.time >> 5) & 63;
    t.tm_hour = (entry.time >> 11) & 31;
    t.tm_mday = entry.date & 31;
    t.tm_mon = ((entry.date >> 5) & 15) - 1;
    t.tm_year = ((entry.date >> 9) & 127) + 80;
    t.tm_isdst = -1;
#ifdef _WIN32
    return (long long)_mktime64(&t); // the 32-bit runtime's time_t ends in 2038
#else
    return (long long)mktime(&t);
#endif
}
