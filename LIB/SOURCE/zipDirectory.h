// zipDirectory: a zip archive's central directory, read and checked before anything is unpacked.
#pragma once

#include "str.h"
#include "strs.h"

#include <cstdint>

// Where an archive's bytes come from.
class zipSource {
public:
    virtual ~zipSource() {}
    virtual uint64_t size() = 0;
    // Reads n bytes at offset into out; false unless all of them were read.
    virtual bool read(uint64_t offset, void* out, uint32_t n) = 0;
};

// An archive in memory; the bytes stay the caller's.
class zipBytes : public zipSource {
public:
    zipBytes(const void* bytes, uint64_t n) : bytes((const unsigned char*)bytes), n(n) {}
    uint64_t size() override { return n; }
    bool read(uint64_t offset, void* out, uint32_t count) override;

private:
    const unsigned char* bytes;
    uint64_t n;
};

class zipDirectory {
public:
    enum verdict {
        sound,        // every entry can be unpacked into the folder and stays inside it
        unreadable,   // the file could not be opened or read
        notAnArchive, // no end-of-directory record
        damaged,      // truncated or inconsistent: offsets, sizes or the entry count disagree
        outside,      // an entry name is absolute, has a drive, climbs out with "..", names a device or is
                      // a Unicode path that is not shortest-form UTF-8
        zip64,        // a ZIP64 archive, beyond what pkunzip reads
        spanned,      // an archive over several disks
    };

    // Reads the end-of-directory record (found behind an archive comment too) and every entry
    // of the directory, which must end where the record begins, with each entry's local header.
    // Each name is checked as stored and under every Unicode path its extra fields give it, which
    // must be UTF-8 in its shortest form. The first fault found decides.
    verdict check(zipSource& source);
    verdict check(const char* path); // the file at path

    strs names;   // when sound: every entry's name as stored (a folder's ends in '/')
    str offender; // when outside: the name that was refused (up to a zero byte in it)

    // Whether the archive holds a file of this name (ASCII case ignored) at its top level.
    bool holdsTopFile(const char* name);

private:
    verdict readDirectory(zipSource& source);
};

// Whether an entry name, as stored, unpacks inside the folder it is unpacked into: not empty,
// not starting with a separator ('/' or '\'), no drive or other colon, no zero byte, no
// component of dots and blanks alone with two dots or more ("..", "...", ".. "), and no component
// that Windows opens as a device: CON, PRN, AUX, NUL, COM0-COM9, LPT0-LPT9, CLOCK$, CONIN$ and
// CONOUT$ in any letter case, with any extension ("nul.txt", "Com1 .log"), the port's digit also
// a superscript one, two or three ("COM\xB9").
bool StaysInside(const char* name, uint32_t n);
