// Splits a fuzzer's bytes into small numbers and zero-terminated texts, and checks promises.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// A broken promise ends the run, so that the fuzzer keeps the input that broke it.
inline void check(bool condition) {
    if (!condition)
        abort();
}

class fuzzInput {
public:
    fuzzInput(const uint8_t* data, size_t size) : data(data), size(size), pos(0) {}

    int number(int low, int high) { // in [low, high]
        int span = high - low + 1;
        return pos < size ? low + data[pos++] % span : low;
    }
    // The bytes up to the next 0 byte (or the end), without it.
    std::string text() {
        std::string t;
        while (pos < size && data[pos] != 0)
            t += (char)data[pos++];
        if (pos < size)
            ++pos;
        return t;
    }
    bool empty() const { return pos >= size; }

private:
    const uint8_t* data;
    size_t size, pos;
};
