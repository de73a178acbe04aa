// mdiClientWin: tiling with the active child kept.
#include "mdiClientWin.h"

#include "mdiWin.h"

mdiClientWin::mdiClientWin(TWindow* frame) : TMDIClient(frame), winX(this) {}

void mdiClientWin::TileChildren() {
    HWND active = ActiveChild();
    TMDIClient::TileChildren();
    if (active && IsWindow(active)) SendMessageA(HWindow, WM_MDIACTIVATE, (WPARAM)active, 0);
    mdiWin::tilePending = 0;
}
