// winX: what the library's windows share: a title, the child windows that are shown, hidden and
// destroyed with their parent, a position restored from and saved to a preference item, and the
// predicates that let a window refuse to be moved or resized.
#pragma once

#include "TWindow.h"
#include "looseSet.h"
#include "str.h"

#include <windows.h>

class winX {
public:
    // window is the framework window that carries this mix-in; a parent lists the new window
    // among its children.
    explicit winX(TWindow* window, winX* parent = nullptr);
    // Clears the registered variable, lets the parent forget the window and destroys its
    // children (not while the main window closes), and saves the position to its item.
    virtual ~winX();
    winX(const winX&) = delete;
    winX& operator=(const winX&) = delete;

    virtual str getTitle(); // a copy of title
    virtual void repaint(); // the whole window, erased
    virtual void setTitle(const str& text);
    virtual SIZE frameSize(); // what the frame and caption add to the client
    virtual bool mayMove() { return true; }
    virtual bool maySize() { return true; }
    virtual void clearParent() { parent = nullptr; }
    virtual void setParent(winX* p) { parent = p; }
    virtual looseSet<winX>* childList() { return &children; }

    // Binds the window to a position item and, when the store holds it, sets the creation
    // position and size from its text. Call it before the window is created.
    void bindPosition(int item);
    // A message box owned by this window; an empty caption gives the application's name.
    int MsgBox(const str& text, unsigned style, const str& caption);
    // Minimises then hides each child (minimised), or shows each without activating it.
    void showChildren(bool minimised);

    TWindow* window;
    int positionItem;      // -1: the window has no position item
    int sizeType;          // the last WM_SIZE type (SIZE_MINIMIZED, SIZE_MAXIMIZED, ...)
    int wasMinimised;      // set while the window is minimised
    winX** clearOnDestroy; // a caller's variable that is cleared when the window goes, or null
    winX* parent;
    str title;
    looseSet<winX> children;

    static int live; // winX objects in the program
};
