// options: splitting command-line texts and argument vectors into switches and arguments.
#include "options.h"

#include "tokenScan.h"

#include <cstring>

options::options() {
    prefixes.add("-");
    prefixes.add("/");
}

bool options::isSwitch(const char* token) {
    return isSwitch(token, strlen(token ? token : ""));
}

// A prefix matches when the token goes on past its end; compared in place, without measuring it.
bool options::isSwitch(const char* token, size_t length) {
    for (str* p = prefixes.toFirst(0); p; p = prefixes.move(1)) {
        const char* prefix = *p ? (const char*)*p : "";
        size_t i = 0;
        while (prefix[i] && i < length && token[i] == prefix[i])
            ++i;
        if (!prefix[i] && length > i) return true;
    }
    return false;
}

// A switch is stored without its first character, whatever the length of its prefix. The token
// is copied once, into the entry that keeps it.
void options::take(const char* token, int length, bool keepArgs) {
    if (isSwitch(token, (size_t)length))
        add(new str(token + 1, length - 1));
    else if (keepArgs)
        args.add(new str(token, length));
}

// One scan over the text, so that a long command line parses in linear time.
int options::parse(const char* text, const char* separators, bool keepArgs) {
    tokenScan scan(text, separators);
    int start, length;
    while (scan.next(start, length))
        take(text + start, length, keepArgs);
    return count;
}

int options::parseList(const char* text) {
    return parse(text, ",", true);
}

int options::parseWords(const char* text) {
    return parse(text, " ", false);
}

int options::parseArgs(int& argc, char** argv) {
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (isSwitch(argv[i]))
            add(argv[i] + 1);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return count;
}

const char* options::lookup(const char* name) {
    size_t len = strlen(name ? name : "");
    for (str* s = toFirst(0); s; s = move(1))
        if (strncmp(*s, name ? name : "", len) == 0) return (const char*)*s + len;
    return nullptr;
}
