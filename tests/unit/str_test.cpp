// Tests of str: null versus empty, construction, concatenation and the text operations.
#include "str.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <new>

namespace {

// The text of a string, with a null string shown distinctly from "".
std::string textOf(const str& s) {
    return s.isNull() ? "<null>" : std::string(s);
}

TEST(StrConstruction, NullDiffersFromEmpty) {
    EXPECT_TRUE(str().isNull());
    EXPECT_TRUE(str((const char*)nullptr).isNull());
    EXPECT_FALSE(str("").isNull());
    EXPECT_EQ(textOf(str(str())), "<null>");
    EXPECT_EQ(textOf(str("abc", 2)), "ab");
    EXPECT_EQ(textOf(str("abc", -1)), "abc");
    EXPECT_EQ(textOf(str("abc", 10)), "abc"); // never reads past the terminator
    EXPECT_TRUE(str((const char*)nullptr, 3).isNull());
}

TEST(StrConstruction, PieceOfAnUnterminatedBufferReadsOnlyThePiece) {
    char* buffer = new char[4]{'a', 'b', 'c', 'd'}; // no terminator: reading past it is an error
    EXPECT_STREQ(str(buffer, 4), "abcd");
    EXPECT_STREQ(str(buffer, 2), "ab");
    delete[] buffer;
    EXPECT_STREQ(str("ab", 10), "ab"); // a count past the terminator stops there
}

TEST(StrConstruction, NumbersFillAndFormat) {
    EXPECT_EQ(textOf(str(-42)), "-42");
    EXPECT_EQ(textOf(str(2147483647L)), "2147483647");
    EXPECT_EQ(textOf(str(0.25)), "0.25");
    EXPECT_EQ(textOf(str(1e20)), "1e+20");
    EXPECT_EQ(textOf(str(3, 'x')), "xxx");
    EXPECT_EQ(textOf(str(0, 'x')), "");
    EXPECT_EQ(textOf(str(20, "%s-%d", "a", 7)), "a-7");
}

TEST(StrConstruction, FormattedTextIsCutToItsSize) {
    str s(5, "%s", "abcdefghij");
    EXPECT_EQ(textOf(s), "abcde");
    str empty(0, "%d", 12345);
    EXPECT_EQ(textOf(empty), "");
}

// Results longer than an int can count are refused before any size is computed that could
// wrap on a 32-bit system, and never come back as a short array.
TEST(StrConstruction, SizesThatDoNotFitAreRefused) {
    EXPECT_THROW(str("abc").repeat(0x55555556), std::bad_alloc); // 3 bytes on 32 bits if wrapped
    EXPECT_THROW(str("ab").repeat(INT_MIN), std::bad_alloc);
    EXPECT_THROW(str(INT_MAX, 'x'), std::bad_alloc);
    EXPECT_THROW(str(INT_MAX, "%s", "x"), std::bad_alloc);
    EXPECT_THROW(str("abcd").mid(1, INT_MAX), std::bad_alloc);
    const unsigned char byte = 1;
    EXPECT_THROW(str::toHex(&byte, INT_MAX / 2 + 1), std::bad_alloc); // refused before reading
    EXPECT_EQ(textOf(str("a,b,c").tokens(1, INT_MAX, ",")), "b,c");
    EXPECT_EQ(textOf(str("a,b,c").tokens(2, INT_MAX - 1, ",")), "c"); // n + m would pass INT_MAX
}

TEST(StrAssignment, CopiesOwnAndSurviveSelfReference) {
    str a("hello");
    str b(a);
    b[0] = 'j';
    EXPECT_EQ(textOf(a), "hello"); // a copy owns its own characters

    const str& same = a;
    a = same;
    EXPECT_EQ(textOf(a), "hello");
    a = (const char*)a + 2; // a pointer into its own text
    EXPECT_EQ(textOf(a), "llo");
    a = str();
    EXPECT_TRUE(a.isNull());
    a = "x";
    a = (const char*)nullptr;
    EXPECT_TRUE(a.isNull());
}

TEST(StrConcatenation, NullActsAsEmptyOperand) {
    str null;
    EXPECT_EQ(textOf(null + "x"), "x");
    EXPECT_EQ(textOf(str("x") + null), "x");
    EXPECT_EQ(textOf(null + null), "<null>");
    EXPECT_EQ(textOf(str("x") + (const char*)nullptr), "x");
    EXPECT_EQ(textOf(str("") + null), "");
    EXPECT_EQ(textOf("ab" + str("cd")), "abcd");
    EXPECT_EQ(textOf((const char*)nullptr + str("cd")), "cd");

    str s("a");
    s += "b";
    s += str("c");
    s += s;
    EXPECT_EQ(textOf(s), "abcabc");
    str n;
    n += null;
    EXPECT_TRUE(n.isNull());
}

TEST(StrQueries, BlankStartsCompareFind) {
    EXPECT_TRUE(str().isBlank());
    EXPECT_TRUE(str("").isBlank());
    EXPECT_TRUE(str("   ").isBlank());
    EXPECT_FALSE(str("\t").isBlank());

    EXPECT_TRUE(str("abc").startsWith("ab"));
    EXPECT_TRUE(str("abc").startsWith(""));
    EXPECT_FALSE(str("ab").startsWith("abc"));
    EXPECT_FALSE(str("abc").startsWith("AB"));

    EXPECT_LT(str("a").compare(str("b")), 0);
    EXPECT_EQ(str("").compare(str()), 0); // null reads as empty
    EXPECT_GT(str("b").compare(str()), 0);
    EXPECT_EQ(str("abcx").compareN(str("abcy"), 3), 0);
    EXPECT_NE(str("abcx").compareN(str("abcy"), 4), 0);
    EXPECT_GT(compareStr(str("\xe9"), str("z")), 0); // bytes compare unsigned

    EXPECT_EQ(str("abcabc").find("ca"), 2);
    EXPECT_EQ(str("abc").find(""), 0);
    EXPECT_EQ(str("abc").find("x"), -1);
    EXPECT_EQ(str().find("x"), -1);
}

TEST(StrQueries, CharacterCounts) {
    EXPECT_EQ(str("aab").firstNotOf('a'), 2);
    EXPECT_EQ(str("aaa").firstNotOf('a'), -1);
    EXPECT_EQ(str("").firstNotOf('a'), -1);
    EXPECT_EQ(str().firstNotOf('a'), -1);
    EXPECT_EQ(str("a,b,,c").countOf(','), 3);
    EXPECT_EQ(str("abCdE").firstUpper(), 'C');
    EXPECT_EQ(str("abc").firstUpper(), 0);
}

TEST(StrCase, UpperFirstCapitalizeWords) {
    str a("hello");
    EXPECT_EQ(textOf(a.upperFirst()), "Hello");
    str b("hELLO wORLD");
    EXPECT_EQ(textOf(b.capitalize()), "Hello world");
    str c("hELLO wORLD,nEW-york");
    EXPECT_EQ(textOf(c.capitalizeWords(" ,")), "Hello World,New-york");
    str d("\xe9t\xc9");
    d.capitalize(); // only ASCII letters change
    EXPECT_EQ(textOf(d), "\xe9t\xc9");
    str n;
    EXPECT_TRUE(n.capitalizeWords(" ").isNull());
    EXPECT_EQ(textOf(str("SETUP.Exe\xc9").toLower()), "setup.exe\xc9");
    EXPECT_TRUE(str().toLower().isNull());
}

TEST(StrEdit, ChopAndReplace) {
    str line("line\r\n\r\n");
    EXPECT_EQ(textOf(line.chop()), "line");
    str inner("a\nb");
    EXPECT_EQ(textOf(inner.chop()), "a\nb");
    str n;
    EXPECT_TRUE(n.chop().isNull());

    EXPECT_EQ(textOf(str("a.b.c").replaceChar('.', '\\')), "a\\b\\c");
    EXPECT_EQ(textOf(str("aaa").replace("aa", "b")), "ba"); // left to right, no overlap
    EXPECT_EQ(textOf(str("x--y--").replace("--", "")), "xy");
    EXPECT_EQ(textOf(str("ab").replace("b", "bbb")), "abbb");
    EXPECT_EQ(textOf(str("abc").replace("", "x")), "abc");
    EXPECT_EQ(textOf(str().replace("a", "b")), "");
}

TEST(StrEdit, RepeatTrimMid) {
    EXPECT_EQ(textOf(str("ab").repeat(3)), "ababab");
    EXPECT_EQ(textOf(str("ab").repeat(-2)), "baba");
    EXPECT_TRUE(str("ab").repeat(0).isNull());
    EXPECT_TRUE(str().repeat(2).isNull());
    EXPECT_EQ(textOf(str("").repeat(INT_MAX)), ""); // at once, not after 2^31 empty rounds
    EXPECT_EQ(textOf(str("").repeat(INT_MIN)), "");

    str padded("  a b  ");
    EXPECT_EQ(textOf(padded.trim(0)), "a b");
    EXPECT_EQ(textOf(padded.trim(-1)), "a b  ");
    EXPECT_EQ(textOf(padded.trim(1)), "  a b");
    EXPECT_EQ(textOf(str("\ta\t").trim()), "\ta\t");
    EXPECT_EQ(textOf(str("   ").trim()), "");
    EXPECT_TRUE(str().trim().isNull());

    EXPECT_EQ(textOf(str("abcd").mid(2, 5)), "cd   ");
    EXPECT_EQ(textOf(str("abcd").mid(1, -1)), "bcd");
    EXPECT_EQ(textOf(str("abcd").mid(4, 2)), "  ");
    EXPECT_EQ(textOf(str("abcd").mid(9, 3)), "   "); // a start past the end gives padding only
    EXPECT_EQ(textOf(str().mid(0, 2)), "  ");
}

TEST(StrHex, RoundTripAndValues) {
    const unsigned char bytes[] = {0x0A, 0xFF};
    EXPECT_EQ(textOf(str::toHex(bytes, 2)), "0AFF");
    EXPECT_TRUE(str::toHex(bytes, 0).isNull());

    unsigned char out[4] = {1, 1, 1, 1};
    EXPECT_EQ(str("0aff").fromHex(out, -1), 2);
    EXPECT_EQ(out[0], 0x0A);
    EXPECT_EQ(out[1], 0xFF);
    EXPECT_EQ(out[2], 1);
    EXPECT_EQ(str("01020").fromHex(out, -1), 2); // the odd digit is ignored
    EXPECT_EQ(str("112233").fromHex(out, 1), 1);
    EXPECT_EQ(out[1], 0x02);
    EXPECT_EQ(str("1GG1").fromHex(out, -1), 2);
    EXPECT_EQ(out[0], 0x01);
    EXPECT_EQ(out[1], 0x00);

    EXPECT_EQ(str("1f").hexValue(), 31);
    EXPECT_EQ(str("1G").hexValue(), 1);
    EXPECT_EQ(str("zz").hexValue(), 0);
    EXPECT_EQ(str("FFFFFFFFFF").hexValue(), 1099511627775.0);
}

} // namespace
