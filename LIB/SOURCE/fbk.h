// fbk: one directory entry as the listing keeps it, with DOS date and time, and its text forms.
#pragma once

#include "str.h"

#include <cstdint>

#pragma pack(push, 1)
struct fbk {
    unsigned char attribute; // 0x10: a directory
    uint32_t time;           // DOS time in the low 16 bits: hour 11-15, minute 5-10, seconds/2 0-4
    uint32_t date;           // DOS date in the low 16 bits: years since 1980 9-15, month 5-8, day 0-4
    uint32_t size;           // bytes, low 32 bits
    char name[13];

    // Keeps at most 12 characters of the name, always terminated.
    void setName(const char* text);
    // Keeps a name found by a folder search where it fits, else its short (8.3) form. A cut name
    // could name another file, so when neither fits it keeps "" and returns false.
    bool setFoundName(const char* found, const char* shortName);
};
#pragma pack(pop)

// Comparisons for sorting listings: negative when a comes first.
int NewestFirst(const fbk& a, const fbk& b); // by date, then time, the later first
int OldestFirst(const fbk& a, const fbk& b);
int ByName(const fbk& a, const fbk& b); // strcmp of the names

str ListLine(const fbk& entry); // name, extension, size, date and time separated by tabs
str TimeText(unsigned time);    // 01:05:08 PM; noon and midnight show as 00
str DateText(unsigned date);    // 06/20/96; the year counts from 1900, so 2001 shows as 101
// Calendar time of the entry's local date and time, in 64 bits: DOS dates run to 2107, past the
// end of 32-bit time in 2038.
long long FileStamp(const fbk& entry);
