// Fuzzes the string type's text operations with texts, separator sets and counts taken from the
// input, and checks what each one promises.
#include "fuzzInput.h"
#include "str.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzInput in(data, size);
    std::string textBytes = in.text(), separatorBytes = in.text(), oldBytes = in.text(), newBytes = in.text();
    str text(textBytes.c_str()), seps(separatorBytes.c_str());
    int n = in.number(-2, 40), m = in.number(-2, 40), count = in.number(-3, 300);

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

    str replaced = text.replace(oldBytes.c_str(), newBytes.c_str());
    if (oldBytes.empty() || text.find(oldBytes.c_str()) < 0)
        check(strcmp(replaced, text) == 0);

    str piece = text.mid(n, count);
    if (count >= 0)
        check(piece.length() == count);
    else
        check(piece.length() <= text.length());

    for (int side = -1; side <= 1; ++side) {
        str t = text.trim(side);
        check(t.length() <= text.length());
    }
    str repeated = text.repeat(in.number(-4, 4));
    check(repeated.isNull() || repeated.length() <= 4 * text.length());

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
