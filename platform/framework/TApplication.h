// TApplication: the least of a GUI framework's application class that the library builds on.
#pragma once

#include <windows.h>

class TWindow;

// Error codes that the framework hands to Error.
enum {
    EM_INVALIDCHILD = -1,
    EM_INVALIDCLIENT = -2,
    EM_INVALIDMAINWINDOW = -3,
    EM_INVALIDMODULE = -4,
    EM_INVALIDWINDOW = -5,
    EM_OUTOFMEMORY = -6,
};

class TApplication {
public:
    TApplication(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine,
                 int cmdShow);
    virtual ~TApplication();
    TApplication(const TApplication&) = delete; // it owns the main window and the library it loaded
    TApplication& operator=(const TApplication&) = delete;

    // The default run: InitInstance, then, unless that failed, the message loop until WM_QUIT
    // (which the main window posts as it goes); a main window still there then is deleted.
    // Returns the status word.
    virtual int Run();
    // The per-instance start: InitMainWindow, then the main window is created and shown with
    // showCommand. When it cannot be made, Status and Error get EM_INVALIDMAINWINDOW.
    virtual void InitInstance();
    // Makes the main window object (with new) and keeps it in MainWindow; the default makes none.
    virtual void InitMainWindow() {}
    // The framework's error hook, given a negative error code.
    virtual void Error(int code) { (void)code; }

    // Pumps messages through the main window's own translation and the accelerator table until
    // WM_QUIT; returns its exit code.
    int MessageLoop();

    // The application object of this process, or null before it is made.
    static TApplication* current;

    // The custom-control support, the one place where the custom-control library is loaded: the
    // library (BWCC32.DLL unless another is named), from the program's own folder only, is
    // loaded once and released with the application, its language set and its classes
    // registered for this instance. Returns whether the support is on; false when the library
    // cannot be loaded or registers no classes (one whose registration fails stays loaded: the
    // classes it did register lead into it).
    bool EnableBWCC(bool on = true, unsigned language = LANG_ENGLISH, const char* library = "BWCC32.DLL");
    // Asked just before a dialog that uses the custom controls is shown (TDialog::Execute), so
    // that a start that shows none never loads the library. The default switches the support
    // on; returns whether the dialog can be shown.
    virtual bool CustomControlsNeeded() { return EnableBWCC(); }

    const char* Name;
    HINSTANCE hInstance;
    HINSTANCE hPrevInstance;
    const char* lpCmdLine;
    int showCommand;
    HACCEL HAccTable;
    TWindow* MainWindow; // cleared when the main window object ends
    int Status;
    bool BWCCEnabled;

private:
    HMODULE bwccModule;
};
