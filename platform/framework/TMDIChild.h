// TMDIChild: the framework's child window of a multiple-document frame, made in the frame's client.
#pragma once

#include "TMDIFrame.h"

class TMDIChild : public TWindow {
public:
    TMDIChild(TMDIFrame* frame, const char* title);

    void Destroy() override; // WM_MDIDESTROY through the client
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    const char* ClassName() override { return "TMDIChild"; }
    HWND CreateHandle(HWND clientWindow) override; // WM_MDICREATE
};
