// mdiWin: the library's child window of a multiple-document main window. Its children follow its
// minimised state, and it asks for the automatic tiling when it is minimised, restored from
// the minimised state or closed.
#pragma once

#include "TMDIChild.h"
#include "mdiWinX.h"

class mdiWin : public TMDIChild, public mdiWinX {
public:
    mdiWin(TMDIFrame* frame, const char* title, winX* parent = nullptr);

    void EvSize(UINT type, int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override; // the close

    // Posts the tile-children command to the main window (an mdiMainWin) when the store's item
    // 1013 is not 0, once until the main window has answered it or has gone.
    static void requestTiling();
    static int tilePending;
};
