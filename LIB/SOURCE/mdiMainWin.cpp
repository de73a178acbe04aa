// mdiMainWin: the client it makes and its close check.
#include "mdiMainWin.h"

#include "genApp.h"
#include "mdiClientWin.h"
#include "mdiWin.h"

mdiMainWin::mdiMainWin(const char* title, HMENU menu)
    : TMDIFrame(title, menu), mdiMainWinX(this), texts(1, str("")) {
    this->title = title;
}

mdiMainWin::~mdiMainWin() {
    mdiWin::tilePending = 0;
}

TMDIClient* mdiMainWin::InitClientWindow() {
    return new mdiClientWin(this);
}

bool mdiMainWin::EvCommand(int id) {
    bool handled = TMDIFrame::EvCommand(id);
    if (id == CM_TILECHILDREN) mdiWin::tilePending = 0;
    return handled;
}

bool mdiMainWin::CanClose() {
    if (HWindow)
        Attr.Style = (Attr.Style & ~WS_MAXIMIZE) | ((DWORD)GetWindowLongA(HWindow, GWL_STYLE) & WS_MAXIMIZE);
    genApp* app = static_cast<genApp*>(TApplication::current);
    if (app) app->closing[0] = app->closing[1] = 1;
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    bool goesOn = TMDIFrame::CanClose();
    if (!goesOn) {
        SetCursor(previous);
        if (app) app->closing[0] = app->closing[1] = 0;
    }
    return goesOn;
}
