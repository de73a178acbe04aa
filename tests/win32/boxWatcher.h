// boxWatcher: answers the next message box with a given caption from a second thread, recording
// its text, so that tests can show real boxes without anyone at the screen.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

class boxWatcher {
public:
    // Waits up to timeoutMs for a box captioned caption, then presses the button answer.
    boxWatcher(const char* caption, int answer, int timeoutMs = 10000)
        : worker([=] { watch(caption, answer, timeoutMs); }) {}
    ~boxWatcher() { finish(); }

    // Joins the thread; the text is "" when no box came.
    const std::string& text() {
        finish();
        return seen;
    }

private:
    void finish() {
        if (worker.joinable())
            worker.join();
    }
    void watch(const char* caption, int answer, int timeoutMs) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < (DWORD)timeoutMs; Sleep(10)) {
            HWND box = FindWindowA("#32770", caption);
            if (!box || !GetDlgItem(box, answer))
                continue;
            char buffer[2000] = "";
            GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
            seen = buffer;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)GetDlgItem(box, answer));
            // Gone before the next watcher looks, so that it cannot take this box for the next one.
            for (DWORD gone = GetTickCount(); IsWindow(box) && GetTickCount() - gone < (DWORD)timeoutMs;)
                Sleep(10);
            return;
        }
    }
    std::string seen;
    std::thread worker;
};
