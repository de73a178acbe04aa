// mdiMainWin: the library's multiple-document main window, whose close check records the
// maximised state for the saved position.
#pragma once

#include "TMDIFrame.h"
#include "mdiMainWinX.h"
#include "vec"

class mdiMainWin : public TMDIFrame, public mdiMainWinX {
public:
    mdiMainWin(const char* title, HMENU menu);
    // A tiling request still waiting goes with the window's queue.
    ~mdiMainWin() override;

    // Records the maximised state, then, with the closing flags set and the wait cursor shown,
    // asks the framework's close check; a refusal restores the cursor and clears the flags.
    bool CanClose() override;
    // The arranging commands; a tiling request is answered whether or not there was a client to
    // tile, so that the next request is posted.
    bool EvCommand(int id) override;

    arr<str> texts; // for the program's use

protected:
    TMDIClient* InitClientWindow() override; // an mdiClientWin
};
