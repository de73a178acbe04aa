// mdiWinX: the winX of the multiple-document windows.
#pragma once

#include "winX.h"

class mdiWinX : public winX {
public:
    explicit mdiWinX(TWindow* window, winX* parent = nullptr) : winX(window, parent) {}
};
