// show_input_dlg MARKER CAPTION PROMPT TEXT: shows the input dialog for a screenshot, and writes the
// file MARKER once the dialog is on screen and painted. It ends when the dialog is closed.
#include "genApp.h"
#include "inputDlg.h"
#include "windowWaiter.h"

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int show) {
    if (__argc < 5) return 2;
    genApp app("Show dialog", instance, nullptr, cmdLine, show);
    str text(__argv[4]);
    inputDlg dlg(nullptr);
    dlg.caption = __argv[2];
    dlg.prompt = __argv[3];
    dlg.text = &text;
    const char* marker = __argv[1];
    std::thread painted([&] {
        HWND w = waitForWindow("BorDlg", __argv[2]);
        if (!w) return;
        UpdateWindow(w); // the paint runs on the dialog's thread before this returns
        GdiFlush();
        if (FILE* f = fopen(marker, "w")) fclose(f);
    });
    dlg.Execute();
    painted.join();
    return 0;
}
