// strs: wrapping, file reading and writing, sorting, joining and filtering of string lists.
#include "strs.h"

#include "ownedFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

strs::strs(int width, const char* text) {
    wrap(width, text);
}

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
    if (!text) return;
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

// The stream is unbuffered: the reader takes blocks of its own, and no large allocation sits
// between the many small ones of the entries. The file is opened in text mode, so the C library
// still translates what it reads.
int strs::read(const char* path) {
    ownedFile f(path, "rt");
    if (!f) return 0;
    setvbuf(f, nullptr, _IONBF, 0);
    return read((FILE*)f);
}

// The stream is read in blocks and cut as the C library's fgets with a 1000-byte buffer cuts it:
// a piece ends after a line feed or after 999 characters. An entry is its piece up to a NUL byte,
// without the line end (chop). The block is on the stack.
int strs::read(FILE* stream) {
    if (!stream) return 0;
    const size_t piece = 999, size = 16384;
    char block[size];
    size_t from = 0, to = 0;
    bool atEnd = false;
    for (;;) {
        if (to - from < piece && !atEnd) {
            memmove(block, block + from, to - from);
            to -= from;
            from = 0;
            while (to < piece && !atEnd) {
                size_t got = fread(block + to, 1, size - to, stream);
                to += got;
                atEnd = got == 0;
            }
        }
        if (from == to) break;
        const char* start = block + from;
        size_t most = to - from < piece ? to - from : piece;
        const char* lineFeed = (const char*)memchr(start, '\n', most);
        size_t taken = lineFeed ? (size_t)(lineFeed - start) + 1 : most;
        from += taken;
        std::unique_ptr<str> entry(new str(start, (int)taken)); // up to a NUL byte, as fgets's caller sees it
        add(&entry->chop());
        entry.release(); // the list holds it now
    }
    return 1;
}

// Buffered lines reach the file only when it is closed, so a full disk shows there.
int strs::write(const char* path, const char* mode) {
    ownedFile f(path, mode);
    if (!f) return 0;
    int ok = print(f);
    return f.close() && ok;
}

int strs::print(FILE* stream) {
    int ok = 1;
    for (node* n = first; n; n = n->next)
        if (fprintf(stream, "%s\n", n->element->isNull() ? "" : (const char*)*n->element) < 0) ok = 0;
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

// Walks the list once, noting where each entry's text is and how long, then copies from those
// notes into one array of blanks: the entries' nodes and strings, wherever the heap has put them,
// are reached once, and joining many lines stays linear. An entry is chopped only when it ends in
// a line end. The total is counted in 64 bits: a list may hold one entry many times, and a
// size_t of 32 bits would wrap before the check.
str strs::join() {
    str result; // the one object returned, so that it is not copied on the way out
    if (!first) return result;
    std::vector<std::pair<const char*, size_t>> texts;
    texts.reserve((size_t)count);
    uint64_t total = 0;
    for (node* n = first; n; n = n->next) {
        const char* text = *n->element;
        size_t len = text ? strlen(text) : 0;
        if (len && (text[len - 1] == '\r' || text[len - 1] == '\n'))
            len = (size_t)n->element->chop().length();
        texts.emplace_back(text, len);
        total += len ? len + 1 : 2;
    }
    if (total >= INT_MAX) // longer than a str can be: refused as the fill constructor refuses
        throw std::bad_alloc();
    str blanks((int)total, ' ');
    result.swap(blanks);
    char* out = result;
    for (const auto& text : texts) {
        if (text.second) {
            memcpy(out, text.first, text.second);
            out += text.second + 1;
        } else {
            out[1] = '\n';
            out += 2;
        }
    }
    return result;
}

bool strs::contains(const char* text) {
    for (node* n = first; n; n = n->next)
        if (n->element->compare(text) == 0) return true;
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
        if (!n->element->isBlank()) blankFrom = index;
    }
    strs kept;
    node* n = first;
    for (int i = 0; i < blankFrom; ++i, n = n->next)
        kept.add(new str(*n->element));
    return kept;
}
