// zipDirectory: the end-of-directory record, the central directory and each entry's local
// header, checked against each other and against the file's size.
#include "zipDirectory.h"

#include <cstdio>
#include <cstring>
// Plain buffers, not std::vector: its length check would bring libstdc++'s exception classes and
// their strings (over 80 KB) into the program.
#include <memory>

namespace {

const uint32_t endSignature = 0x06054b50, entrySignature = 0x02014b50, localSignature = 0x04034b50,
               zip64LocatorSignature = 0x07064b50;
const uint32_t endSize = 22, entrySize = 46, localSize = 30, zip64LocatorSize = 20, maxComment = 0xFFFF;
const uint16_t zip64ExtraId = 0x0001;

uint16_t get16(const unsigned char* p) {
    return (uint16_t)(p[0] | p[1] << 8);
}
uint32_t get32(const unsigned char* p) {
    return get16(p) | (uint32_t)get16(p + 2) << 16;
}

class fileSource : public zipSource {
public:
    explicit fileSource(const char* path) : f(path ? fopen(path, "rb") : nullptr), n(0) {
        int64_t end = f && seek(0, SEEK_END) == 0 ? tell() : 0;
        n = end > 0 ? (uint64_t)end : 0;
    }
    ~fileSource() override {
        if (f)
            fclose(f);
    }
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

// Whether the extra fields hold a ZIP64 one; a malformed tail is not looked into.
bool hasZip64Extra(const unsigned char* extra, uint32_t n) {
    for (uint32_t at = 0; at + 4 <= n; at += 4 + get16(extra + at + 2))
        if (get16(extra + at) == zip64ExtraId)
            return true;
    return false;
}

bool equalIgnoringAsciiCase(const char* a, const char* b, uint32_t n) {
    for (uint32_t i = 0; i < n; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = (char)(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = (char)(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

bool zipBytes::read(uint64_t offset, void* out, uint32_t count) {
    if (offset > n || count > n - offset)
        return false;
    memcpy(out, bytes + offset, count);
    return true;
}

bool StaysInside(const char* name, uint32_t n) {
    if (n == 0 || isSeparator(name[0]) || memchr(name, ':', n) || memchr(name, '\0', n))
        return false;
    for (uint32_t start = 0; start < n;) {
        uint32_t end = start;
        while (end < n && !isSeparator(name[end]))
            ++end;
        if (climbs(name + start, end - start))
            return false;
        start = end + 1;
    }
    return true;
}

zipDirectory::verdict zipDirectory::check(const char* path) {
    fileSource file(path);
    if (!file.opened())
        return unreadable;
    return check(file);
}

zipDirectory::verdict zipDirectory::check(zipSource& source) {
    names.clear();
    offender = str();
    verdict v = readDirectory(source);
    if (v != sound)
        names.clear();
    return v;
}

// The record is searched for backwards from the end of the file. A comment may hold the
// record's signature too: the record taken is the one whose comment ends exactly at the end of
// the file, or, with bytes after the comment, the last one whose comment fits. Extractors take
// the last signature they find, so a record with another signature after it (in its comment)
// would have them read another directory than the one checked here: such an archive is refused,
// and so are two records that both end exactly.
zipDirectory::verdict zipDirectory::readDirectory(zipSource& source) {
    uint64_t size = source.size();
    if (size < endSize)
        return notAnArchive;
    uint32_t tailSize = (uint32_t)(size < endSize + maxComment ? size : endSize + maxComment);
    std::unique_ptr<unsigned char[]> tail(new unsigned char[tailSize]);
    uint64_t tailStart = size - tailSize;
    if (!source.read(tailStart, tail.get(), tailSize)) return unreadable;
    const unsigned char *exact = nullptr, *fitting = nullptr, *last = nullptr;
    for (uint32_t at = tailSize - endSize + 1; at-- > 0;) {
        if (get32(&tail[at]) != endSignature)
            continue;
        if (!last)
            last = &tail[at];
        uint64_t commentEnd = (uint64_t)at + endSize + get16(&tail[at + 20]);
        if (commentEnd == tailSize && exact)
            return damaged;
        if (commentEnd == tailSize)
            exact = &tail[at];
        else if (commentEnd < tailSize && !fitting)
            fitting = &tail[at];
    }
    const unsigned char* end = exact ? exact : fitting;
    if (!end)
        return last ? damaged : notAnArchive;
    if (end != last)
        return damaged;
    uint64_t endAt = tailStart + (uint64_t)(end - tail.get());

    uint16_t disk = get16(end + 4), directoryDisk = get16(end + 6), entriesHere = get16(end + 8),
             entries = get16(end + 10);
    uint32_t directorySize = get32(end + 12), directoryAt = get32(end + 16);
    if (entries == 0xFFFF || entriesHere == 0xFFFF || directorySize == 0xFFFFFFFF ||
        directoryAt == 0xFFFFFFFF)
        return zip64;
    unsigned char locator[4];
    if (endAt >= zip64LocatorSize && source.read(endAt - zip64LocatorSize, locator, 4) &&
        get32(locator) == zip64LocatorSignature)
        return zip64;
    if (disk != 0 || directoryDisk != 0 || entriesHere != entries)
        return spanned;
    if ((uint64_t)directoryAt + directorySize > endAt)
        return damaged;

    uint64_t pos = directoryAt, directoryEnd = (uint64_t)directoryAt + directorySize;
    std::unique_ptr<unsigned char[]> entry, local;
    for (uint32_t e = 0; e < entries; ++e) {
        unsigned char head[entrySize];
        if (pos + entrySize > directoryEnd || !source.read(pos, head, entrySize) ||
            get32(head) != entrySignature)
            return damaged;
        uint32_t nameLength = get16(head + 28), extraLength = get16(head + 30);
        uint64_t entryLength = (uint64_t)entrySize + nameLength + extraLength + get16(head + 32);
        if (pos + entryLength > directoryEnd || nameLength == 0)
            return damaged;
        entry.reset(new unsigned char[nameLength + extraLength]);
        if (!source.read(pos + entrySize, entry.get(), nameLength + extraLength)) return damaged;
        const char* name = (const char*)entry.get();
        uint32_t packed = get32(head + 20), unpacked = get32(head + 24), localAt = get32(head + 42);
        if (packed == 0xFFFFFFFF || unpacked == 0xFFFFFFFF || localAt == 0xFFFFFFFF ||
            hasZip64Extra(entry.get() + nameLength, extraLength))
            return zip64;
        if (get16(head + 34) != 0)
            return spanned;
        if (memchr(name, '\0', nameLength))
            return damaged;
        if (!StaysInside(name, nameLength)) {
            offender = str(name, (int)nameLength);
            return outside;
        }

        // The local header repeats the name, which an extractor may follow instead, and its
        // data must end before the directory begins.
        unsigned char localHead[localSize];
        if ((uint64_t)localAt + localSize > directoryAt || !source.read(localAt, localHead, localSize) ||
            get32(localHead) != localSignature || get16(localHead + 26) != nameLength)
            return damaged;
        uint64_t dataEnd = (uint64_t)localAt + localSize + nameLength + get16(localHead + 28) + packed;
        local.reset(new unsigned char[nameLength]);
        if (dataEnd > directoryAt || !source.read(localAt + localSize, local.get(), nameLength) ||
            memcmp(local.get(), name, nameLength) != 0)
            return damaged;

        names.add(str(name, (int)nameLength));
        pos += entryLength;
    }
    return pos == directoryEnd ? sound : damaged; // else the entry count and the size disagree
}

bool zipDirectory::holdsTopFile(const char* wanted) {
    uint32_t n = (uint32_t)strlen(wanted);
    for (str* name = names.toFirst(0); name; name = names.move(1)) {
        const char* s = *name;
        while (s[0] == '.' && isSeparator(s[1])) // "./setup.exe" lands at the top too
            s += 2;
        if (strlen(s) == n && equalIgnoringAsciiCase(s, wanted, n))
            return true;
    }
    return false;
}
