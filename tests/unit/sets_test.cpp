// Tests of looseSet and set: the cursor at both ends, removal, reversal and who owns what.
#include "set.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An element that counts its live instances, to see which list deletes or copies it.
struct tracked {
    static int alive;
    int value;
    explicit tracked(int v) : value(v) { ++alive; }
    tracked(const tracked& o) : value(o.value) { ++alive; }
    ~tracked() { --alive; }
};
int tracked::alive = 0;

template <class L> std::vector<int> valuesOf(L& list) {
    std::vector<int> v;
    for (tracked* t = list.toFirst(0); t; t = list.move(1))
        v.push_back(t->value);
    return v;
}

class SetTest : public ::testing::Test {
protected:
    tracked a{1}, b{2}, c{3};
    looseSet<tracked> abc;
    void SetUp() override {
        abc.add(&a);
        abc.add(&b);
        abc.add(&c);
    }
};

TEST_F(SetTest, CursorStopsAtBothEnds) {
    EXPECT_EQ(abc.current(), &a); // the first add puts the cursor on the first node
    EXPECT_EQ(abc.toFirst(2), &c);
    EXPECT_EQ(abc.move(1), nullptr);
    EXPECT_EQ(abc.move(-1), nullptr); // once off the list, it stays off
    EXPECT_EQ(abc.toFirst(0), &a);
    EXPECT_EQ(abc.move(-1), nullptr);
    EXPECT_EQ(abc.toFirst(1), &b);
    EXPECT_EQ(abc.move(0), &b);
    EXPECT_EQ(abc.move(5), nullptr);
    EXPECT_EQ(abc.toFirst(2), &c);
    EXPECT_EQ(abc.move(-2), &a);
}

TEST_F(SetTest, RemoveMovesCursorBack) {
    abc.toFirst(1);
    abc.remove();
    EXPECT_EQ(abc.current(), &a);
    EXPECT_EQ(valuesOf(abc), (std::vector<int>{1, 3}));

    abc.toFirst(0);
    abc.remove(); // the first of several: the cursor lands on the new first
    EXPECT_EQ(abc.current(), &c);
    EXPECT_EQ(abc.size(), 1);

    abc.remove(); // the only one: empty, cursor off
    EXPECT_EQ(abc.size(), 0);
    EXPECT_EQ(abc.current(), nullptr);
    EXPECT_EQ(abc.toFirst(0), nullptr);
    abc.remove(); // nothing happens with the cursor off the list
    abc.add(&b);
    EXPECT_EQ(valuesOf(abc), (std::vector<int>{2}));
}

TEST_F(SetTest, RemoveLastKeepsLinks) {
    abc.toFirst(2);
    abc.remove();
    EXPECT_EQ(abc.current(), &b);
    abc.add(&c);
    EXPECT_EQ(valuesOf(abc), (std::vector<int>{1, 2, 3}));
}

TEST_F(SetTest, Reverse) {
    abc.reverse();
    EXPECT_EQ(abc.current(), nullptr);
    EXPECT_EQ(valuesOf(abc), (std::vector<int>{3, 2, 1}));
    abc.toFirst(2);
    EXPECT_EQ(abc.move(-1), &b); // the back links were reversed too
    abc.add(&a);
    EXPECT_EQ(valuesOf(abc), (std::vector<int>{3, 2, 1, 1}));

    looseSet<tracked> empty;
    empty.reverse();
    EXPECT_EQ(empty.size(), 0);
    EXPECT_EQ(empty.toFirst(0), nullptr);
}

TEST_F(SetTest, AddAllCopiesOnlyIntoOwningSets) {
    int before = tracked::alive;
    {
        set<tracked> owning;
        owning.addAll(abc);
        EXPECT_EQ(tracked::alive, before + 3);
        EXPECT_NE(owning.toFirst(0), &a);
        EXPECT_EQ(valuesOf(owning), (std::vector<int>{1, 2, 3}));

        looseSet<tracked> loose;
        loose.addAll(owning);
        EXPECT_EQ(loose.toFirst(0), owning.toFirst(0));
        EXPECT_EQ(tracked::alive, before + 3);
    }
    EXPECT_EQ(tracked::alive, before); // the owning set deleted its copies, the loose one nothing
}

TEST_F(SetTest, AddAllFromItselfDoubles) {
    abc.addAll(abc);
    EXPECT_EQ(valuesOf(abc), (std::vector<int>{1, 2, 3, 1, 2, 3}));
}

TEST(OwningSet, ReleasesOnRemoveClearAndDestruction) {
    int before = tracked::alive;
    set<tracked> s;
    s.add(new tracked(1));
    s.add(new tracked(2));
    s.add(new tracked(3));
    s.toFirst(1);
    s.remove();
    EXPECT_EQ(tracked::alive, before + 2);
    s.clear();
    EXPECT_EQ(tracked::alive, before);
    EXPECT_EQ(s.size(), 0);
    {
        set<tracked>* inner = new set<tracked>;
        inner->add(new tracked(4));
        looseSet<tracked>* asBase = inner;
        delete asBase; // through the base, still owning
    }
    EXPECT_EQ(tracked::alive, before);
}

TEST(OwningSet, CopiesAreDeepAndKeepOwns) {
    int before = tracked::alive;
    set<tracked> s;
    s.add(new tracked(7));
    set<tracked> copy(s);
    EXPECT_NE(copy.toFirst(0), s.toFirst(0));
    EXPECT_EQ(copy.toFirst(0)->value, 7);
    EXPECT_EQ(tracked::alive, before + 2);

    tracked shared(9);
    set<tracked> borrowed;
    borrowed.owns = 0;
    borrowed.add(&shared);
    set<tracked> borrowedCopy(borrowed);
    EXPECT_EQ(borrowedCopy.owns, 0);
    EXPECT_EQ(borrowedCopy.toFirst(0), &shared);

    copy = borrowed;
    EXPECT_EQ(copy.owns, 0);
    EXPECT_EQ(tracked::alive, before + 2); // the assigned copy released its own element
}

} // namespace
