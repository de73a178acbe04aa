// Fuzzes the command-line parsers against a plain reading of their rules: tokens are the maximal
// runs of characters outside the separators; a token longer than its prefix "-" or "/" is a
// switch, kept without its first character; the others are arguments as they stand. Lookups and
// the argv walk stay in bounds.
#include "fuzzInput.h"
#include "options.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
std::vector<std::string> tokensOf(const std::string& line, char separator) {
    std::vector<std::string> found;
    std::string token;
    for (char c : line + separator) {
        if (c != separator) {
            token += c;
        } else if (!token.empty()) {
            found.push_back(token);
            token.clear();
        }
    }
    return found;
}

bool switchByRule(const std::string& token) {
    return token.size() > 1 && (token[0] == '-' || token[0] == '/');
}

std::vector<std::string> entriesOf(strs& list) {
    std::vector<std::string> v;
    for (str* s = list.toFirst(0); s; s = list.move(1))
        v.push_back(std::string(*s));
    return v;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzInput in(data, size);
    std::string line = in.text(), name = in.text();

    std::vector<std::string> switches, args, wordSwitches;
    for (const std::string& t : tokensOf(line, ','))
        (switchByRule(t) ? switches : args).push_back(switchByRule(t) ? t.substr(1) : t);
    for (const std::string& t : tokensOf(line, ' '))
        if (switchByRule(t)) wordSwitches.push_back(t.substr(1));

    options o;
    check(o.parseList(line.c_str()) == (int)switches.size());
    check(entriesOf(o) == switches && entriesOf(o.args) == args);
    const char* rest = o.lookup(name.c_str());
    const std::string* expected = nullptr;
    for (const std::string& s : switches)
        if (s.compare(0, name.size(), name) == 0) {
            expected = &s;
            break;
        }
    check(expected ? rest && rest == expected->substr(name.size()) : !rest);
    check(o.isSwitch(name.c_str()) == switchByRule(name));

    options words;
    check(words.parseWords(line.c_str()) == (int)wordSwitches.size());
    check(entriesOf(words) == wordSwitches && words.args.size() == 0);

    // The argv walk: the line's blank-separated words as argv[1..].
    std::vector<std::string> pieces{"prog"};
    for (size_t start = 0; start <= line.size();) {
        size_t end = line.find(' ', start);
        if (end == std::string::npos) end = line.size();
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
