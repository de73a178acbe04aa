// Splits a fuzzer's bytes into small numbers and zero-terminated texts, and checks promises.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// A broken promise ends the run, so that the fuzzer keeps the input that broke it.
inline void check(bool condition) {
    if (!condition) abort();
}

class fuzzInput {
public:
    fuzzInput(const uint8_t* data, size_t size) : data(data), size(size), pos(0) {}

    int number(int low, int high) { // in [low, high]
        int span = high - low + 1;
        return pos < size ? low + data[pos++] % span : low;
    }
    // A count in [low, high], or, when the next byte has its top bit set, one of the counts near
    // the ends of int whose products and sums wrap on 32 bits.
    int count(int low, int high) {
        static const int huge[] = {INT_MAX,     INT_MIN,    INT_MAX - 1, INT_MIN + 1, 0x55555556,
                                   -0x55555556, 0x40000000, 0x40000001,  0x2AAAAAAB,  0x7FFFFFF0};
        if (pos < size && (data[pos] & 0x80)) return huge[data[pos++] % (sizeof huge / sizeof huge[0])];
        return number(low, high);
    }
    // The bytes up to the next 0 byte (or the end), without it.
    std::string text() {
        std::string t;
        while (pos < size && data[pos] != 0)
            t += (char)data[pos++];
        if (pos < size) ++pos;
        return t;
    }
    bool empty() const { return pos >= size; }

private:
    const uint8_t* data;
    size_t size, pos;
};
