// options: a command line split into switches (this list, each without its prefix) and arguments.
#pragma once

#include "strs.h"

#include <cstddef>

// A token is a switch when it begins with a prefix ("-" or "/") and is longer than it; a prefix
// alone is an argument. Blanks and quotation marks are ordinary characters. Parsing again appends.
class options : public strs {
public:
    options();

    // Splits at commas: switches go to this list, other tokens to args. Returns the switch count.
    int parseList(const char* text);
    // Splits at blanks: switches go to this list, other tokens are dropped. Returns the switch count.
    int parseWords(const char* text);
    // Takes the switches out of argv[1..argc-1], moving the arguments down behind argv[0];
    // argc becomes 1 + the number of arguments. Returns the switch count.
    int parseArgs(int& argc, char** argv);

    bool isSwitch(const char* token);
    // The rest of the first switch that begins with name (case-sensitive), "" when it equals
    // name, or null when none does. The text belongs to this list.
    const char* lookup(const char* name);

    strs args;
    strs prefixes;

private:
    bool isSwitch(const char* token, size_t length); // the first length characters of token
    int parse(const char* text, const char* separators, bool keepArgs);
    void take(const char* token, int length, bool keepArgs);
};
