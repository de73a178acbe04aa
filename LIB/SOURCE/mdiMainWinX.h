// mdiMainWinX: the winX of a multiple-document main window.
#pragma once

#include "mdiWinX.h"

class mdiMainWinX : public mdiWinX {
public:
    explicit mdiMainWinX(TWindow* window) : mdiWinX(window) {}
};
