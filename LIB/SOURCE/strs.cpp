// strs: wrapping, file reading and writing, sorting, joining and filtering of string lists.
#include "strs.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <new>
#include <string_view>
#include <unordered_set>
#include <vector>

strs::strs(int width, const char* text) { wrap(width, text); }

strs::strs(int width, const strs& list) {
    for (node* n = list.first; n; n = n->next) {
        if (n->element->length() > width)
            wrap(width, *n->element);
        else
            add(new str(*n->element));
    }
}

strs::strs(const str* array, int n) {
    for (int i = 0; (n < 0 || i < n) && !array[i].isNull(); ++i)
        add(new str(array[i]));
}

void strs::wrap(int width, const char* text) {
    if (!text)
        return;
    if (width < 1) {
        add(text);
        return;
    }
    size_t rest = strlen(text);
    while (rest > (size_t)width) {
        int cut = width;
        while (cut >= 0 && text[cut] != ' ')
            --cut;
        if (cut < 0) {
            add(new str(text, width));
            text += width;
            rest -= width;
        } else {
            add(new str(text, cut));
            text += cut + 1;
            rest -= cut + 1;
        }
    }
    add(text);
}

int strs::read(const char* path) {
    FILE* f = fopen(path, "rt");
    if (!f)
        return 0;
    char line[1000];
    while (fgets(line, sizeof line, f)) {
        str* entry = new str(line);
        entry->chop();
        add(entry);
    }
    fclose(f);
    return 1;
}

// Buffered lines reach the file only when it is closed, so a full disk shows there.
int strs::write(const char* path, const char* mode) {
    FILE* f = fopen(path, mode);
    if (!f)
        return 0;
    int ok = print(f);
    return fclose(f) == 0 && ok;
}

int strs::print(FILE* stream) {
    int ok = 1;
    for (node* n = first; n; n = n->next)
        if (fprintf(stream, "%s\n", n->element->isNull() ? "" : (const char*)*n->element) < 0)
            ok = 0;
    return ok;
}

// Sorting moves element pointers between the nodes; the nodes themselves stay in place.
void strs::sort(int (*compare)(const str&, const str&)) {
    if (compare == compareStr) {
        sortByText();
        return;
    }
    std::vector<str*> entries;
    entries.reserve(count);
    for (node* n = first; n; n = n->next)
        entries.push_back(n->element);
    std::stable_sort(entries.begin(), entries.end(),
                     [compare](const str* a, const str* b) { return compare(*a, *b) < 0; });
    size_t i = 0;
    for (node* n = first; n; n = n->next)
        n->element = entries[i++];
}

// The default order, with each entry's first eight bytes held beside it as one number (most
// comparisons end there without reading the text) and its characters for the rest: the order
// that compareStr gives.
void strs::sortByText() {
    struct keyed {
        uint64_t head;         // the first 8 bytes, big-endian, zeros after the terminator
        std::string_view text; // compared byte by byte as unsigned, as strcmp compares
        str* entry;
    };
    std::vector<keyed> entries;
    entries.reserve(count);
    for (node* n = first; n; n = n->next) {
        std::string_view text(n->element->isNull() ? "" : (const char*)*n->element);
        uint64_t head = 0;
        for (size_t i = 0; i < 8; ++i)
            head = head << 8 | (i < text.size() ? (unsigned char)text[i] : 0);
        entries.push_back(keyed{head, text, n->element});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const keyed& a, const keyed& b) {
        return a.head != b.head ? a.head < b.head : a.text < b.text;
    });
    size_t i = 0;
    for (node* n = first; n; n = n->next)
        n->element = entries[i++].entry;
}

// Measures first and copies once, so joining many lines stays linear.
str strs::join() {
    size_t total = 0;
    for (node* n = first; n; n = n->next) {
        size_t len = n->element->chop().length();
        total += len ? len + 1 : 2;
    }
    if (!first)
        return str();
    if (total >= INT_MAX) // longer than a str can be: refused as the fill constructor refuses
        throw std::bad_alloc();
    str result((int)total, ' ');
    char* out = result;
    for (node* n = first; n; n = n->next) {
        size_t len = n->element->length();
        if (len) {
            memcpy(out, (const char*)*n->element, len);
            out += len + 1;
        } else {
            out[1] = '\n';
            out += 2;
        }
    }
    return result;
}

bool strs::contains(const char* text) {
    for (node* n = first; n; n = n->next)
        if (n->element->compare(text) == 0)
            return true;
    return false;
}

// A hash of the texts seen so far gives the same result as comparing each entry with every kept
// one, in linear time. A null entry counts as the empty text, as in compare.
strs strs::unique() {
    strs kept;
    std::unordered_set<std::string_view> seen;
    seen.reserve(count);
    for (node* n = first; n; n = n->next) {
        const str& e = *n->element;
        if (seen.insert(std::string_view(e.isNull() ? "" : (const char*)e, e.length())).second)
            kept.add(new str(e));
    }
    return kept;
}

strs strs::withoutBlankTail() {
    int index = 0, blankFrom = 0;
    for (node* n = first; n; n = n->next) {
        ++index;
        if (!n->element->isBlank())
            blankFrom = index;
    }
    strs kept;
    node* n = first;
    for (int i = 0; i < blankFrom; ++i, n = n->next)
        kept.add(new str(*n->element));
    return kept;
}
