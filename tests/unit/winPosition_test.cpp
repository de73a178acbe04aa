// Tests of the window position text: screen fractions to pixels and back, and the maximised word.
#include "winPosition.h"

#include <gtest/gtest.h>

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
}

} // namespace
