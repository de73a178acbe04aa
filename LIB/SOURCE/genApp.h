// genApp: the library's application class: start-up data, the preference store, message box and
// the program-wide path services.
#pragma once

#include "TApplication.h"
#include "kron.h"
#include "resrc.h"
#include "str.h"

#include <windows.h>

class pref;

class genApp : public TApplication {
public:
    // Keeps the command line (the arguments, without the program's name). The custom-control
    // library is not loaded yet: only a start that shows a dialog needs it.
    genApp(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow);
    ~genApp() override;

    // The default run for programs that keep a main window: switches the custom controls on (a
    // box "Error 0 loading bwcc32.dll library." and 1 when it cannot), runs the message loop,
    // releases resources and saves the preferences. Returns the status word.
    int Run() override;
    // Before a dialog: the custom controls from bwcc32.dll; when it cannot be loaded the user is
    // told as by the default run, and the dialog is not shown.
    bool CustomControlsNeeded() override;
    // Maximises the main window when item 1012's fifth word is a number other than 0, makes and
    // shows the main window, and loads the accelerator table "accCommands".
    void InitInstance() override;
    // Shows the text of a framework error code.
    void Error(int code) override;
    // "Invalid child" for -1 ... "System Memory Is Low! ..." for -6, else "?".
    static const char* ErrorText(int code);

    int MsgBox(const str& text, unsigned style, const str& caption, HWND owner);

    // The module's file (null: the program's own), spelled so that the ANSI calls find it.
    static str moduleFileName(HMODULE module);
    str appFileName();                   // the file of this application's instance
    str appFolder();                     // DirOf the file: C:\Tools\x.exe gives C:\Tools
    str shortPathName(const char* path); // 8.3 form of an existing path; else the path itself
    str WindowsDir();

    str commandLine;
    int anyPosition;  // 1: the windows' move and size rule is off
    pref* prefs;      // set by the derived application; never deleted here
    kron stopwatch;   // the application's stopwatch, for programs that time their work
    char closing[2];  // set while the main window's close check runs
    resrcs resources; // released after the default run's message loop

protected:
    // The default run with the custom-control library of the given name.
    int runWith(const char* library);
    // Switches the custom controls on from the library of the given name; says so when it
    // cannot be loaded.
    bool customControls(const char* library);
};
