// Quoting of paths in command lines.
#include "commandText.h"

namespace {
bool inQuotes(const str& text) {
    int n = text.length();
    return n >= 2 && text[0] == '"' && text[n - 1] == '"';
}
} // namespace

str quotedIfBlank(const str& path) {
    return path.countOf(' ') && !inQuotes(path) ? "\"" + path + "\"" : path;
}

str unquoted(const str& text) {
    return inQuotes(text) ? text.mid(1, text.length() - 2) : text;
}
