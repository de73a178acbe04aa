// genApp: the library's application class: start-up data, the preference store, message box and
// the program-wide path services.
#pragma once

#include "TApplication.h"
#include "kron.h"
#include "resrc.h"
#include "str.h"
#include "strs.h"

#include <windows.h>

class pref;

class genApp : public TApplication {
public:
    // Keeps the command line (the arguments, without the program's name) and registers the
    // custom-control library's classes, which the program imports at load time.
    genApp(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow);
    ~genApp() override;

    // The default run for programs that keep a main window: loads the custom-control library
    // (a box "Error 0 loading bwcc32.dll library." and 1 when it cannot), runs the message loop,
    // releases resources and the library, and saves the preferences. Returns the status word.
    int Run() override;
    // Maximises the main window when item 1012's fifth word is a number other than 0, makes and
    // shows the main window, and loads the accelerator table "accCommands".
    void InitInstance() override;
    // Shows the text of a framework error code.
    void Error(int code) override;
    // "Invalid child" for -1 ... "System Memory Is Low! ..." for -6, else "?".
    static const char* ErrorText(int code);

    int MsgBox(const str& text, unsigned style, const str& caption, HWND owner);

    str moduleFileName(HMODULE module);     // null: the program's own file
    str appFileName();                      // the file of this application's instance
    str appFolder();                        // DirOf the file: C:\Tools\x.exe gives C:\Tools
    str shortPathName(const char* path);    // 8.3 form of an existing path; else the path itself
    str WindowsDir();

    str commandLine;
    str aboutTexts[7];   // drawn by the About window
    strs aboutLines;
    int mainPosition;
    int anyPosition;
    pref* prefs;         // set by the derived application; never deleted here
    int mainFlags;
    kron stopwatch;
    int mdiSwitches[4];
    str statusText;
    char closing[2];
    resrcs resources;    // released after the default run's message loop

protected:
    // The default run with the custom-control library of the given name.
    int runWith(const char* library);
};
