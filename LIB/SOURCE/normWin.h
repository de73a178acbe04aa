// normWin: the library's plain frame window, which may refuse to be moved or resized.
#pragma once

#include "TFrameWindow.h"
#include "winX.h"

class normWin : public TFrameWindow, public winX {
public:
    normWin(TWindow* parentWindow, const char* title, winX* parent = nullptr);

    // Unless the application allows any position, a window that may not move or may not be sized
    // keeps its place or its size (SWP_NOMOVE, SWP_NOSIZE).
    void EvWindowPosChanging(WINDOWPOS& change) override;
    void EvSize(UINT type, int width, int height) override; // records the size type
};

// The change's flags after the move and size rule.
UINT MoveAndSizeFlags(UINT flags, bool anyPosition, bool mayMove, bool maySize);
