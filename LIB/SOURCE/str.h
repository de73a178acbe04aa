// str: the library's string value, one owned zero-terminated 8-bit text; null differs from "".
#pragma once

#include <climits>
#include <cstring>

// The formatted constructor's arguments are checked like printf's (mingw's is the GNU one).
#if defined(__clang__)
#define STR_PRINTF_CHECK(f, a) __attribute__((format(printf, f, a)))
#else
#define STR_PRINTF_CHECK(f, a) __attribute__((format(gnu_printf, f, a)))
#endif

// A str owns its array alone: every construction, copy and assignment allocates a fresh one, and
// the destructor frees it. A null string (no array) acts as an empty operand in concatenation.
// The string converts to a pointer to its characters (null for a null string), so it can be handed
// to C and Windows calls; a string made by the fill constructor serves as an output buffer of
// known size for such calls. Lengths are ints: an operation whose result would not fit one
// (repeat, mid, the fill and formatted constructors with huge counts, concatenation, replace,
// toHex) throws std::bad_alloc, as an allocation that fails does, and never makes a short array.
class str {
public:
    str(); // null string
    // A copy; a null pointer gives a null string. Inline, so that a literal's length is known
    // when the caller is compiled.
    str(const char* text) : s(text ? copyOf(text, strlen(text)) : nullptr) {}
    str(const char* text, int n); // first n characters (n < 0: all); n must not exceed the length
    str(const str& other);
    explicit str(int value);    // decimal text
    explicit str(long value);   // decimal text
    explicit str(double value); // "%g"
    str(int n, char c);         // n copies of c
    // Formats into an array of n+1 zero bytes; a longer result is cut to n characters.
    str(int n, const char* format, ...) STR_PRINTF_CHECK(3, 4);
    ~str() { delete[] s; }

    str& operator=(const str& other); // safe for self-assignment
    str& operator=(const char* text); // safe for a pointer into this string's own text

    str operator+(const char* right) const;
    str operator+(const str& right) const;
    str& operator+=(const char* right);
    str& operator+=(const str& right);

    operator char*() const { return s; }

    // Exchanges the arrays of two strings, whatever bytes they hold past their first terminator.
    void swap(str& other) {
        char* t = s;
        s = other.s;
        other.s = t;
    }

    bool isNull() const { return s == nullptr; }
    int length() const; // 0 for a null string

    // Queries. A null string reads as the empty text.
    bool isBlank() const; // only blanks (code 32), or empty, or null
    bool startsWith(const char* p) const;
    int compare(const str& other) const;
    int compareN(const str& other, int n) const;
    int find(const char* text) const; // offset of the first occurrence, or -1
    int firstNotOf(char c) const;     // offset of the first character other than c, or -1
    int countOf(char c) const;
    char firstUpper() const; // first upper-case ASCII letter, or 0
    double hexValue() const; // value of the leading hexadecimal digits

    // In place; each returns the string.
    str& upperFirst();
    str& capitalize();
    str& capitalizeWords(const char* separators);
    str& chop(); // removes trailing carriage returns and line feeds

    // New strings; this one is unchanged.
    str toLower() const; // ASCII letters to lower case
    str replaceChar(char a, char b) const;
    str replace(const char* oldText, const char* newText) const; // empty old text: a copy
    str repeat(int n) const;                                     // n < 0: the reversed text -n times; 0: null
    str trim(int side = 0) const;        // side < 0 leading, > 0 trailing, 0 both; blanks only
    str mid(int start, int count) const; // padded with blanks to count; count < 0: to the end

    // Tokens: maximal runs of characters not in the separator set. For a null string token and
    // tokens give the text "0" and tokenPos gives -1.
    str token(int n, const char* separators) const;
    str tokens(int n, int m, const char* separators) const; // m = 0: token n to the end of the text
    int tokenCount(const char* separators) const;
    int tokenPos(int n, const char* separators) const;

    // Hexadecimal: two upper-case digits per byte ("%02X"); a count of 0 or less gives null.
    static str toHex(const void* bytes, int count);
    // Decodes pairs of digits into out, at most max bytes (max = -1: all pairs); returns the count.
    int fromHex(unsigned char* out, int max) const;

private:
    char* s;
    // A new array for a text of n characters and its terminator. A text is measured in ints, so
    // one whose array size does not fit an int is refused (refuse: std::bad_alloc, as a failed
    // allocation), before any size computed from it can wrap on a 32-bit system.
    static char* arrayFor(unsigned long long n) {
        if (n >= (unsigned long long)INT_MAX) refuse();
        return new char[(size_t)n + 1];
    }
    [[noreturn]] static void refuse();
    // A new array holding the n characters and a terminator; inline, so that a copy of known
    // length is made without a call.
    static char* copyOf(const char* text, size_t n) {
        char* a = arrayFor(n);
        memcpy(a, text, n);
        a[n] = 0;
        return a;
    }
    void take(char* array); // frees the old array, keeps the new one
    void lower();           // ASCII letters to lower case
};

// The comparison with which string lists are sorted (strcmp's sign convention).
int compareStr(const str& a, const str& b);

// The integer value of a text by C atoi rules: leading white space, an optional sign, decimal
// digits up to the first other character; 0 for a null text or no digits. A value beyond an int,
// where atoi's result is undefined, stops at INT_MAX or INT_MIN.
int IntOf(const char* text);

str operator+(const char* left, const str& right);
