// Fuzzes the string type's text operations with texts, separator sets and counts taken from the
// input, and checks what each one promises.
#include "fuzzInput.h"
#include "str.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
// Runs make, whose result has want characters. A result too long for a str must be refused with
// bad_alloc; one that fits but is large is not made, as its allocation would only test the machine.
template <class F> void sized(long long want, F make) {
    if (want >= INT_MAX) {
        bool refused = false;
        try {
            make();
        } catch (const std::bad_alloc&) {
            refused = true;
        }
        check(refused);
    } else if (want <= 1 << 16) {
        make();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzInput in(data, size);
    std::string textBytes = in.text(), separatorBytes = in.text(), oldBytes = in.text(), newBytes = in.text();
    str text(textBytes.c_str()), seps(separatorBytes.c_str());
    int n = in.count(-2, 40), m = in.count(-2, 40), count = in.count(-3, 300);
    long long len = text.length();

    int tokens = text.tokenCount(seps);
    check(tokens >= 0 && tokens <= text.length());
    for (int i = 0; i < tokens && i < 50; ++i) {
        str t = text.token(i, seps);
        check(!t.isNull() && t.length() > 0);
        int at = text.tokenPos(i, seps);
        check(at >= 0 && strncmp(text + at, t, t.length()) == 0);
    }
    check(text.token(tokens, seps).isNull());
    str some = text.tokens(n, m, seps);
    check(some.isNull() || some.length() <= text.length());
    check(text.token(n, seps).length() <= len && text.tokenPos(m, seps) < len);

    str replaced = text.replace(oldBytes.c_str(), newBytes.c_str());
    if (oldBytes.empty() || text.find(oldBytes.c_str()) < 0) check(strcmp(replaced, text) == 0);

    sized(count < 0 ? len : count, [&] {
        str piece = text.mid(n, count);
        check(count >= 0 ? piece.length() == count : piece.length() <= len);
    });
    int filled = count < 0 ? 0 : count;
    sized(filled, [&] { check(str(count, 'f').length() == filled); });
    sized(filled, [&] { check(str(count, "%s", (const char*)text).length() <= filled); });

    for (int side = -1; side <= 1; ++side) {
        str t = text.trim(side);
        check(t.length() <= text.length());
    }
    int times = in.count(-4, 4);
    long long repeats = times < 0 ? -(long long)times : times;
    sized(len * repeats, [&] {
        str repeated = text.repeat(times);
        check(repeated.isNull() == (times == 0) && repeated.length() == len * repeats);
    });

    // Hexadecimal text and back gives the bytes again.
    str hex = str::toHex(textBytes.data(), (int)textBytes.size());
    check(hex.length() == 2 * (int)textBytes.size());
    std::string back(textBytes.size() + 1, '\0');
    int decoded = hex.fromHex((unsigned char*)&back[0], -1);
    check(decoded == (int)textBytes.size() && memcmp(back.data(), textBytes.data(), decoded) == 0);
    unsigned char few[4];
    check(text.fromHex(few, 4) <= 4);
    text.hexValue();

    str edited(text);
    edited.upperFirst();
    edited.capitalizeWords(seps);
    edited.chop();
    check(edited.length() <= text.length());
    text.toLower();
    text.replaceChar(textBytes.empty() ? 'a' : textBytes[0], 'b');
    text.countOf(' ');
    text.firstNotOf(' ');
    return 0;
}
