// Tests of options: command lines as the browser, the Explorer verb and the uninstall entry pass them.
#include "options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> entriesOf(strs& list) {
    std::vector<std::string> v;
    for (str* s = list.toFirst(0); s; s = list.move(1))
        v.push_back(std::string(*s));
    return v;
}

using lines = std::vector<std::string>;

TEST(OptionsParseList, PathWithBlanksAndSwitch) {
    options o;
    EXPECT_EQ(o.parseList("/run,C:\\downloaded files\\tool.zip"), 1);
    EXPECT_EQ(entriesOf(o), (lines{"run"}));
    EXPECT_EQ(entriesOf(o.args), (lines{"C:\\downloaded files\\tool.zip"}));

    options reversed;
    reversed.parseList("C:\\a b\\tool.zip,/run");
    EXPECT_EQ(entriesOf(reversed), (lines{"run"}));
    EXPECT_EQ(entriesOf(reversed.args), (lines{"C:\\a b\\tool.zip"}));
}

TEST(OptionsParseList, QuotesBlanksAndCommas) {
    options o;
    EXPECT_EQ(o.parseList("\"C:\\Program Files\\x.exe\" -normal"), 0); // no comma: one argument
    EXPECT_EQ(entriesOf(o.args), (lines{"\"C:\\Program Files\\x.exe\" -normal"}));

    options commas;
    commas.parseList(",,,");
    EXPECT_EQ(commas.size(), 0);
    EXPECT_EQ(commas.args.size(), 0);

    options lone;
    lone.parseList("/,-,a,,-b,");
    EXPECT_EQ(entriesOf(lone), (lines{"b"}));
    EXPECT_EQ(entriesOf(lone.args), (lines{"/", "-", "a"}));

    options empty;
    EXPECT_EQ(empty.parseList(""), 0);
    EXPECT_EQ(empty.args.size(), 0);
    EXPECT_EQ(empty.parseList(nullptr), 0);
}

TEST(OptionsLookup, PrefixMatchCaseSensitive) {
    options o;
    o.parseList("-normal");
    ASSERT_NE(o.lookup("normal"), nullptr);
    EXPECT_STREQ(o.lookup("normal"), "");
    EXPECT_EQ(o.lookup("run"), nullptr);
    EXPECT_EQ(o.args.size(), 0);

    options p;
    p.parseList("-normalx,/Uninstall,-run=5,/uninstall");
    EXPECT_STREQ(p.lookup("normal"), "x");
    EXPECT_STREQ(p.lookup("run"), "=5");
    EXPECT_STREQ(p.lookup("uninstall"), ""); // '/Uninstall' does not answer, '/uninstall' does
    EXPECT_EQ(p.lookup("Uninstall2"), nullptr);

    options onlyUpper;
    onlyUpper.parseList("/Uninstall");
    EXPECT_EQ(onlyUpper.lookup("uninstall"), nullptr);
}

TEST(OptionsLookup, ArgumentsAreNeverSwitches) {
    options o;
    o.parseList("run,-x");
    EXPECT_EQ(o.lookup("run"), nullptr);
    EXPECT_STREQ(o.lookup("x"), "");
    EXPECT_STREQ(o.lookup(""), "x"); // an empty name matches the first switch whole
}

TEST(OptionsParse, WordsDropArgumentsAndParsingAppends) {
    options o;
    EXPECT_EQ(o.parseWords("a -x  b /y"), 2);
    EXPECT_EQ(entriesOf(o), (lines{"x", "y"}));
    EXPECT_EQ(o.args.size(), 0);
    EXPECT_EQ(o.parseList("-z,c"), 3);
    EXPECT_EQ(entriesOf(o), (lines{"x", "y", "z"}));
    EXPECT_EQ(entriesOf(o.args), (lines{"c"}));
}

TEST(OptionsParse, ArgsVectorIsCompacted) {
    char program[] = "program", a[] = "a", x[] = "-x", b[] = "b";
    char* argv[] = {program, a, x, b};
    int argc = 4;
    options o;
    EXPECT_EQ(o.parseArgs(argc, argv), 1);
    EXPECT_EQ(argc, 3);
    EXPECT_STREQ(argv[0], "program");
    EXPECT_STREQ(argv[1], "a");
    EXPECT_STREQ(argv[2], "b");
    EXPECT_EQ(entriesOf(o), (lines{"x"}));
}

TEST(OptionsParse, PrefixesAreConfigurable) {
    options o;
    o.prefixes.add("--");
    EXPECT_TRUE(o.isSwitch("--long"));
    EXPECT_FALSE(o.isSwitch("-"));
    EXPECT_TRUE(o.isSwitch("-a"));
    o.parseList("--long");
    EXPECT_EQ(entriesOf(o), (lines{"-long"})); // exactly one character is dropped
}

TEST(OptionsParse, LongCommandLine) {
    std::string text;
    for (int i = 0; i < 4000; ++i)
        text += (i % 2 ? "-s" : "arg") + std::to_string(i) + ",";
    options o;
    EXPECT_EQ(o.parseList(text.c_str()), 2000);
    EXPECT_EQ(o.args.size(), 2000);
    EXPECT_STREQ(o.lookup("s3999"), "");
}

} // namespace
