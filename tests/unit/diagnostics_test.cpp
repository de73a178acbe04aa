// Tests of the assertion prompt's texts and answers, and of the debug list file.
#include "assertFail.h"
#include "debugList.h"
#include "kron.h"
#include "strs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Answers the assertion prompt without showing it, recording what it was asked.
struct promptRecorder {
    static std::vector<std::string> texts;
    static std::string caption;
    static unsigned style;
    static int answer;
    static int prompt(const char* text, const char* c, unsigned s) {
        texts.push_back(text);
        caption = c;
        style = s;
        return answer;
    }
    int (*saved)(const char*, const char*, unsigned);
    explicit promptRecorder(int answerWith) : saved(assertPrompt) {
        texts.clear();
        answer = answerWith;
        assertPrompt = prompt;
    }
    ~promptRecorder() { assertPrompt = saved; }
};
std::vector<std::string> promptRecorder::texts;
std::string promptRecorder::caption;
unsigned promptRecorder::style;
int promptRecorder::answer;

const int idYes = 6, idNo = 7;

TEST(AssertFail, TextsAndYesReturns) {
    promptRecorder box(idYes);
    AssertFailCrash("arr<> index out of range");
    AssertFailCrash("s==a.s", "vec", 403);
    ASSERT_EQ(box.texts.size(), 2u);
    EXPECT_EQ(box.texts[0], "arr<> index out of range\nContinue anyway?");
    EXPECT_EQ(box.texts[1], "s==a.s\nfile vec, line 403\nContinue anyway?");
    EXPECT_EQ(box.caption, "Assert Failure");
    EXPECT_EQ(box.style, 0x1014u);
}

TEST(AssertFail, LongMessageIsCut) {
    promptRecorder box(idYes);
    AssertFailCrash(std::string(3000, 'm').c_str());
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0], std::string(1000, 'm'));
}

TEST(AssertFailDeathTest, NoEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            promptRecorder box(idNo);
            AssertFailCrash("stop here");
        },
        ::testing::ExitedWithCode(assertExitStatus), "");
}

// The stopwatch on a tick count that the test moves: from start to elapsed across 2^31 (24.8
// days of uptime) and across the wrap to 0 (49.7 days), and pause until enough ticks have passed.
TEST(Kron, StopwatchAcrossTheTickCountsLimits) {
    static unsigned now;
    unsigned (*saved)() = kron::ticks;
    kron::ticks = [] { return now; };
    const struct {
        unsigned from, to;
        double seconds;
    } spans[] = {{1000, 3500, 2.5},
                 {0x7FFFFF00u, 0x80000100u, 0.512},
                 {0xFFFFFF00u, 0x100u, 0.512},
                 {0, 0xFFFFFFFFu, 4294967.295}};
    kron watch;
    for (const auto& span : spans) {
        now = span.from;
        watch.start();
        now = span.to;
        EXPECT_DOUBLE_EQ(watch.elapsed(), span.seconds) << span.from;
    }
    now = 0xFFFFFFF0u;
    kron::ticks = [] { return now += 7; }; // every read moves the count on by 7 ms, across the wrap
    kron::pause(0.05);
    EXPECT_EQ(now - 0xFFFFFFF0u, 63u); // the start, then reads at 7 ... 56 ms
    kron::ticks = saved;
}

class DebugList : public ::testing::Test {
protected:
    void SetUp() override {
        std::remove("~debug.lst");
        setDebug(1);
    }
    void TearDown() override {
        std::remove("~debug.lst");
        setDebug(1);
    }
    std::vector<std::string> lines() {
        strs l;
        l.read("~debug.lst");
        std::vector<std::string> v;
        for (str* s = l.toFirst(0); s; s = l.move(1))
            v.push_back(std::string(*s));
        return v;
    }
};

TEST_F(DebugList, WritesAppendAndSwitchOff) {
    debugWrite("one");
    debugWrite("two");
    EXPECT_EQ(lines(), (std::vector<std::string>{"one", "two"}));
    setDebug(0);
    debugWrite("hidden");
    EXPECT_EQ(lines(), (std::vector<std::string>{"one", "two"}));
}

TEST_F(DebugList, FlushKeepsBufferAndIgnoresSwitch) {
    debugAdd("kept");
    setDebug(0);
    debugAdd("dropped");
    debugFlush();
    debugFlush(); // the buffer keeps its lines, so they come again
    EXPECT_EQ(lines(), (std::vector<std::string>{"kept", "kept"}));
}

} // namespace
