// strs: an ordered owning list of str values, read from and written to text files line by line.
#pragma once

#include "set.h"
#include "str.h"

#include <cstdio>

// Entries keep their insertion order and may repeat. The operations below walk the list with its
// own cursor and leave it at no particular place.
class strs : public set<str> {
public:
    strs() {}
    // Wraps a text into lines of at most width characters, breaking at the last blank that fits
    // (the blank is dropped). A word longer than the width is cut at the width.
    strs(int width, const char* text);
    // Wraps every entry of list longer than width; shorter entries are copied as they are.
    strs(int width, const strs& list);
    // Copies up to n strings of array, stopping at the first null string; n < 0: up to that one.
    strs(const str* array, int n);

    // Appends one entry per line of at most 999 characters (longer lines come in pieces), with
    // line ends removed. Returns 1, or 0 when the file cannot be opened.
    int read(const char* path);
    // The same from an open stream, from where it stands to its end; 0 for a null stream.
    int read(FILE* stream);
    // Writes each entry and a line feed to the file opened with mode (a null entry as an empty
    // line). Returns 1, or 0 when the file cannot be opened, a write fails or the close fails.
    int write(const char* path, const char* mode);
    int save(const char* path) { return write(path, "wt"); }
    int appendTo(const char* path) { return write(path, "at"); }
    // Writes each entry and a line feed to the stream; 1 when every write succeeded, else 0.
    int print(FILE* stream);

    void add(const char* text) { set<str>::add(new str(text)); }
    void add(str* entry) { set<str>::add(entry); }

    // Stable sort, ascending by compare (compareStr when none is given).
    void sort(int (*compare)(const str&, const str&) = compareStr);
    // Chops each entry in place, then joins: a non-empty entry and a blank; an empty one as " \n".
    str join();
    bool contains(const char* text);
    strs unique();           // the first of each group of equal entries, in order
    strs withoutBlankTail(); // without the final run of blank entries

private:
    void sortByText();
    void wrap(int width, const char* text);
};
