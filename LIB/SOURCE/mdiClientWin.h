// mdiClientWin: the library's client area of a multiple-document main window; it performs the
// automatic tiling that the child windows request.
#pragma once

#include "TMDIClient.h"
#include "winX.h"

class mdiClientWin : public TMDIClient, public winX {
public:
    explicit mdiClientWin(TWindow* frame);

    // Tiles, re-activates the child that was active before, and lets children request it again.
    void TileChildren() override;
};
