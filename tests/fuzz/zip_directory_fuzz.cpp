// Fuzzes the zip directory reader on arbitrary bytes: it answers within the file's bounds, lists
// names only for a sound archive, and every name it accepts, resolved the way Windows resolves a
// path (where "..." may climb two levels and trailing dots and blanks are dropped), stays inside
// the folder it is unpacked into and names no device. Of a sound archive, the directory that an
// extractor reads (the one that ends at the last end record) is the one checked, and every
// Unicode path of its entries, which Info-ZIP's unzip writes instead of the stored name, passes
// the same test and is UTF-8 in its shortest form.
#include "fuzzInput.h"
#include "zipDirectory.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>

namespace {
unsigned get16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}
uint32_t get32(const uint8_t* p) {
    return get16(p) | (uint32_t)get16(p + 2) << 16;
}

bool sameLetters(const std::string& a, const char* b) {
    if (a.size() != strlen(b)) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (tolower((unsigned char)a[i]) != b[i]) return false;
    return true;
}

// Windows opens a device for these names before the first dot, trailing blanks dropped; the
// port digit may be a superscript in the ANSI or OEM code page or in UTF-8.
bool isDevice(std::string component) {
    component = component.substr(0, component.find('.'));
    while (!component.empty() && component.back() == ' ')
        component.pop_back();
    for (const char* device : {"con", "prn", "aux", "nul", "clock$", "conin$", "conout$"})
        if (sameLetters(component, device)) return true;
    if (component.size() < 4 ||
        !(sameLetters(component.substr(0, 3), "com") || sameLetters(component.substr(0, 3), "lpt")))
        return false;
    std::string digit = component.substr(3);
    for (const char* d : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "\xB9", "\xB2", "\xB3", "\xFB",
                          "\xFD", "\xFC", "\xC2\xB9", "\xC2\xB2", "\xC2\xB3"})
        if (digit == d) return true;
    return false;
}

bool staysInside(const std::string& name) {
    size_t n = name.size();
    if (n == 0 || name[0] == '/' || name[0] == '\\' || name.find(':') != std::string::npos ||
        name.find('\0') != std::string::npos)
        return false;
    long depth = 0;
    for (size_t start = 0; start <= n;) {
        size_t end = start;
        while (end < n && name[end] != '/' && name[end] != '\\')
            ++end;
        if (isDevice(name.substr(start, end - start))) return false;
        size_t dots = 0, length = end - start;
        while (length > 0 && (name[start + length - 1] == '.' || name[start + length - 1] == ' '))
            dots += name[start + --length] == '.';
        if (length > 0)
            ++depth;
        else if (dots >= 2)
            depth -= (long)dots - 1;
        if (depth < 0) return false;
        start = end + 1;
    }
    return true;
}

// Whether the text decodes as UTF-8 into code points that encode back into the same bytes (so no
// overlong form, which Info-ZIP's unzip decodes all the same: C0 AE is '.'), none of them a
// surrogate or beyond U+10FFFF.
bool shortestUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = (unsigned char)text[i];
        size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            if (((unsigned char)text[i + k] & 0xC0) != 0x80) return false;
            point = point << 6 | ((unsigned char)text[i + k] & 0x3F);
        }
        size_t shortest = point < 0x80 ? 1 : point < 0x800 ? 2 : point < 0x10000 ? 3 : 4;
        if (shortest != length || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

// Every Unicode path field (0x7075) in extra, as much of it as the block holds: its name, past the
// version and checksum, is shortest-form UTF-8 and stays inside.
void checkUnicodePaths(const uint8_t* extra, size_t n) {
    for (size_t at = 0; at + 4 <= n;) {
        size_t stated = get16(extra + at + 2), left = n - at - 4, length = stated < left ? stated : left;
        if (get16(extra + at) == 0x7075 && length > 5) {
            std::string name((const char*)extra + at + 9, length - 5);
            check(shortestUtf8(name) && staysInside(name));
        }
        at += 4 + stated;
    }
}

// A sound archive read as an extractor reads it: from the last end record, whose directory ends
// where it begins, each entry's extra fields and its local header's.
void checkAsExtracted(const uint8_t* data, size_t size, int entries) {
    size_t endAt = size - 22, lowest = size > 22 + 0xFFFF ? size - 22 - 0xFFFF : 0;
    while (endAt > lowest && get32(data + endAt) != 0x06054b50)
        --endAt;
    check(get32(data + endAt) == 0x06054b50 && (int)get16(data + endAt + 10) == entries);
    size_t at = get32(data + endAt + 16);
    check(at + get32(data + endAt + 12) == endAt);
    for (int e = 0; e < entries; ++e) {
        const uint8_t* entry = data + at;
        size_t name = get16(entry + 28), extra = get16(entry + 30), local = get32(entry + 42);
        checkUnicodePaths(entry + 46 + name, extra);
        checkUnicodePaths(data + local + 30 + get16(data + local + 26), get16(data + local + 28));
        at += 46 + name + extra + get16(entry + 32);
    }
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
        check(staysInside(std::string(*name, name->length())));
        total += 46 + name->length();
    }
    check(total <= size);
    if (verdict == zipDirectory::sound) checkAsExtracted(data, size, listing.names.size());
    listing.holdsTopFile("setup.exe");
    zipDirectory again; // a second reading of the same bytes agrees
    check(again.check(bytes) == verdict && again.names.size() == listing.names.size());
    return 0;
}
