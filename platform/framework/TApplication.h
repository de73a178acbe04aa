// TApplication: the least of a GUI framework's application class that the library builds on.
#pragma once

#include <windows.h>

class TApplication {
public:
    TApplication(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine,
                 int cmdShow);
    virtual ~TApplication();

    // The default run: InitInstance, then the message loop; returns the status word.
    virtual int Run();
    // The per-instance start that the run performs before its loop.
    virtual void InitInstance() {}
    // The framework's error hook, given a negative error code.
    virtual void Error(int code) { (void)code; }

    // Pumps messages through the accelerator table until WM_QUIT; returns its exit code.
    int MessageLoop();

    // The application object of this process, or null before it is made.
    static TApplication* current;

    // Loads the custom-control library once, sets its language and registers its classes for this
    // instance. Returns whether the support is on.
    bool EnableBWCC(bool on = true, unsigned language = LANG_ENGLISH);

    const char* Name;
    HINSTANCE hInstance;
    HINSTANCE hPrevInstance;
    const char* lpCmdLine;
    int showCommand;
    HACCEL HAccTable;
    int Status;
    bool BWCCEnabled;

private:
    HMODULE bwccModule;
};
