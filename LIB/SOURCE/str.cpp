// str: construction, concatenation and the text operations of the library's string value.
#include "str.h"

#include "tokenScan.h"

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

const char* textOf(const char* s) {
    return s ? s : "";
}

bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

void str::refuse() {
    throw std::bad_alloc();
}

str::str() : s(nullptr) {}

// The count never reaches past the terminator, whatever the caller passes; only the first n
// characters are looked at, so taking a piece of a long text costs the piece, not the text.
str::str(const char* text, int n) : s(nullptr) {
    if (!text) return;
    if (n < 0) {
        s = copyOf(text, strlen(text));
        return;
    }
    const void* end = memchr(text, 0, (size_t)n);
    s = copyOf(text, end ? (size_t)((const char*)end - text) : (size_t)n);
}

str::str(const str& other) : str(other.s) {}

str::str(int value) : s(new char[50]) {
    snprintf(s, 50, "%d", value);
}

str::str(long value) : s(new char[50]) {
    snprintf(s, 50, "%ld", value);
}

str::str(double value) : s(new char[201]) {
    snprintf(s, 201, "%g", value);
}

str::str(int n, char c) : s(nullptr) {
    if (n < 0) n = 0;
    s = arrayFor((unsigned)n);
    memset(s, c, (size_t)n);
    s[n] = 0;
}

// Bounded formatting: a result longer than n characters is cut, never written past the array.
str::str(int n, const char* format, ...) : s(nullptr) {
    if (n < 0) n = 0;
    s = arrayFor((unsigned)n);
    memset(s, 0, (size_t)n + 1);
    va_list args;
    va_start(args, format);
    vsnprintf(s, (size_t)n + 1, textOf(format), args);
    va_end(args);
}

void str::take(char* array) {
    delete[] s;
    s = array;
}

str& str::operator=(const str& other) {
    return *this = other.s;
}

str& str::operator=(const char* text) {
    take(text ? copyOf(text, strlen(text)) : nullptr);
    return *this;
}

str str::operator+(const char* right) const {
    if (!right) return *this;
    if (!s) return str(right);
    size_t la = strlen(s), lb = strlen(right);
    str result;
    result.s = arrayFor((unsigned long long)la + lb);
    memcpy(result.s, s, la);
    memcpy(result.s + la, right, lb + 1);
    return result;
}

str str::operator+(const str& right) const {
    return *this + right.s;
}

str& str::operator+=(const char* right) {
    str joined = *this + right;
    take(joined.s);
    joined.s = nullptr;
    return *this;
}

str& str::operator+=(const str& right) {
    return *this += right.s;
}

str operator+(const char* left, const str& right) {
    return str(left) + right;
}

int str::length() const {
    return s ? (int)strlen(s) : 0;
}

bool str::isBlank() const {
    for (const char* p = textOf(s); *p; ++p)
        if (*p != ' ') return false;
    return true;
}

bool str::startsWith(const char* p) const {
    const char* t = textOf(s);
    size_t n = strlen(textOf(p));
    return strlen(t) >= n && memcmp(t, textOf(p), n) == 0;
}

int str::compare(const str& other) const {
    return strcmp(textOf(s), textOf(other.s));
}

int str::compareN(const str& other, int n) const {
    return n <= 0 ? 0 : strncmp(textOf(s), textOf(other.s), (size_t)n);
}

int compareStr(const str& a, const str& b) {
    return a.compare(b);
}

int IntOf(const char* text) {
    long value = strtol(textOf(text), nullptr, 10); // LONG_MAX or LONG_MIN past a long
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : (int)value;
}

int str::find(const char* text) const {
    const char* t = textOf(s);
    const char* hit = strstr(t, textOf(text));
    return hit ? (int)(hit - t) : -1;
}

int str::firstNotOf(char c) const {
    for (const char* p = textOf(s); *p; ++p)
        if (*p != c) return (int)(p - s);
    return -1;
}

int str::countOf(char c) const {
    int n = 0;
    for (const char* p = textOf(s); *p; ++p)
        n += *p == c;
    return n;
}

char str::firstUpper() const {
    for (const char* p = textOf(s); *p; ++p)
        if (isUpper(*p)) return *p;
    return 0;
}

double str::hexValue() const {
    double value = 0;
    for (const char* p = textOf(s); hexDigit(*p) >= 0; ++p)
        value = value * 16 + hexDigit(*p);
    return value;
}

str& str::upperFirst() {
    if (s && isLower(s[0])) s[0] = (char)(s[0] - 'a' + 'A');
    return *this;
}

void str::lower() {
    for (char* p = s; p && *p; ++p)
        if (isUpper(*p)) *p = (char)(*p - 'A' + 'a');
}

str& str::capitalize() {
    lower();
    return upperFirst();
}

str& str::capitalizeWords(const char* separators) {
    lower();
    tokenScan scan(s, separators);
    int start, len;
    while (scan.next(start, len))
        if (isLower(s[start])) s[start] = (char)(s[start] - 'a' + 'A');
    return *this;
}

