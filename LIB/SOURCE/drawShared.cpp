// The shared font record and colour of the drawing code.
#include "drawShared.h"

namespace {
LOGFONTA sharedFont = {};
COLORREF sharedColor = RGB(0, 0, 0);
} // namespace

LOGFONTA* LogFont() {
    return &sharedFont;
}

COLORREF ColorRef() {
    return sharedColor;
}
