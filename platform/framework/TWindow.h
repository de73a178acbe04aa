// TWindow: the least of a GUI framework's window object: creation attributes, the window
// procedure that reaches the object, the close check and the object's end with its window.
#pragma once

#include <windows.h>

// Window objects are made with new: the object deletes itself when its window is destroyed, except
// while its Create runs.
class TWindow {
public:
    struct attributes {
        DWORD Style;
        DWORD ExStyle;
        int X, Y, W, H; // CW_USEDEFAULT until the program sets them
        HMENU Menu;     // a menu, or a child's identifier
    };

    TWindow(TWindow* parent, const char* title);
    virtual ~TWindow(); // destroys the window if it still exists
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // Creates the window from Attr under the parent's window. True when the window exists once
    // it is set up. After false (the platform refused it, its WM_CREATE gave -1, or it was
    // destroyed while being set up) the caller owns the object and deletes it: nothing deletes
    // an object whose Create has not returned.
    virtual bool Create();
    // Asks CanClose and, when it agrees, destroys the window.
    virtual void CloseWindow();
    virtual void Destroy();
    // The close check: whether the window may close.
    virtual bool CanClose() { return true; }
    // Lets the window translate a message before the message loop dispatches it.
    virtual bool PreProcessMsg(MSG&) { return false; }

    // Message handlers. The defaults do what the platform does, and WM_WINDOWPOSCHANGED also
    // makes the attributes follow the window while it is neither minimised nor maximised.
    virtual void EvWindowPosChanging(WINDOWPOS& change);
    virtual void EvWindowPosChanged(WINDOWPOS& change);
    virtual void EvSize(UINT sizeType, int width, int height);
    virtual bool EvCommand(int id); // whether it was handled
    virtual void SetupWindow() {}   // once the window exists, before it is shown

    // Every message reaches the object here; unhandled ones go to DefaultProc. A handler may
    // close the window, and the object ends with it: after each handler the object is used
    // only while its window still leads to it (ObjectOf).
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The object of a window made by this framework, or null.
    static TWindow* ObjectOf(HWND window);

    attributes Attr;
    HWND HWindow;
    TWindow* Parent;
    char* Title;

protected:
    virtual const char* ClassName() { return "TWindow"; }
    // Makes the window with the platform; the default is CreateWindowExA with the class.
    virtual HWND CreateHandle(HWND parentWindow);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Binds a window being made to the object that is making it.
    void attach(HWND window);
    WNDPROC subclassed; // the platform's procedure, for windows of a system class

private:
    static TWindow* creating;
    bool made;     // Create has made the window
    bool inCreate; // Create has not returned: the window's end leaves the object to its caller
};
