// Tests of the zip directory reader: archives built here byte by byte and then broken one field
// at a time, and archives made by Info-ZIP zip and Python's zipfile (the fuzz corpus).
#include "zipDirectory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += (char)(v >> (8 * i) & 0xFF);
    return s;
}

// Stored entries, each local header followed by its data, then the directory and the record. An
// entry may have extra fields, in its directory entry and in its local header.
std::string archive(const std::vector<std::string>& names, const std::string& comment = "",
                    const std::vector<std::string>& centralExtras = {},
                    const std::vector<std::string>& localExtras = {}) {
    std::string out, directory;
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        std::string central = i < centralExtras.size() ? centralExtras[i] : "",
                    local = i < localExtras.size() ? localExtras[i] : "";
        std::string common = le(0, 4) + le(0, 4) + le(1, 4) + le(1, 4) + le((uint32_t)name.size(), 2);
        directory += le(0x02014b50, 4) + le(20, 2) + le(10, 2) + le(0, 4) + common +
                     le((uint32_t)central.size(), 2) + le(0, 2) + le(0, 4) + le(0, 4) +
                     le((uint32_t)out.size(), 4) + name + central;
        out += le(0x04034b50, 4) + le(10, 2) + le(0, 4) + common + le((uint32_t)local.size(), 2) + name +
               local + "x";
    }
    uint32_t n = (uint32_t)names.size();
    return out + directory + le(0x06054b50, 4) + le(0, 4) + le(n, 2) + le(n, 2) +
           le((uint32_t)directory.size(), 4) + le((uint32_t)out.size(), 4) + le((uint32_t)comment.size(), 2) +
           comment;
}

// Info-ZIP's Unicode path field: version 1, a checksum (not checked here), the name.
std::string unicodePath(const std::string& name) {
    return le(0x7075, 2) + le((uint32_t)(5 + name.size()), 2) + le(1, 1) + le(0, 4) + name;
}

zipDirectory::verdict verdictOf(const std::string& bytes, zipDirectory& listing) {
    zipBytes source(bytes.data(), bytes.size());
    return listing.check(source);
}

zipDirectory::verdict verdictOf(const std::string& bytes) {
    zipDirectory listing;
    return verdictOf(bytes, listing);
}

std::string with(std::string bytes, size_t at, uint32_t value, int width) {
    return bytes.replace(at, width, le(value, width));
}

TEST(ZipDirectory, SoundArchivesListTheirNames) {
    zipDirectory listing;
    // Names that only look like a device's are files too; so is a sound Unicode path.
    std::string sound = archive(
        {"setup.exe", "sub/", "sub/readme.txt", "./install.exe", "a..b", "x/..y/.z", "com10.txt", "console",
         "lpt", "nul_x", "auxiliary/", "CON1", ".con"},
        "",
        {"", "", unicodePath("sub/r\xC3\xA9sum\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x93\xA6\xF4\x8F\xBF\xBF.txt")});
    ASSERT_EQ(verdictOf(sound, listing), zipDirectory::sound);
    EXPECT_EQ(listing.names.size(), 13);
    EXPECT_TRUE(listing.holdsTopFile("SETUP.EXE"));
    EXPECT_TRUE(listing.holdsTopFile("install.exe"));
    EXPECT_FALSE(listing.holdsTopFile("readme.txt"));
    EXPECT_FALSE(listing.holdsTopFile("sub"));

    // A comment, even one that holds the record's signature, and an empty archive.
    std::string fake = le(0x06054b50, 4) + " and more";
    EXPECT_EQ(verdictOf(archive({"setup.exe"}, "made by hand " + fake), listing), zipDirectory::sound);
    EXPECT_TRUE(listing.holdsTopFile("setup.exe"));
    EXPECT_EQ(verdictOf(archive({}), listing), zipDirectory::sound);
    EXPECT_EQ(listing.names.size(), 0);
}

TEST(ZipDirectory, NamesThatLeaveTheFolderAreRefused) {
    for (const char* name :
         {"../x", "a/../../x", "a\\..\\..\\x", "..", "/x", "\\x", "C:x", "c:\\x", "a/.../b", "a/.. /b",
          "file:stream", "..\\",
          // devices, which Windows opens instead of a file in the folder
          "CON", "nul.txt", "sub/Aux.tar.gz", "prn/x.txt", "COM1", "lpt9.doc", "COM0", "Com1 .log", "clock$",
          "CONIN$", "conout$.txt", "COM\xB9", "LPT\xB2.txt", "com\xB3", "COM\xC2\xB3.txt", "LPT\xFD"}) {
        zipDirectory listing;
        EXPECT_EQ(verdictOf(archive({"readme.txt", name}), listing), zipDirectory::outside) << name;
        EXPECT_STREQ(listing.offender, name);
        EXPECT_EQ(listing.names.size(), 0) << name; // nothing of a refused archive is listed
    }
    // Info-ZIP's unzip writes an entry under its Unicode path, in the directory or the local header,
    // and reads an overlong form as the character it spells out ("\xC0\xAE" as '.').
    for (const char* name : {"../evil.bat", "CON.txt", "/x", "a\\..\\..\\x", "\xC0\xAE\xC0\xAE/evil.bat",
                             "\xE0\x80\xAE\xE0\x80\xAE/evil.bat", "\xF0\x80\x80\xAE\xF0\x80\x80\xAE/x",
                             "C\xC0\xBA"
                             "evil.bat",
                             "..\xC1\x9C"
                             "evil.bat",
                             "\xC1\x83ON.txt", "\xED\xA0\x80.txt", "\xF4\x90\x80\x80.txt",
                             "\xF5\x80\x80\x80.txt", "\x80.txt", "r\xC3", "r\xE2\x82.txt"}) {
        zipDirectory listing;
        std::vector<std::string> fields = {"", unicodePath(name)};
        EXPECT_EQ(verdictOf(archive({"readme.txt", "notes.txt"}, "", fields), listing), zipDirectory::outside)
            << name;
        EXPECT_STREQ(listing.offender, name);
        EXPECT_EQ(verdictOf(archive({"readme.txt", "notes.txt"}, "", {}, fields), listing),
                  zipDirectory::outside)
            << name;
    }
    zipDirectory listing;
    EXPECT_EQ(verdictOf(archive({"notes.txt"}, "", {unicodePath(std::string("ok\0/../../x", 11))}), listing),
              zipDirectory::outside);
    EXPECT_STREQ(listing.offender, "ok"); // shown up to its zero byte
}

