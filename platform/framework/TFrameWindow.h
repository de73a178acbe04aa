// TFrameWindow: the framework's plain top-level frame window.
#pragma once

#include "TWindow.h"

class TFrameWindow : public TWindow {
public:
    TFrameWindow(TWindow* parent, const char* title) : TWindow(parent, title) {}

protected:
    const char* ClassName() override { return "TFrameWindow"; }
};
