// The window position text "x y w h m": the edges and the size as fractions of the screen, and
// 1 or 0 for a maximised window.
#pragma once

#include "str.h"

struct winPlace {
    int left, top, width, height;
};

// Each of the first four blank-separated words by C atof rules, times the screen width (x, w) or
// height (y, h), truncated toward zero; a missing word gives 0. Readers accept ".25" and "0.25".
// A word that is not finite gives 0; a product beyond an int gives INT_MAX or INT_MIN.
winPlace PositionFromText(const str& text, int screenWidth, int screenHeight);

// Each fraction as "%g " followed by 1 or 0: 200 150 400 300 on 800 x 600 gives
// "0.25 0.25 0.5 0.5 0". A zero screen size counts as 1.
str PositionText(const winPlace& place, bool maximised, int screenWidth, int screenHeight);

// Whether the text has a fifth word whose integer value (C atoi rules) is not 0.
bool PositionMaximised(const str& text);
