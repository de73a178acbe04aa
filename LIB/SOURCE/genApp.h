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
};
