// Finding and driving the windows a test shows: a second thread waits for a visible top-level
// window, drives it, and waits until it has gone, each step bounded in time.
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

// The visible top-level window of this process with the class and title, or null after
// timeoutMs. Other test programs run at the same time and show windows of the same titles.
inline HWND waitForWindow(const char* cls, const char* title, int timeoutMs = 10000) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < (DWORD)timeoutMs; Sleep(10)) {
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, cls, title));) {
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(w))
                return w;
        }
    }
    return nullptr;
}

class windowDriver {
public:
    // Runs drive with the window once it is shown (a dialog is then initialised), then waits for
    // it to go, so that a later driver cannot take it for the next one.
    windowDriver(const char* cls, const char* title, std::function<void(HWND)> drive, int timeoutMs = 10000)
        : worker([=] {
              HWND w = waitForWindow(cls, title, timeoutMs);
              if (!w)
                  return;
              found = true;
              drive(w);
              for (DWORD start = GetTickCount(); IsWindow(w) && GetTickCount() - start < (DWORD)timeoutMs;)
                  Sleep(10);
          }) {}
    ~windowDriver() { join(); }
    void join() {
        if (worker.joinable())
            worker.join();
    }
    bool found = false;

private:
    std::thread worker;
};

inline void pressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}
