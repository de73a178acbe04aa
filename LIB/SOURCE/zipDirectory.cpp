// zipDirectory: the end-of-directory record, the central directory and each entry's local
// header, checked against each other and against the file's size.
#include "zipDirectory.h"

#include <cstdio>
#include <cstring>
// Plain buffers, not std::vector: its length check would bring libstdc++'s exception classes and
// their strings (over 80 KB) into the program.
#include <memory>

namespace {

uint16_t get16(const unsigned char* p) {
    return (uint16_t)(p[0] | p[1] << 8);
}
uint32_t get32(const unsigned char* p) {
    return get16(p) | (uint32_t)get16(p + 2) << 16;
}

const uint32_t maxComment = 0xFFFF;

// The end-of-central-directory record; its comment follows.
struct endRecord {
    static const uint32_t signature = 0x06054b50, size = 22;
    uint16_t disk, directoryDisk, entriesHere, entries;
    uint32_t directorySize, directoryAt;
    uint16_t commentLength;
    explicit endRecord(const unsigned char* p)
        : disk(get16(p + 4)), directoryDisk(get16(p + 6)), entriesHere(get16(p + 8)), entries(get16(p + 10)),
          directorySize(get32(p + 12)), directoryAt(get32(p + 16)), commentLength(get16(p + 20)) {}
};

// What stands before a ZIP64 archive's end record.
struct zip64Locator {
    static const uint32_t signature = 0x07064b50, size = 20;
};

// The fixed part of a central directory entry; its name, extra field and comment follow.
struct centralEntry {
    static const uint32_t signature = 0x02014b50, size = 46;
    uint32_t packed, unpacked;
    uint16_t nameLength, extraLength, commentLength, disk;
    uint32_t localAt;
    explicit centralEntry(const unsigned char* p)
        : packed(get32(p + 20)), unpacked(get32(p + 24)), nameLength(get16(p + 28)),
          extraLength(get16(p + 30)), commentLength(get16(p + 32)), disk(get16(p + 34)),
          localAt(get32(p + 42)) {}
    uint64_t length() const { return (uint64_t)size + nameLength + extraLength + commentLength; }
};

// The fixed part of an entry's local header; its name and extra field follow, then the data.
struct localHeader {
    static const uint32_t signature = 0x04034b50, size = 30;
    uint16_t nameLength, extraLength;
    explicit localHeader(const unsigned char* p) : nameLength(get16(p + 26)), extraLength(get16(p + 28)) {}
};

// The fields of an extra block, one at a time: an identifier, a length, that many bytes. A field
// that runs past the block's end is given with what the block holds of it, as a reader may
// take it so.
class extraFields {
public:
    extraFields(const unsigned char* extra, uint32_t n) : extra(extra), n(n) {}
    bool next(uint16_t& id, const unsigned char*& data, uint32_t& length) {
        if (at + 4 > n) return false;
        id = get16(extra + at);
        uint32_t stated = get16(extra + at + 2), left = n - at - 4;
        length = stated < left ? stated : left;
        data = extra + at + 4;
        at += 4 + stated;
        return true;
    }

private:
    const unsigned char* extra;
    uint32_t n, at = 0;
};

const uint16_t zip64ExtraId = 0x0001;
// Info-ZIP's Unicode path: a version byte, the CRC-32 of the stored name, the name in UTF-8.
// Extractors that know it write the entry under that name.
const uint16_t unicodePathId = 0x7075;
const uint32_t unicodePathHead = 5;

class fileSource : public zipSource {
public:
    explicit fileSource(const char* path) : f(path ? fopen(path, "rb") : nullptr), n(0) {
        int64_t end = f && seek(0, SEEK_END) == 0 ? tell() : 0;
        n = end > 0 ? (uint64_t)end : 0;
    }
    ~fileSource() override {
        if (f) fclose(f);
    }
    fileSource(const fileSource&) = delete;
    fileSource& operator=(const fileSource&) = delete;
    bool opened() const { return f != nullptr; }
    uint64_t size() override { return n; }
    bool read(uint64_t offset, void* out, uint32_t count) override {
        return offset <= n && count <= n - offset && seek(offset, SEEK_SET) == 0 &&
               fread(out, 1, count, f) == count;
    }

private:
    FILE* f;
    uint64_t n;
#ifdef _WIN32
    int seek(uint64_t offset, int whence) {
        return fseeko64(f, (off64_t)offset, whence);
    }
    int64_t tell() {
        return ftello64(f);
    }
#else
    int seek(uint64_t offset, int whence) {
        return fseeko(f, (off_t)offset, whence);
    }
    int64_t tell() {
        return ftello(f);
    }
#endif
};

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool equalIgnoringAsciiCase(const char* a, const char* b, uint32_t n) {
    for (uint32_t i = 0; i < n; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = (char)(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = (char)(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// A component that Windows may read as the parent folder, or as more than one level up.
bool climbs(const char* c, uint32_t n) {
    uint32_t dots = 0;
    for (uint32_t i = 0; i < n; ++i) {
        if (c[i] == '.')
            ++dots;
        else if (c[i] != ' ')
            return false;
    }
    return dots >= 2;
}

// A digit that Windows reads after COM or LPT: 0 to 9, or a superscript one, two or three as the
// ANSI code page writes it (0xB9, 0xB2, 0xB3), as the OEM code page 850 of DOS extractors writes
// it (0xFB, 0xFD, 0xFC; 437 has 0xFD for two), or in UTF-8 (0xC2 before the ANSI byte).
bool isPortDigit(const unsigned char* d, uint32_t n) {
    auto ansi = [](unsigned char c) { return c == 0xB9 || c == 0xB2 || c == 0xB3; };
    if (n == 1)
        return (d[0] >= '0' && d[0] <= '9') || ansi(d[0]) || d[0] == 0xFB || d[0] == 0xFD || d[0] == 0xFC;
    return n == 2 && d[0] == 0xC2 && ansi(d[1]);
}

// A component that Windows opens as a device, whatever extension follows: its part before the
// first dot, without the blanks that end it, is a device's name in any letter case.
bool isDevice(const char* c, uint32_t n) {
    static const char* const devices[] = {"con", "prn", "aux", "nul", "clock$", "conin$", "conout$"};
    uint32_t base = 0;
    while (base < n && c[base] != '.')
        ++base;
    while (base > 0 && c[base - 1] == ' ')
        --base;
    for (const char* device : devices)
        if (strlen(device) == base && equalIgnoringAsciiCase(c, device, base)) return true;
    return base > 3 && (equalIgnoringAsciiCase(c, "com", 3) || equalIgnoringAsciiCase(c, "lpt", 3)) &&
           isPortDigit((const unsigned char*)c + 3, base - 3);
}

bool hasZip64Extra(const unsigned char* extra, uint32_t n) {
    extraFields fields(extra, n);
    uint16_t id;
    const unsigned char* data;
    uint32_t length;
    while (fields.next(id, data, length))
        if (id == zip64ExtraId) return true;
    return false;
}

// The text of n bytes, up to a zero byte among them.
str textOf(const char* p, uint32_t n) {
    const char* zero = (const char*)memchr(p, '\0', n);
    return str(p, zero ? (int)(zero - p) : (int)n);
}

// Whether the bytes are UTF-8 in its shortest form: no overlong form (C0 and C1, E0 before 80-9F,
// F0 before 80-8F), no surrogate (ED before A0-BF), nothing past U+10FFFF (F4 before 90-BF, F5
// and up), no continuation byte without its lead and no sequence cut short. Info-ZIP's unzip
// decodes an overlong form as the character it spells out: C0 AE C0 AE / is "../" to it.
bool shortestUtf8(const unsigned char* s, uint32_t n) {
    for (uint32_t i = 0; i < n;) {
        unsigned char c = s[i], low = 0x80, high = 0xBF;
        uint32_t more; // continuation bytes
        if (c < 0x80)
            more = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        if (n - i <= more) return false;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
        if (more > 0 && (s[i + 1] < low || s[i + 1] > high)) return false;
        for (uint32_t k = 2; k <= more; ++k)
            if ((s[i + k] & 0xC0) != 0x80) return false;
        i += more + 1;
    }
    return true;
}

// Refused when the name as stored, or a Unicode path of the extra fields (whatever its version
// or checksum: an extractor may trust it), does not stay inside, or that path is not UTF-8 in
// its shortest form; offender names it.
zipDirectory::verdict checkNames(const char* name, uint32_t nameLength, const unsigned char* extra,
                                 uint32_t extraLength, str& offender) {
    if (!StaysInside(name, nameLength)) {
        offender = textOf(name, nameLength);
        return zipDirectory::outside;
    }
    extraFields fields(extra, extraLength);
    uint16_t id;
    const unsigned char* data;
    uint32_t length;
    while (fields.next(id, data, length)) {
        if (id != unicodePathId || length <= unicodePathHead) continue;
        const char* unicode = (const char*)data + unicodePathHead;
        if (!shortestUtf8(data + unicodePathHead, length - unicodePathHead) ||
            !StaysInside(unicode, length - unicodePathHead)) {
            offender = textOf(unicode, length - unicodePathHead);
            return zipDirectory::outside;
        }
    }
    return zipDirectory::sound;
}

// The record is searched for backwards from the end of the file. A comment may hold the
// record's signature too: the record taken is the one whose comment ends exactly at the end of
// the file, or, with bytes after the comment, the last one whose comment fits. Extractors take
// the last signature they find, so a record with another signature after it (in its comment)
// would have them read another directory than the one checked here: such an archive is refused,
// and so are two records that both end exactly.
zipDirectory::verdict findEnd(zipSource& source, uint64_t& endAt, unsigned char* record) {
    uint64_t size = source.size();
    if (size < endRecord::size) return zipDirectory::notAnArchive;
    uint32_t tailSize = (uint32_t)(size < endRecord::size + maxComment ? size : endRecord::size + maxComment);
    unsigned char tail[endRecord::size + maxComment];
    uint64_t tailStart = size - tailSize;
    if (!source.read(tailStart, tail, tailSize)) return zipDirectory::unreadable;
    const unsigned char *exact = nullptr, *fitting = nullptr, *last = nullptr;
    for (uint32_t at = tailSize - endRecord::size + 1; at-- > 0;) {
        if (get32(&tail[at]) != endRecord::signature) continue;
        if (!last) last = &tail[at];
        uint64_t commentEnd = (uint64_t)at + endRecord::size + endRecord(&tail[at]).commentLength;
        if (commentEnd == tailSize && exact) return zipDirectory::damaged;
        if (commentEnd == tailSize)
            exact = &tail[at];
        else if (commentEnd < tailSize && !fitting)
            fitting = &tail[at];
    }
    const unsigned char* end = exact ? exact : fitting;
    if (!end) return last ? zipDirectory::damaged : zipDirectory::notAnArchive;
    if (end != last) return zipDirectory::damaged;
    endAt = tailStart + (uint64_t)(end - tail);
    memcpy(record, end, endRecord::size);
    return zipDirectory::sound;
}

// Extractors that find the directory short of the record take the difference for bytes put
// before the archive and read the directory that ends at the record: so it must end there.
zipDirectory::verdict checkEnd(zipSource& source, const endRecord& end, uint64_t endAt) {
    if (end.entries == 0xFFFF || end.entriesHere == 0xFFFF || end.directorySize == 0xFFFFFFFF ||
        end.directoryAt == 0xFFFFFFFF)
        return zipDirectory::zip64;
    unsigned char locator[4];
    if (endAt >= zip64Locator::size && source.read(endAt - zip64Locator::size, locator, 4) &&
        get32(locator) == zip64Locator::signature)
        return zipDirectory::zip64;
    if (end.disk != 0 || end.directoryDisk != 0 || end.entriesHere != end.entries)
        return zipDirectory::spanned;
    return (uint64_t)end.directoryAt + end.directorySize == endAt ? zipDirectory::sound
                                                                  : zipDirectory::damaged;
}

// The local header repeats the name, which an extractor may follow instead, and may hold a
// Unicode path of its own; its data must end before the directory begins.
zipDirectory::verdict checkLocal(zipSource& source, const centralEntry& entry, const char* name,
                                 uint64_t directoryAt, str& offender) {
    unsigned char head[localHeader::size];
    if ((uint64_t)entry.localAt + localHeader::size > directoryAt ||
        !source.read(entry.localAt, head, localHeader::size) || get32(head) != localHeader::signature)
        return zipDirectory::damaged;
    localHeader local(head);
    if (local.nameLength != entry.nameLength) return zipDirectory::damaged;
    uint64_t dataEnd =
        (uint64_t)entry.localAt + localHeader::size + local.nameLength + local.extraLength + entry.packed;
    uint32_t length = (uint32_t)local.nameLength + local.extraLength;
    std::unique_ptr<unsigned char[]> nameAndExtra(new unsigned char[length]);
    if (dataEnd > directoryAt ||
        !source.read(entry.localAt + localHeader::size, nameAndExtra.get(), length) ||
        memcmp(nameAndExtra.get(), name, local.nameLength) != 0)
        return zipDirectory::damaged;
    return checkNames(name, local.nameLength, nameAndExtra.get() + local.nameLength, local.extraLength,
                      offender);
}

// One entry of the directory at pos, checked with its local header; pos moves past it and its
// name is listed.
zipDirectory::verdict readEntry(zipSource& source, uint64_t& pos, uint64_t directoryAt, uint64_t directoryEnd,
                                strs& names, str& offender) {
    unsigned char head[centralEntry::size];
    if (pos + centralEntry::size > directoryEnd || !source.read(pos, head, centralEntry::size) ||
        get32(head) != centralEntry::signature)
        return zipDirectory::damaged;
    centralEntry entry(head);
    if (pos + entry.length() > directoryEnd || entry.nameLength == 0) return zipDirectory::damaged;
    uint32_t length = (uint32_t)entry.nameLength + entry.extraLength;
    std::unique_ptr<unsigned char[]> nameAndExtra(new unsigned char[length]);
    if (!source.read(pos + centralEntry::size, nameAndExtra.get(), length)) return zipDirectory::damaged;
    const char* name = (const char*)nameAndExtra.get();
    const unsigned char* extra = nameAndExtra.get() + entry.nameLength;
    if (entry.packed == 0xFFFFFFFF || entry.unpacked == 0xFFFFFFFF || entry.localAt == 0xFFFFFFFF ||
        hasZip64Extra(extra, entry.extraLength))
        return zipDirectory::zip64;
    if (entry.disk != 0) return zipDirectory::spanned;
    if (memchr(name, '\0', entry.nameLength)) return zipDirectory::damaged;
    zipDirectory::verdict v = checkNames(name, entry.nameLength, extra, entry.extraLength, offender);
    if (v == zipDirectory::sound) v = checkLocal(source, entry, name, directoryAt, offender);
    if (v != zipDirectory::sound) return v;
    names.add(str(name, (int)entry.nameLength));
    pos += entry.length();
    return zipDirectory::sound;
}

} // namespace

bool zipBytes::read(uint64_t offset, void* out, uint32_t count) {
    if (offset > n || count > n - offset) return false;
    memcpy(out, bytes + offset, count);
    return true;
}

bool StaysInside(const char* name, uint32_t n) {
    if (n == 0 || isSeparator(name[0]) || memchr(name, ':', n) || memchr(name, '\0', n)) return false;
    for (uint32_t start = 0; start < n;) {
        uint32_t end = start;
        while (end < n && !isSeparator(name[end]))
            ++end;
        if (climbs(name + start, end - start) || isDevice(name + start, end - start)) return false;
        start = end + 1;
    }
    return true;
}

zipDirectory::verdict zipDirectory::check(const char* path) {
    fileSource file(path);
    if (!file.opened()) return unreadable;
    return check(file);
}

zipDirectory::verdict zipDirectory::check(zipSource& source) {
    names.clear();
    offender = str();
    verdict v = readDirectory(source);
    if (v != sound) names.clear();
    return v;
}

zipDirectory::verdict zipDirectory::readDirectory(zipSource& source) {
    uint64_t endAt = 0;
    unsigned char record[endRecord::size];
    verdict v = findEnd(source, endAt, record);
    if (v != sound) return v;
    endRecord end(record);
    if ((v = checkEnd(source, end, endAt)) != sound) return v;
    uint64_t pos = end.directoryAt;
    for (uint32_t e = 0; e < end.entries; ++e)
        if ((v = readEntry(source, pos, end.directoryAt, endAt, names, offender)) != sound) return v;
    return pos == endAt ? sound : damaged; // else the entry count and the size disagree
}

bool zipDirectory::holdsTopFile(const char* wanted) {
    uint32_t n = (uint32_t)strlen(wanted);
    for (str* name = names.toFirst(0); name; name = names.move(1)) {
        const char* s = *name;
        while (s[0] == '.' && isSeparator(s[1])) // "./setup.exe" lands at the top too
            s += 2;
        if (strlen(s) == n && equalIgnoringAsciiCase(s, wanted, n)) return true;
    }
    return false;
}
