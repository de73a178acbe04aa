// mdiWin: following the minimised state and requesting the automatic tiling.
#include "mdiWin.h"

#include "genApp.h"
#include "mdiMainWin.h"
#include "pref"

namespace {
const int autoTileItem = 1013;
}

int mdiWin::tilePending = 0;

mdiWin::mdiWin(TMDIFrame* frame, const char* title, winX* parent)
    : TMDIChild(frame, title), mdiWinX(this, parent) {
    this->title = title;
}

// Only the library's main window answers the request (mdiMainWin::EvCommand) and so clears it.
void mdiWin::requestTiling() {
    genApp* app = static_cast<genApp*>(TApplication::current);
    if (!app || !app->prefs || app->closing[0] || tilePending) return;
    mdiMainWin* main = dynamic_cast<mdiMainWin*>(app->MainWindow);
    if (!main || !main->HWindow) return;
    prefItem* item = app->prefs->findItem(autoTileItem);
    if (!item || item->getInt() == 0) return;
    tilePending = PostMessageA(main->HWindow, WM_COMMAND, CM_TILECHILDREN, 0) ? 1 : 0;
}

void mdiWin::EvSize(UINT type, int width, int height) {
    TMDIChild::EvSize(type, width, height);
    bool minimised = type == SIZE_MINIMIZED;
    bool restored = wasMinimised && !minimised;
    sizeType = (int)type;
    wasMinimised = minimised;
    if (minimised || restored) {
        showChildren(minimised);
        requestTiling();
    }
}

LRESULT mdiWin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) requestTiling();
    return TMDIChild::WindowProc(message, wParam, lParam);
}
