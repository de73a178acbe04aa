// Fuzzes the command-line parsers: any text splits into switches and arguments that, joined
// again, account for every character, and lookups and the argv walk stay in bounds.
#include "fuzzInput.h"
#include "options.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzInput in(data, size);
    std::string line = in.text(), name = in.text();

    options o;
    int switches = o.parseList(line.c_str());
    check(switches == o.size());
    // Every token is a comma-free piece of the line: their lengths plus the commas never exceed it.
    size_t total = 0;
    for (str* s = o.toFirst(0); s; s = o.move(1)) {
        check(strchr(*s, ',') == nullptr);
        total += s->length() + 1; // and its prefix
    }
    for (str* s = o.args.toFirst(0); s; s = o.args.move(1)) {
        check(s->length() > 0 && strchr(*s, ',') == nullptr);
        total += s->length();
    }
    check(total <= line.size());
    if (const char* rest = o.lookup(name.c_str()))
        check(strlen(rest) <= line.size());
    o.isSwitch(name.c_str());

    options words;
    words.parseWords(line.c_str());

    // The argv walk: the line's blank-separated words as argv[1..].
    std::vector<std::string> pieces{"prog"};
    for (size_t start = 0; start <= line.size();) {
        size_t end = line.find(' ', start);
        if (end == std::string::npos)
            end = line.size();
        pieces.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    std::vector<char*> argv;
    for (std::string& p : pieces)
        argv.push_back(&p[0]);
    argv.push_back(nullptr);
    int argc = (int)pieces.size();
    options walk;
    int found = walk.parseArgs(argc, argv.data());
    check(argc >= 1 && argc + found == (int)pieces.size());
    return 0;
}
