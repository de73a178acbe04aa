// An application of the library that keeps a main window, with the main window's position item
// 1012 and the automatic tiling item 1013 in a profile file of the running test case.
#pragma once

#include "casePath.h"
#include "genApp.h"
#include "pref"

#include <functional>
#include <string>

class windowApp : public genApp {
public:
    windowApp() : genApp("Window Test", GetModuleHandleA(nullptr), nullptr, "", SW_SHOWNORMAL) {
        file = casePath("kvwin_") + ".ini";
        DeleteFileA(file.c_str());
        prefs = &store;
        store.fileName = file.c_str();
    }
    // A main window left over goes with genApp, after the store: it must not reach it.
    ~windowApp() override { DeleteFileA(file.c_str()); }

    // The default run with another custom-control library name.
    int runWithLibrary(const char* library) { return runWith(library); }
    void InitMainWindow() override {
        ++mainWindowsMade;
        if (makeMainWindow) MainWindow = makeMainWindow();
    }
    std::string stored(const char* key) {
        char value[200] = "";
        GetPrivateProfileStringA("Window Test", key, "(none)", value, sizeof value, file.c_str());
        return value;
    }

    std::function<TWindow*()> makeMainWindow;
    int mainWindowsMade = 0;
    std::string file;
    prefItem items[2] = {prefItem(1012, "Pos", ".25 .25 .5 .5 0", -1), prefItem(1013, "Tile", "0", -1)};
    pref store{*this, items, 2, "Window Test", "kvwin"};
};

// Handles the messages waiting for this thread.
inline void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
