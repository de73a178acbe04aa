// The window position text: reading the fractions, writing them, and the maximised flag.
#include "winPosition.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {
// The text comes from a file that anyone may have edited: a fraction that is not finite counts as
// 0, and a product beyond an int stops at its end, where the conversion would be undefined.
int scaled(double fraction, int size) {
    if (!std::isfinite(fraction)) return 0;
    double product = fraction * size;
    if (product >= (double)INT_MAX) return INT_MAX;
    if (product <= (double)INT_MIN) return INT_MIN;
    return (int)product;
}
} // namespace

winPlace PositionFromText(const str& text, int screenWidth, int screenHeight) {
    int value[4];
    for (int k = 0; k < 4; ++k) {
        str word = text.isNull() ? str() : text.token(k, " ");
        value[k] = scaled(word.isNull() ? 0.0 : atof(word), k % 2 == 0 ? screenWidth : screenHeight);
    }
    return winPlace{value[0], value[1], value[2], value[3]};
}

str PositionText(const winPlace& place, bool maximised, int screenWidth, int screenHeight) {
    double cx = screenWidth ? screenWidth : 1, cy = screenHeight ? screenHeight : 1;
    return str(200, "%g %g %g %g %d", place.left / cx, place.top / cy, place.width / cx, place.height / cy,
               maximised ? 1 : 0);
}

bool PositionMaximised(const str& text) {
    if (text.isNull() || text.tokenCount(" ") <= 4) return false;
    return IntOf(text.token(4, " ")) != 0;
}
