// Tests of strs: wrapping, reading and writing files, sorting, joining and filtering.
#include "strs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> entriesOf(strs& list) {
    std::vector<std::string> v;
    for (str* s = list.toFirst(0); s; s = list.move(1))
        v.push_back(s->isNull() ? "<null>" : std::string(*s));
    return v;
}

using lines = std::vector<std::string>;

// A scratch file in the current folder, removed afterwards.
class StrsFile : public ::testing::Test {
protected:
    std::string path;
    void SetUp() override {
        path =
            std::string("strs_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
    }
    void TearDown() override { std::remove(path.c_str()); }
    void writeRaw(const std::string& bytes) {
        FILE* f = fopen(path.c_str(), "wb");
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    std::string readRaw() {
        std::string bytes;
        FILE* f = fopen(path.c_str(), "rb");
        for (int c; f && (c = fgetc(f)) != EOF;)
            bytes += (char)c;
        if (f) fclose(f);
        return bytes;
    }
};

TEST_F(StrsFile, ReadDropsLineEnds) {
    writeRaw("one\r\ntwo\n\nlast");
    strs list;
    list.add("before");
    EXPECT_EQ(list.read(path.c_str()), 1);
    EXPECT_EQ(entriesOf(list), (lines{"before", "one", "two", "", "last"}));
}

TEST_F(StrsFile, LongLinesComeInPieces) {
    std::string l998(998, 'a'), l999(999, 'b'), l1500(1500, 'c');
    writeRaw(l998 + "\n" + l999 + "\n" + l1500 + "\n");
    strs list;
    ASSERT_EQ(list.read(path.c_str()), 1);
    EXPECT_EQ(entriesOf(list), (lines{l998, l999, "", std::string(999, 'c'), std::string(501, 'c')}));

    // Past the first 64 KB, as fgets with a 1000-byte buffer gives them.
    std::string text;
    for (int i = 0; text.size() < 200000; ++i)
        text += std::string((size_t)(i * 37 % 1300), (char)('a' + i % 26)) + (i % 3 ? "\r\n" : "\n");
    writeRaw(text);
    strs big;
    ASSERT_EQ(big.read(path.c_str()), 1);
    lines expected;
    FILE* f = fopen(path.c_str(), "rt");
    for (char line[1000]; fgets(line, sizeof line, f);)
        expected.push_back(std::string(str(line).chop()));
    fclose(f);
    EXPECT_EQ(entriesOf(big), expected);
    EXPECT_GT(expected.size(), 300u);
}

TEST_F(StrsFile, MissingFileLeavesListUnchanged) {
    strs list;
    list.add("x");
    EXPECT_EQ(list.read("no_such_folder/none.txt"), 0);
    EXPECT_EQ(entriesOf(list), (lines{"x"}));
    EXPECT_EQ(list.save("no_such_folder/none.txt"), 0);
}

TEST_F(StrsFile, SaveReplacesAppendAdds) {
    strs list;
    list.add("a");
    list.add("b");
    ASSERT_EQ(list.save(path.c_str()), 1);
    ASSERT_EQ(list.appendTo(path.c_str()), 1);
    strs back;
    back.read(path.c_str());
    EXPECT_EQ(entriesOf(back), (lines{"a", "b", "a", "b"}));
    ASSERT_EQ(list.save(path.c_str()), 1);
    strs again;
    again.read(path.c_str());
    EXPECT_EQ(entriesOf(again), (lines{"a", "b"}));

    list.add(new str()); // a null entry is an empty line
    list.add("c");
    ASSERT_EQ(list.save(path.c_str()), 1);
    strs withEmpty;
    withEmpty.read(path.c_str());
    EXPECT_EQ(entriesOf(withEmpty), (lines{"a", "b", "", "c"}));
#ifndef _WIN32
    EXPECT_EQ(list.save("/dev/full"), 0); // opens, but the lines cannot be written
    EXPECT_EQ(list.appendTo("/dev/full"), 0);
#endif
}

TEST(StrsWrap, BreaksAtLastBlankThatFits) {
    strs w(10, "the quick brown fox jumps");
    EXPECT_EQ(entriesOf(w), (lines{"the quick", "brown fox", "jumps"}));
    strs exact(5, "abcde fghij");
    EXPECT_EQ(entriesOf(exact), (lines{"abcde", "fghij"})); // a blank at position w ends the line
    strs longWord(4, "abcdefghij xy");
    EXPECT_EQ(entriesOf(longWord), (lines{"abcd", "efgh", "ij", "xy"}));
    strs shortText(20, "short");
    EXPECT_EQ(entriesOf(shortText), (lines{"short"}));

    strs paragraphs;
    paragraphs.add("one two three");
    paragraphs.add("four");
    strs wrapped(8, paragraphs);
    EXPECT_EQ(entriesOf(wrapped), (lines{"one two", "three", "four"}));
}

TEST(StrsBuild, ArrayStopsAtNullOrCount) {
    str items[] = {str("a"), str("b"), str(), str("d")};
    strs upToNull(items, -1);
    EXPECT_EQ(entriesOf(upToNull), (lines{"a", "b"}));
    strs one(items, 1);
    EXPECT_EQ(entriesOf(one), (lines{"a"}));
}

TEST(StrsOrder, SortIsStableAndAscending) {
    strs list;
    for (const char* s : {"pear", "Apple", "fig", "apple", "fig", ""})
        list.add(s);
    list.sort();
    EXPECT_EQ(entriesOf(list), (lines{"", "Apple", "apple", "fig", "fig", "pear"}));

    // Equal under the comparison: the first-added stays first.
    strs byLength;
    for (const char* s : {"bb", "a", "cc", "d", "aa"})
        byLength.add(s);
    byLength.sort([](const str& a, const str& b) { return a.length() - b.length(); });
    EXPECT_EQ(entriesOf(byLength), (lines{"a", "d", "bb", "cc", "aa"}));
}

TEST(StrsOrder, DefaultSortAgreesWithCompareStr) {
    strs fast, general;
    for (const char* s : {"b", "\xe9t\xe9", "ab", "a", "", "abc", "\x01", "Z", "ab", "abcdefghX", "abcdefgh",
                          "abcdefghA", "abcdefg", "abcdefgh\xff", "abcdefghA"}) {
        fast.add(s);
        general.add(s);
    }
    fast.add(new str()); // a null entry sorts as the empty text
    general.add(new str());
    fast.sort();
    general.sort([](const str& a, const str& b) { return compareStr(a, b); });
    EXPECT_EQ(entriesOf(fast), entriesOf(general));
    EXPECT_EQ(entriesOf(fast).back(), "\xe9t\xe9"); // bytes compare as unsigned
}

TEST(StrsOrder, UniqueKeepsFirstOfEachInOrder) {
    strs list;
    for (const char* s : {"b", "a", "b", "c", "a", "B"})
        list.add(s);
    strs u = list.unique();
    EXPECT_EQ(entriesOf(u), (lines{"b", "a", "c", "B"}));
    EXPECT_EQ(list.size(), 6);
    EXPECT_TRUE(list.contains("B"));
    EXPECT_FALSE(list.contains("d"));
}

TEST(StrsText, JoinAndBlankTail) {
    strs list;
    list.add("a\r\n");
    list.add("");
    list.add("b");
    EXPECT_EQ(std::string(list.join()), "a  \nb ");
    EXPECT_STREQ(*list.toFirst(0), "a"); // join chops the entries in place
    strs empty;
    EXPECT_TRUE(empty.join().isNull());

    // One entry borrowed 2^22 times: 2^32 characters, which a 32-bit count would wrap to 0.
    str line(1023, 'j');
    strs borrowed;
    borrowed.owns = 0;
    for (int i = 0; i < 1 << 22; ++i)
        borrowed.add(&line);
    EXPECT_THROW(borrowed.join(), std::bad_alloc);
    EXPECT_EQ(line.length(), 1023);

    strs tail;
    for (const char* s : {"a", " ", "b", "", "  "})
        tail.add(s);
    strs trimmed = tail.withoutBlankTail();
    EXPECT_EQ(entriesOf(trimmed), (lines{"a", " ", "b"}));
    strs allBlank;
    allBlank.add(" ");
    EXPECT_EQ(allBlank.withoutBlankTail().size(), 0);
}

} // namespace
