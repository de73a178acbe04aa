// TMDIFrame: the framework's multiple-document frame: a top-level window with a client area that
// holds the child windows, and the commands that arrange them.
#pragma once

#include "TMDIClient.h"

// The arranging commands that the frame passes to its client.
enum {
    CM_CASCADECHILDREN = 24361,
    CM_TILECHILDREN = 24362,
    CM_ARRANGEICONS = 24363,
    CM_CLOSECHILDREN = 24364,
};

class TMDIFrame : public TWindow {
public:
    TMDIFrame(const char* title, HMENU menu);
    // The client may outlive this part of the object (its window goes with the frame's, later):
    // it is told that its pointer here is gone.
    ~TMDIFrame() override;

    // The close check: every child's close check must agree.
    bool CanClose() override;
    bool PreProcessMsg(MSG& msg) override; // the children's system-menu keys
    bool EvCommand(int id) override;       // the arranging commands
    void SetupWindow() override;           // makes the client (EM_INVALIDCLIENT when it cannot)
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    TMDIClient* ClientWnd;

protected:
    // Makes the client object (with new); the default is a plain TMDIClient.
    virtual TMDIClient* InitClientWindow() { return new TMDIClient(this); }
    const char* ClassName() override { return "TMDIFrame"; }
};
