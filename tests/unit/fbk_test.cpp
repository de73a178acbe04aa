// Tests of directory entries: DOS time and date texts, listing lines, order and names.
#include "fbk.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

namespace {

unsigned dosTime(unsigned h, unsigned m, unsigned s) {
    return h << 11 | m << 5 | s / 2;
}
unsigned dosDate(unsigned y, unsigned mo, unsigned d) {
    return (y - 1980) << 9 | mo << 5 | d;
}

fbk entry(const char* name, unsigned date, unsigned time, unsigned size = 0) {
    fbk e = {};
    e.setName(name);
    e.date = date;
    e.time = time;
    e.size = size;
    return e;
}

TEST(FbkText, TimesAndDates) {
    EXPECT_EQ(std::string(TimeText(dosTime(13, 5, 8))), "01:05:08 PM");
    EXPECT_EQ(std::string(TimeText(dosTime(0, 30, 0))), "00:30:00 AM");
    EXPECT_EQ(std::string(TimeText(dosTime(12, 0, 0))), "00:00:00 PM");
    EXPECT_EQ(std::string(TimeText(dosTime(11, 59, 58))), "11:59:58 AM");
    EXPECT_EQ(std::string(DateText(dosDate(1996, 6, 20))), "06/20/96");
    EXPECT_EQ(std::string(DateText(dosDate(2001, 1, 2))), "01/02/101");
}

TEST(FbkText, ListLine) {
    fbk e = entry("README.TXT", dosDate(1996, 6, 20), dosTime(13, 5, 8), 1234);
    EXPECT_EQ(std::string(ListLine(e)), "README  \tTXT\t     1234\t06/20/96\t01:05:08 PM");
    fbk bare = entry("MAKEFILE", dosDate(1996, 6, 20), dosTime(0, 0, 0), 7);
    EXPECT_EQ(std::string(ListLine(bare)), "MAKEFILE\t   \t        7\t06/20/96\t00:00:00 AM");
}

TEST(FbkOrder, NewestOldestByName) {
    fbk older = entry("B", dosDate(1996, 6, 20), dosTime(23, 0, 0));
    fbk newer = entry("A", dosDate(1996, 6, 21), dosTime(1, 0, 0));
    fbk sameDayLater = entry("C", dosDate(1996, 6, 21), dosTime(2, 0, 0));
    EXPECT_LT(NewestFirst(newer, older), 0);
    EXPECT_GT(NewestFirst(older, newer), 0);
    EXPECT_LT(NewestFirst(sameDayLater, newer), 0); // the date decides first, then the time
    EXPECT_LT(OldestFirst(older, newer), 0);
    EXPECT_EQ(NewestFirst(newer, entry("Z", newer.date, newer.time)), 0);
    EXPECT_LT(ByName(newer, older), 0);
}

TEST(FbkName, LongNamesAreCutAndTerminated) {
    fbk e;
    memset(&e, 'x', sizeof e);
    e.setName("A_VERY_LONG_FILE_NAME.TXT");
    EXPECT_EQ(std::string(e.name), "A_VERY_LONG_");
    e.setName(nullptr);
    EXPECT_EQ(std::string(e.name), "");

    // A found name is never cut: "abcdefghijkl" would name another file.
    EXPECT_TRUE(e.setFoundName("abcdefghijkl", ""));
    EXPECT_EQ(std::string(e.name), "abcdefghijkl");
    EXPECT_TRUE(e.setFoundName("abcdefghijkl.txt", "ABCDEF~1.TXT"));
    EXPECT_EQ(std::string(e.name), "ABCDEF~1.TXT");
    EXPECT_FALSE(e.setFoundName("abcdefghijkl.txt", ""));
    EXPECT_EQ(std::string(e.name), "");
    EXPECT_FALSE(e.setFoundName("abcdefghijkl.txt", nullptr));
}

// Dates after 2038, which DOS dates reach (to 2107), need more than 32 bits.
TEST(FbkStamp, LocalCalendarTime) {
    for (unsigned year : {1996u, 2040u, 2107u}) {
        fbk e = entry("F", dosDate(year, 6, 20), dosTime(13, 5, 8));
#ifdef _WIN32
        __time64_t stamp = FileStamp(e);
        struct tm* t = _localtime64(&stamp);
#else
        time_t stamp = (time_t)FileStamp(e);
        struct tm* t = localtime(&stamp);
#endif
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->tm_year, (int)year - 1900);
        EXPECT_EQ(t->tm_mon, 5);
        EXPECT_EQ(t->tm_mday, 20);
        EXPECT_EQ(t->tm_hour, 13);
        EXPECT_EQ(t->tm_min, 5);
        EXPECT_EQ(t->tm_sec, 8);
    }
}

} // namespace
