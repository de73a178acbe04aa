// The drawing code's shared font record and colour, handed out by the library.
#pragma once

#include <windows.h>

LOGFONTA* LogFont();
COLORREF ColorRef();
