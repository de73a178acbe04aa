// TMDIClient: the client area of a multiple-document frame, a window of the system class
// MDICLIENT that holds the child windows and arranges them.
#pragma once

#include "TWindow.h"

class TMDIClient : public TWindow {
public:
    explicit TMDIClient(TWindow* frame);
    ~TMDIClient() override; // the frame's pointer to this client (heldBy), if it still is one, is cleared

    virtual void TileChildren();    // side by side, by WM_MDITILE
    virtual void CascadeChildren(); // WM_MDICASCADE
    virtual void ArrangeIcons();    // WM_MDIICONARRANGE
    // Closes every child whose close check agrees; returns whether all of them went. A child
    // ended by another on the way counts as gone.
    virtual bool CloseChildren();
    // Whether every child's close check agrees; a child ended by another's check is not asked.
    bool ChildrenCanClose();
    HWND ActiveChild(); // WM_MDIGETACTIVE

    // Where the frame holds this client: a child may destroy the client on its own, and the
    // frame's arranging commands and its new children must not reach the object that went.
    TMDIClient** heldBy = nullptr;

protected:
    const char* ClassName() override { return "MDICLIENT"; }
    HWND CreateHandle(HWND parentWindow) override;
};
