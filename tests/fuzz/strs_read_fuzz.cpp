// Fuzzes reading a text of arbitrary bytes into a string list, and the list operations on what
// was read: lines come in pieces of at most 999 characters without their line ends. The bytes are
// read from memory, through the same reader that reads files.
#include "fuzzInput.h"
#include "strs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) // a memory stream needs a byte
        return 0;
    FILE* f = fmemopen((void*)data, size, "r");
    check(f != nullptr);
    strs lines;
    check(lines.read(f) == 1);
    fclose(f);
    size_t total = 0;
    for (str* s = lines.toFirst(0); s; s = lines.move(1)) {
        check(s->length() <= 999 && strchr(*s, '\n') == nullptr);
        total += s->length();
    }
    check(total <= size);
    // The same entries as fgets with a 1000-byte buffer and chop give.
    f = fmemopen((void*)data, size, "r");
    check(f != nullptr);
    str* entry = lines.toFirst(0);
    for (char line[1000]; fgets(line, sizeof line, f); entry = lines.move(1))
        check(entry && strcmp(*entry, str(line).chop()) == 0);
    check(!entry);
    fclose(f);

    strs sorted(lines);
    sorted.sort();
    check(sorted.size() == lines.size());
    str* previous = nullptr;
    for (str* s = sorted.toFirst(0); s; previous = s, s = sorted.move(1))
        check(!previous || compareStr(*previous, *s) <= 0);
    strs once = lines.unique();
    check(once.size() <= lines.size());
    size_t joinedLength = 0; // each entry and a blank; an empty one as " \n"
    for (str* s = lines.toFirst(0); s; s = lines.move(1))
        joinedLength += s->length() ? s->length() + 1 : 2;
    str joined = lines.join();
    check(lines.size() == 0 ? joined.isNull() : (size_t)joined.length() == joinedLength);
    strs wrapped(size % 60 + 1, lines);
    strs tail = lines.withoutBlankTail();
    check(tail.size() <= lines.size());
    return 0;
}
