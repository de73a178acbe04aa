// show_windows MARKER: a program of the library that keeps a main window, for a screenshot. Its
// multiple-document main window takes its place from Pos in showWin.ini beside the program and
// holds two documents, one of them minimised. It writes MARKER once the windows are painted, and
// closes (saving the place) once MARKER has been deleted again.
#include "genApp.h"
#include "mdiMainWin.h"
#include "mdiWin.h"
#include "pref"

#include <cstdio>
#include <thread>

namespace {

prefItem items[] = {prefItem(1012, "Pos", ".25 .25 .5 .5 0", -1), prefItem(1013, "Tile", "1", -1)};

class documentsWin : public mdiMainWin {
public:
    documentsWin() : mdiMainWin("Documents", nullptr) { bindPosition(1012); }
    void SetupWindow() override {
        mdiMainWin::SetupWindow();
        mdiWin* report = new mdiWin(this, "Report.txt");
        mdiWin* notes = new mdiWin(this, "Notes.txt");
        report->Create();
        notes->Create();
        notes->setTitle("Notes");
        ShowWindow(notes->HWindow, SW_MINIMIZE); // asks for the tiling: item 1013 is 1
    }
};

class showApp : public genApp {
public:
    showApp(HINSTANCE instance, const char* cmdLine, int show)
        : genApp("Show windows", instance, nullptr, cmdLine, show) {
        prefs = new pref(*this, items, 2, "Show windows", "showWin");
    }
    void InitMainWindow() override { MainWindow = new documentsWin; }
};

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int show) {
    if (__argc < 2) return 2;
    showApp app(instance, cmdLine, show);
    const char* marker = __argv[1];
    std::thread watcher([&] {
        HWND w = nullptr;
        for (int i = 0; i < 500 && !(w = FindWindowA("TMDIFrame", "Documents")); ++i)
            Sleep(20);
        if (!w) return;
        Sleep(500); // the tiling and the paint
        GdiFlush();
        if (FILE* f = fopen(marker, "w")) fclose(f);
        for (int i = 0; i < 3000 && GetFileAttributesA(marker) != INVALID_FILE_ATTRIBUTES; ++i)
            Sleep(20);
        PostMessageA(w, WM_CLOSE, 0, 0);
    });
    int status = app.Run();
    watcher.join();
    return status;
}
