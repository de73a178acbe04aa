// Tests of the str token family: separators at the ends and in runs give no empty token.
#include "str.h"

#include <gtest/gtest.h>

namespace {

std::string textOf(const str& s) {
    return s.isNull() ? "<null>" : std::string(s);
}

TEST(StrTokens, CommasAtEndsAndInRuns) {
    str s("x,,y,");
    EXPECT_EQ(textOf(s.token(0, ",")), "x");
    EXPECT_EQ(textOf(s.token(1, ",")), "y");
    EXPECT_EQ(textOf(s.token(2, ",")), "<null>");
    EXPECT_EQ(s.tokenCount(","), 2);
    EXPECT_EQ(textOf(s), "x,,y,"); // the string itself is never changed
    EXPECT_EQ(str(",,,").tokenCount(","), 0);
    EXPECT_EQ(str("").tokenCount(","), 0);
    EXPECT_EQ(str("a b;c").tokenCount(" ;"), 3);
}

TEST(StrTokens, NullString) {
    str n;
    EXPECT_EQ(textOf(n.token(0, ",")), "0");
    EXPECT_EQ(textOf(n.tokens(0, 1, ",")), "0");
    EXPECT_EQ(n.tokenPos(0, ","), -1);
    EXPECT_EQ(n.tokenCount(","), 0);
}

TEST(StrTokens, StretchesKeepTheirSeparators) {
    str s(",a,,b, c,d,");
    EXPECT_EQ(textOf(s.tokens(1, 2, ",")), "b, c");
    EXPECT_EQ(textOf(s.tokens(0, 2, ",")), "a,,b");
    EXPECT_EQ(textOf(s.tokens(1, 0, ",")), "b, c,d,"); // to the end of the text
    EXPECT_EQ(textOf(s.tokens(2, 9, ",")), " c,d");    // fewer tokens than asked
    EXPECT_EQ(textOf(s.tokens(4, 1, ",")), "<null>");
}

TEST(StrTokens, Positions) {
    str s(",a,,bc");
    EXPECT_EQ(s.tokenPos(0, ","), 1);
    EXPECT_EQ(s.tokenPos(1, ","), 4);
    EXPECT_EQ(s.tokenPos(2, ","), -1);
}

// Tokenizing one string inside a walk over another's tokens must not disturb the outer walk.
TEST(StrTokens, NestedScansAreIndependent) {
    str outer("a b,c d");
    str inner("1;2;3");
    std::string seen;
    for (int i = 0; i < outer.tokenCount(","); ++i) {
        seen += textOf(outer.token(i, ","));
        seen += textOf(inner.token(i, ";"));
    }
    EXPECT_EQ(seen, "a b1c d2");
}

} // namespace
