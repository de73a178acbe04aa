// Quoting of paths in command lines.
#include "commandText.h"

str quotedIfBlank(const str& path) { return path.countOf(' ') ? "\"" + path + "\"" : path; }

str unquoted(const str& text) {
    int n = text.length();
    return n >= 2 && text[0] == '"' && text[n - 1] == '"' ? text.mid(1, n - 2) : text;
}
