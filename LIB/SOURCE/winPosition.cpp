// The window position text: reading the fractions, writing them, and the maximised flag.
#include "winPosition.h"

#include <cstdlib>

winPlace PositionFromText(const str& text, int screenWidth, int screenHeight) {
    int value[4];
    for (int k = 0; k < 4; ++k) {
        str word = text.isNull() ? str() : text.token(k, " ");
        double fraction = word.isNull() ? 0.0 : atof(word);
        value[k] = (int)(fraction * (k % 2 == 0 ? screenWidth : screenHeight));
    }
    return winPlace{value[0], value[1], value[2], value[3]};
}

str PositionText(const winPlace& place, bool maximised, int screenWidth, int screenHeight) {
    double cx = screenWidth ? screenWidth : 1, cy = screenHeight ? screenHeight : 1;
    return str(200, "%g %g %g %g %d", place.left / cx, place.top / cy, place.width / cx, place.height / cy,
               maximised ? 1 : 0);
}

bool PositionMaximised(const str& text) {
    if (text.isNull() || text.tokenCount(" ") <= 4)
        return false;
    return atoi(text.token(4, " ")) != 0;
}
