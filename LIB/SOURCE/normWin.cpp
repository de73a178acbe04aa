// normWin: the move and size rule and the recorded size type.
#include "normWin.h"

#include "genApp.h"

normWin::normWin(TWindow* parentWindow, const char* title, winX* parent)
    : TFrameWindow(parentWindow, title), winX(this, parent) {
    this->title = title;
}

UINT MoveAndSizeFlags(UINT flags, bool anyPosition, bool mayMove, bool maySize) {
    if (anyPosition || (mayMove && maySize)) return flags;
    return flags | (mayMove ? 0 : SWP_NOMOVE) | (maySize ? 0 : SWP_NOSIZE);
}

void normWin::EvWindowPosChanging(WINDOWPOS& change) {
    genApp* app = static_cast<genApp*>(TApplication::current);
    change.flags = MoveAndSizeFlags(change.flags, !app || app->anyPosition, mayMove(), maySize());
    TFrameWindow::EvWindowPosChanging(change);
}

void normWin::EvSize(UINT type, int width, int height) {
    TFrameWindow::EvSize(type, width, height);
    sizeType = (int)type;
}
