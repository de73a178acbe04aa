// Fuzzes the zip directory reader on arbitrary bytes: it answers within the file's bounds, lists
// names only for a sound archive, and every name it accepts, resolved the way Windows resolves a
// path (where "..." may climb two levels and trailing dots and blanks are dropped), stays inside
// the folder it is unpacked into.
#include "fuzzInput.h"
#include "zipDirectory.h"

#include <cstdint>
#include <cstring>

namespace {
bool staysInside(const char* name) {
    size_t n = strlen(name);
    if (n == 0 || name[0] == '/' || name[0] == '\\' || strchr(name, ':'))
        return false;
    long depth = 0;
    for (size_t start = 0; start <= n;) {
        size_t end = start;
        while (end < n && name[end] != '/' && name[end] != '\\')
            ++end;
        size_t dots = 0, length = end - start;
        while (length > 0 && (name[start + length - 1] == '.' || name[start + length - 1] == ' '))
            dots += name[start + --length] == '.';
        if (length > 0)
            ++depth;
        else if (dots >= 2)
            depth -= (long)dots - 1;
        if (depth < 0)
            return false;
        start = end + 1;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zipBytes bytes(data, size);
    zipDirectory listing;
    zipDirectory::verdict verdict = listing.check(bytes);
    check(verdict >= zipDirectory::sound && verdict <= zipDirectory::spanned);
    check(verdict == zipDirectory::sound || listing.names.size() == 0);
    check((verdict == zipDirectory::outside) == !listing.offender.isNull());
    size_t total = 0;
    for (str* name = listing.names.toFirst(0); name; name = listing.names.move(1)) {
        check(staysInside(*name));
        total += 46 + name->length();
    }
    check(total <= size);
    listing.holdsTopFile("setup.exe");
    zipDirectory again; // a second reading of the same bytes agrees
    check(again.check(bytes) == verdict && again.names.size() == listing.names.size());
    return 0;
}
