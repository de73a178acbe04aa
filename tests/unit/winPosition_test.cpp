// Tests of the window position text: screen fractions to pixels and back, and the maximised word.
#include "winPosition.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

void expectPlace(const winPlace& p, int left, int top, int width, int height) {
    EXPECT_EQ(p.left, left);
    EXPECT_EQ(p.top, top);
    EXPECT_EQ(p.width, width);
    EXPECT_EQ(p.height, height);
}

TEST(WinPosition, RestoresOnBothScreenSizes) {
    expectPlace(PositionFromText(".25 .25 .5 .5 0", 800, 600), 200, 150, 400, 300);
    expectPlace(PositionFromText("0.25 0.25 0.5 0.5 0", 800, 600), 200, 150, 400, 300);
    // The products are truncated: 0.333 * 1024 = 340.99.
    expectPlace(PositionFromText("0.1 0.1 0.333 0.5 1", 1024, 768), 102, 76, 340, 384);
}

TEST(WinPosition, MissingAndOddWordsGiveZero) {
    expectPlace(PositionFromText(".25 .25 .5", 800, 600), 200, 150, 400, 0);
    expectPlace(PositionFromText("", 800, 600), 0, 0, 0, 0);
    expectPlace(PositionFromText(str(), 800, 600), 0, 0, 0, 0);
    expectPlace(PositionFromText("x .5 1e-1 -0.25", 800, 600), 0, 300, 80, -150); // atof rules
    // A hand-edited file: what is not finite counts as 0, and a product past an int stops there.
    expectPlace(PositionFromText("1e300 0.25 0.5 0.5 0", 800, 600), INT_MAX, 150, 400, 300);
    expectPlace(PositionFromText("-1e300 -inf 1e10 0.5", 800, 600), INT_MIN, 0, INT_MAX, 300);
    expectPlace(PositionFromText("nan inf -nan 1e40", 800, 600), 0, 0, 0, INT_MAX);
}

TEST(WinPosition, SaveTextUsesShortestFractions) {
    EXPECT_STREQ(PositionText(winPlace{200, 150, 400, 300}, false, 800, 600), "0.25 0.25 0.5 0.5 0");
    EXPECT_STREQ(PositionText(winPlace{102, 76, 340, 384}, true, 1024, 768),
                 "0.0996094 0.0989583 0.332031 0.5 1");
    EXPECT_STREQ(PositionText(winPlace{10, 10, 10, 10}, false, 0, 0), "10 10 10 10 0"); // no division by 0
    // What is saved restores the same place.
    winPlace back = PositionFromText(PositionText(winPlace{200, 150, 400, 300}, false, 800, 600), 800, 600);
    expectPlace(back, 200, 150, 400, 300);
}

TEST(WinPosition, FifthWordMaximises) {
    EXPECT_TRUE(PositionMaximised(".25 .25 .5 .5 1"));
    EXPECT_TRUE(PositionMaximised("0.25 0.25 0.5 0.5 -2"));
    EXPECT_TRUE(PositionMaximised(".1 .1 .3 .5 12abc"));
    EXPECT_FALSE(PositionMaximised(".25 .25 .5 .5 0"));
    EXPECT_FALSE(PositionMaximised(".25 .25 .5 .5"));   // four words
    EXPECT_FALSE(PositionMaximised(".25 .25 .5 .5 x")); // not a number
    EXPECT_FALSE(PositionMaximised(""));
    EXPECT_FALSE(PositionMaximised(str()));
    EXPECT_TRUE(PositionMaximised(".25 .25 .5 .5 4294967296")); // 2^32: past an int, yet not 0
}

} // namespace
