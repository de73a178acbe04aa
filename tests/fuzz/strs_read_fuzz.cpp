// Fuzzes reading a text file of arbitrary bytes into a string list, and the list operations on
// what was read: lines come in pieces of at most 999 characters without their line ends.
#include "fuzzInput.h"
#include "strs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {
const std::string& scratchFile() {
    static std::string path = "/tmp/strs_read_fuzz." + std::to_string(getpid());
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* f = fopen(scratchFile().c_str(), "wb");
    if (!f)
        return 0;
    fwrite(data, 1, size, f);
    fclose(f);

    strs lines;
    check(lines.read(scratchFile().c_str()) == 1);
    size_t total = 0;
    for (str* s = lines.toFirst(0); s; s = lines.move(1)) {
        check(s->length() <= 999 && strchr(*s, '\n') == nullptr);
        total += s->length();
    }
    check(total <= size);
    // The same entries as fgets with a 1000-byte buffer and chop give.
    f = fopen(scratchFile().c_str(), "rt");
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
    str joined = lines.join();
    check(joined.length() >= 0);
    strs wrapped(size % 60 + 1, lines);
    strs tail = lines.withoutBlankTail();
    check(tail.size() <= lines.size());
    return 0;
}
