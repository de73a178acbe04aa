// Tests of arr and vec: guarded indexing reaching the assertion, sizes, element-wise operations.
#include "assertFail.h"
#include "set.h"
#include "vec"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> asked;
int answerYes(const char* text, const char*, unsigned) {
    asked.push_back(text);
    return 6;
}

class Arrays : public ::testing::Test {
protected:
    int (*saved)(const char*, const char*, unsigned) = nullptr;
    void SetUp() override {
        asked.clear();
        saved = assertPrompt;
        assertPrompt = answerYes;
    }
    void TearDown() override { assertPrompt = saved; }
};

const std::string outOfRange = "arr<> index out of range\nContinue anyway?";

TEST_F(Arrays, IndexOutsideRaisesAndStaysInside) {
    arr<int> a(5, 10, 11, 12, 13, 14);
    EXPECT_EQ(a[4], 14);
    EXPECT_TRUE(asked.empty());
    a[5] = 99; // after Yes, the write lands on a spare element
    a[-1] = 98;
    EXPECT_EQ(asked, (std::vector<std::string>{outOfRange, outOfRange}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(a[i], 10 + i);
    a.cursor = 5;
    a.current();
    EXPECT_EQ(asked.size(), 3u);
    a.cursor = 2;
    EXPECT_EQ(a.current(), 12);
}

TEST_F(Arrays, BuiltFromListsPointersAndReversed) {
    set<str> empty;
    arr<str> none(empty);
    EXPECT_EQ(none.count(), 1);
    EXPECT_TRUE(none[0].isNull()); // the single element of an empty array is a null string

    set<str> names;
    names.add(new str("a"));
    names.add(new str("b"));
    arr<str> fromList(names);
    ASSERT_EQ(fromList.count(), 2);
    EXPECT_STREQ(fromList[1], "b");

    const long values[] = {1, 2, 3};
    arr<long> fromPointer(values, 3);
    arr<long> back = fromPointer.reversed();
    EXPECT_EQ(back[0], 3);
    EXPECT_EQ(back[2], 1);
    arr<long> zero(values, 0);
    EXPECT_EQ(zero.count(), 1);
    EXPECT_EQ(zero[0], 0); // nothing is read from the pointer
    EXPECT_TRUE(asked.empty());
}

TEST_F(Arrays, VectorMinMaxAndText) {
    vec<long> a(2, 0), b(2, 0);
    a[0] = 1;
    a[1] = 5;
    b[0] = 3;
    b[1] = 2;
    EXPECT_EQ(std::string(a.min(b).text()), "(1,2)");
    EXPECT_EQ(std::string(a.max(b).text()), "(3,5)");
    vec<long> three(3, 0);
    for (int i = 0; i < 3; ++i)
        three[i] = i + 1;
    EXPECT_EQ(std::string(three.text()), "(1,2,3)");
    EXPECT_TRUE(asked.empty());

    vec<long> m = a.min(three); // sizes differ: raised, and nothing read past the shorter one
    EXPECT_EQ(asked, (std::vector<std::string>{"s==a.s\nfile vec, line 403\nContinue anyway?"}));
    EXPECT_EQ(std::string(m.text()), "(1,2)");
    vec<long> x = three.max(a);
    EXPECT_EQ(asked.back(), "s==a.s\nfile vec, line 413\nContinue anyway?");
    EXPECT_EQ(std::string(x.text()), "(1,5,3)");

    vec<double> filled(0, 0.5);
    EXPECT_EQ(std::string(filled.text()), "(0.5)");
}

} // namespace
