// Tests of registry reads and writes on real keys of the test prefix.
#include "registry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

const char testKey[] = "Software\\Brisk Download Tests\\Registry";

class Registry : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brisk Download Tests"); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brisk Download Tests"); }
    // The class text of a key, as the call that created it recorded it.
    static std::string classOf(const char* path) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != 0) return "(no key)";
        char keyClass[20] = "";
        DWORD classSize = sizeof keyClass;
        RegQueryInfoKeyA(key, keyClass, &classSize, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr);
        RegCloseKey(key);
        return keyClass;
    }
};

TEST_F(Registry, MissingKeyOrValueKeepsTheDefault) {
    str out("default");
    EXPECT_NE(ReadRegistry(HKEY_CURRENT_USER, testKey, "v", out), 0);
    EXPECT_STREQ(out, "default");
    ASSERT_EQ(WriteRegistry(HKEY_CURRENT_USER, testKey, "other", REG_SZ, "x", 0), 1);
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, testKey, "v", out), ERROR_FILE_NOT_FOUND);
    EXPECT_STREQ(out, "default");
}

TEST_F(Registry, TextRoundTripCreatesParents) {
    const char deep[] = "Software\\Brisk Download Tests\\a\\b\\c";
    ASSERT_EQ(WriteRegistry(HKEY_CURRENT_USER, deep, "Location1", REG_SZ, "C:\\Program Files\\NAV", 0), 1);
    str out;
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, deep, "Location1", out), 0);
    EXPECT_STREQ(out, "C:\\Program Files\\NAV");
    EXPECT_EQ(out.length(), 20);

    WriteRegistry(HKEY_CURRENT_USER, deep, "", REG_SZ, "default value", 3); // size ignored for text
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, deep, "", out), 0);
    EXPECT_STREQ(out, "default value");

    EXPECT_EQ(classOf("Software\\Brisk Download Tests\\a"), "String"); // created with the kind's class
}

TEST_F(Registry, ValuesWithoutTerminatorOrTextEndTerminated) {
    HKEY key;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, testKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        0);
    RegSetValueExA(key, "bare", 0, REG_SZ, (const BYTE*)"abcXYZ", 3); // no terminator stored
    RegCloseKey(key);
    str out;
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, testKey, "bare", out), 0);
    EXPECT_STREQ(out, "abc");

    const unsigned char bytes[] = {'h', 'i', 1, 2};
    ASSERT_EQ(WriteRegistry(HKEY_CURRENT_USER, testKey, "bin", REG_BINARY, bytes, 4), 1);
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, testKey, "bin", out), 0);
    EXPECT_EQ(std::string(out, 5), std::string("hi\x01\x02", 4) + '\0'); // the bytes, then a terminator

    DWORD number = 0x41424344;
    ASSERT_EQ(WriteRegistry(HKEY_CURRENT_USER, testKey, "n", REG_DWORD, &number, 99), 1);
    DWORD back = 0, size = sizeof back;
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, testKey, "n", RRF_RT_REG_DWORD, nullptr, &back, &size), 0);
    EXPECT_EQ(back, number);
}

// Each kind names the keys it creates; null data is written only as an empty text, since the
// other kinds would take their bytes from it.
TEST_F(Registry, KeyClassesAndNullData) {
    const char numbers[] = "Software\\Brisk Download Tests\\numbers";
    const char bytes[] = "Software\\Brisk Download Tests\\bytes";
    DWORD number = 7;
    ASSERT_EQ(WriteRegistry(HKEY_CURRENT_USER, numbers, "n", REG_DWORD, &number, 0), 1);
    EXPECT_EQ(classOf(numbers), "DWORD");
    ASSERT_EQ(WriteRegistry(HKEY_CURRENT_USER, bytes, "b", REG_BINARY, "\x01", 1), 1);
    EXPECT_EQ(classOf(bytes), "hex");

    EXPECT_EQ(WriteRegistry(HKEY_CURRENT_USER, testKey, "n", REG_DWORD, nullptr, 4), 0);
    EXPECT_EQ(WriteRegistry(HKEY_CURRENT_USER, testKey, "b", REG_BINARY, nullptr, 8), 0);
    EXPECT_EQ(classOf(testKey), "(no key)"); // nothing written, not even the key
    ASSERT_EQ(WriteRegistry(HKEY_CURRENT_USER, testKey, "t", REG_SZ, nullptr, 8), 1);
    str out("default");
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, testKey, "t", out), 0);
    EXPECT_STREQ(out, "");
}

// The value may grow between the query of its size and the query of its data: the second query
// then fails, and the output keeps the caller's default rather than a cut or partly read value.
// A writer changes it all the time; whether a read meets the race or not, each result is whole.
TEST_F(Registry, ValueThatGrowsBetweenTheQueriesLeavesTheOutput) {
    std::string big(4000, 'b');
    ASSERT_EQ(WriteRegistry(HKEY_CURRENT_USER, testKey, "v", REG_SZ, "s", 0), 1);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        while (!done) {
            WriteRegistry(HKEY_CURRENT_USER, testKey, "v", REG_SZ, big.c_str(), 0);
            WriteRegistry(HKEY_CURRENT_USER, testKey, "v", REG_SZ, "s", 0);
        }
    });
    int failed = 0;
    for (int read = 0; failed < 5 && read < 2000; ++read) {
        str out("default");
        LONG code = ReadRegistry(HKEY_CURRENT_USER, testKey, "v", out);
        if (code == 0) {
            EXPECT_TRUE(std::string(out) == "s" || std::string(out) == big);
        } else {
            ++failed;
            EXPECT_EQ(code, ERROR_MORE_DATA);
            EXPECT_STREQ(out, "default");
        }
    }
    done = true;
    writer.join();
}

TEST_F(Registry, SixtyFourKilobyteTextIsReadWhole) {
    std::string big(65536, 'r');
    ASSERT_EQ(WriteRegistry(HKEY_CURRENT_USER, testKey, "big", REG_SZ, big.c_str(), 0), 1);
    str out;
    EXPECT_EQ(ReadRegistry(HKEY_CURRENT_USER, testKey, "big", out), 0);
    EXPECT_EQ(out.length(), 65536);
    EXPECT_EQ(std::string(out), big);
}

// Writes the platform refuses: a lasting key under a volatile one, a key name past 255
// characters, a value name past 16383.
TEST_F(Registry, WriteFailureReportsZero) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brisk Download Tests\\volatile", 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              0);
    RegCloseKey(key);
    EXPECT_EQ(WriteRegistry(HKEY_CURRENT_USER, "Software\\Brisk Download Tests\\volatile\\lasting", "v",
                            REG_SZ, "t", 0),
              0);
    EXPECT_EQ(classOf("Software\\Brisk Download Tests\\volatile\\lasting"), "(no key)");
    std::string longKey = std::string("Software\\Brisk Download Tests\\") + std::string(300, 'k');
    EXPECT_EQ(WriteRegistry(HKEY_CURRENT_USER, longKey.c_str(), "v", REG_SZ, "t", 0), 0);
    std::string longName(20000, 'n');
    EXPECT_EQ(WriteRegistry(HKEY_CURRENT_USER, testKey, longName.c_str(), REG_SZ, "t", 0), 0);
}

} // namespace