TEST(ZipDirectory, DamagedAndForeignArchivesAreRefused) {
    const std::string good = archive({"setup.exe", "readme.txt"});
    const size_t record = good.size() - 22, directory = record - (46 + 9) - (46 + 10); // its first entry
    std::string cutDirectory = good;
    cutDirectory.erase(record - 20, 20);
    std::string otherLocalName = good;
    otherLocalName.replace(30, 9, "..\\tp.exe");
    std::string twoRecords = archive({"setup.exe"}, std::string(22, '\0'));
    twoRecords.replace(twoRecords.size() - 22, 4, le(0x06054b50, 4));
    // A comment that holds a second directory and record: extractors would follow that one.
    std::string hidden = archive({"setup.exe", "../evil.exe"});
    std::string secondRecord = archive({"setup.exe"}, hidden.substr(hidden.size() - 22 - (46 + 11)) + "xyz");
    std::string locator = good;
    locator.insert(record, le(0x07064b50, 4) + std::string(16, '\0'));
    // Bytes between the directory and the record: extractors read the directory that ends at
    // the record, here one more entry, which names ../evil.exe.
    std::string gap = good, evil = archive({"../evil.exe"});
    gap.insert(record, evil.substr(evil.size() - 22 - (46 + 11), 46 + 11));
    struct {
        const char* what;
        std::string bytes;
        zipDirectory::verdict verdict;
    } cases[] = {
        {"a text file", "This is not an archive.\r\n", zipDirectory::notAnArchive},
        {"nothing", "", zipDirectory::notAnArchive},
        {"the record cut", good.substr(0, good.size() - 5), zipDirectory::notAnArchive},
        {"the directory cut", cutDirectory, zipDirectory::damaged},
        {"an entry more", with(with(good, record + 8, 3, 2), record + 10, 3, 2), zipDirectory::damaged},
        {"an entry less", with(with(good, record + 8, 1, 2), record + 10, 1, 2), zipDirectory::damaged},
        {"directory past the end", with(good, record + 16, 0x7FFFFFF0, 4), zipDirectory::damaged},
        {"local header past the end", with(good, directory + 42, 0x7FFFFFF0, 4), zipDirectory::damaged},
        {"data over the directory", with(good, directory + 20, 500, 4), zipDirectory::damaged},
        {"another local name", otherLocalName, zipDirectory::damaged},
        {"a comment past the end", with(good, record + 20, 40, 2), zipDirectory::damaged},
        {"two records that end the file", twoRecords, zipDirectory::damaged},
        {"a second record in the comment", secondRecord, zipDirectory::damaged},
        {"a gap before the record", gap, zipDirectory::damaged},
        {"ZIP64 entry count", with(with(good, record + 8, 0xFFFF, 2), record + 10, 0xFFFF, 2),
         zipDirectory::zip64},
        {"ZIP64 sizes", with(good, directory + 24, 0xFFFFFFFF, 4), zipDirectory::zip64},
        {"ZIP64 locator", locator, zipDirectory::zip64},
        {"second disk", with(good, record + 4, 1, 2), zipDirectory::spanned},
        {"entry on another disk", with(good, directory + 34, 1, 2), zipDirectory::spanned},
    };
    for (auto& c : cases)
        EXPECT_EQ(verdictOf(c.bytes), c.verdict) << c.what;
    zipDirectory listing;
    EXPECT_EQ(listing.check("no such archive.zip"), zipDirectory::unreadable);
}

// Real archives, read from their files: every sound one is accepted, every hostile one refused.
TEST(ZipDirectory, ArchivesOfInfoZipAndZipfile) {
#ifdef _WIN32
    const std::string corpus = std::string("Z:") + ZIP_CORPUS + "/";
#else
    const std::string corpus = std::string(ZIP_CORPUS) + "/";
#endif
    for (const char* sound : {"infozip-stored", "infozip-deflated", "infozip-comment", "infozip-streamed",
                              "python-stored", "python-deflated", "python-comment", "python-folders"}) {
        zipDirectory listing;
        EXPECT_EQ(listing.check((corpus + sound + ".zip").c_str()), zipDirectory::sound) << sound;
        EXPECT_GT(listing.names.size(), 0) << sound;
    }
    struct {
        const char* name;
        zipDirectory::verdict verdict;
    } hostile[] = {
        {"python-dotdot", zipDirectory::outside},        {"python-backslash-dotdot", zipDirectory::outside},
        {"python-absolute", zipDirectory::outside},      {"python-drive", zipDirectory::outside},
        {"python-devices", zipDirectory::outside},       {"python-unicode-path", zipDirectory::outside},
        {"python-overlong-path", zipDirectory::outside}, {"python-hidden-directory", zipDirectory::damaged}};
    for (auto& h : hostile) {
        zipDirectory listing;
        EXPECT_EQ(listing.check((corpus + h.name + ".zip").c_str()), h.verdict) << h.name;
    }
}

} // namespace