str& str::chop() {
    if (s) {
        size_t n = strlen(s);
        while (n > 0 && (s[n - 1] == '\r' || s[n - 1] == '\n'))
            s[--n] = 0;
    }
    return *this;
}

str str::toLower() const {
    str result(*this);
    result.lower();
    return result;
}

str str::replaceChar(char a, char b) const {
    str result(*this);
    for (char* p = result.s; p && *p; ++p)
        if (*p == a) *p = b;
    return result;
}

str str::replace(const char* oldText, const char* newText) const {
    size_t lo = strlen(textOf(oldText));
    if (lo == 0) return *this;
    const char* t = textOf(s);
    const char* with = textOf(newText);
    size_t ln = strlen(with), matches = 0;
    for (const char* p = strstr(t, oldText); p; p = strstr(p + lo, oldText))
        ++matches;
    str result;
    result.s = arrayFor(strlen(t) + (unsigned long long)matches * ln - (unsigned long long)matches * lo);
    char* out = result.s;
    const char* mark = t;
    for (const char* p = strstr(t, oldText); p; p = strstr(mark, oldText)) {
        memcpy(out, mark, p - mark);
        out += p - mark;
        memcpy(out, with, ln);
        out += ln;
        mark = p + lo;
    }
    strcpy(out, mark);
    return result;
}

str str::repeat(int n) const {
    if (!s || n == 0) return str();
    // len is below INT_MAX and times at most 2^31, so their product cannot wrap 64 bits.
    size_t len = strlen(s), times = (size_t)(n < 0 ? -(long long)n : n);
    str result;
    result.s = arrayFor((unsigned long long)len * times);
    char* out = result.s;
    if (len > 0) // the empty text repeated is empty, without counting to n
        for (size_t i = 0; i < times; ++i)
            for (size_t j = 0; j < len; ++j)
                *out++ = n < 0 ? s[len - 1 - j] : s[j];
    *out = 0;
    return result;
}

str str::trim(int side) const {
    if (!s) return str();
    const char* begin = s;
    const char* end = s + strlen(s);
    if (side <= 0)
        while (*begin == ' ')
            ++begin;
    if (side >= 0)
        while (end > begin && end[-1] == ' ')
            --end;
    return str(begin, (int)(end - begin));
}

// A start beyond the text gives the padding alone; a null string reads as "".
str str::mid(int start, int count) const {
    int len = length();
    if (start < 0) start = 0;
    if (start > len) start = len;
    if (count < 0) count = len - start;
    str result(count, ' ');
    int n = len - start < count ? len - start : count;
    if (n > 0) memcpy(result.s, s + start, n);
    return result;
}

str str::token(int n, const char* separators) const {
    if (!s) return str("0");
    tokenScan scan(s, separators);
    int start, len;
    for (int i = 0; scan.next(start, len); ++i)
        if (i == n) return str(s + start, len);
    return str();
}

str str::tokens(int n, int m, const char* separators) const {
    if (!s) return str("0");
    tokenScan scan(s, separators);
    int start, len, first = -1, end = 0;
    for (int i = 0; scan.next(start, len); ++i) {
        if (i == n) first = start;
        if (first >= 0) {
            end = start + len;
            if (m <= 0 || i - n == m - 1) // i >= n here, so neither side overflows
                break;
        }
    }
    if (first < 0) return str();
    return m <= 0 ? str(s + first) : str(s + first, end - first);
}

int str::tokenCount(const char* separators) const {
    tokenScan scan(s, separators);
    int start, len, n = 0;
    while (scan.next(start, len))
        ++n;
    return n;
}

int str::tokenPos(int n, const char* separators) const {
    if (!s) return -1;
    tokenScan scan(s, separators);
    int start, len;
    for (int i = 0; scan.next(start, len); ++i)
        if (i == n) return start;
    return -1;
}

str str::toHex(const void* bytes, int count) {
    if (count <= 0 || !bytes) return str();
    static const char digits[] = "0123456789ABCDEF";
    const unsigned char* b = (const unsigned char*)bytes;
    str result;
    result.s = arrayFor(2ull * (unsigned)count);
    char* out = result.s;
    for (int i = 0; i < count; ++i) {
        *out++ = digits[b[i] >> 4];
        *out++ = digits[b[i] & 15];
    }
    *out = 0;
    return result;
}

// A pair is read as a number of up to two digits: a digit that is not hexadecimal ends it, so
// "1G" gives 0x01 and "G1" gives 0.
int str::fromHex(unsigned char* out, int max) const {
    int pairs = length() / 2;
    int n = max < 0 || max > pairs ? pairs : max;
    for (int i = 0; i < n; ++i) {
        int hi = hexDigit(s[2 * i]), lo = hexDigit(s[2 * i + 1]);
        out[i] = (unsigned char)(hi < 0 ? 0 : lo < 0 ? hi : hi * 16 + lo);
    }
    return n;
}
