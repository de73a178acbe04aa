// Finding and driving the windows a test shows: a second thread waits for a visible top-level
// window, drives it, and waits until it has gone, each step bounded in time.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

// The visible top-level window of this process with the class and title, or null after
// timeoutMs. Other test programs run at the same time and show windows of the same titles.
inline HWND waitForWindow(const char* cls, const char* title, int timeoutMs = 10000) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < (DWORD)timeoutMs; Sleep(10)) {
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, cls, title));) {
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(w)) return w;
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
              if (!w) return;
              found = true;
              drive(w);
              for (DWORD start = GetTickCount(); IsWindow(w) && GetTickCount() - start < (DWORD)timeoutMs;)
                  Sleep(10);
          }) {}
    ~windowDriver() { join(); }
    void join() {
        if (worker.joinable()) worker.join();
    }
    bool found = false;

private:
    std::thread worker;
};

inline void pressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

// How this thread's windows last drew their captions (WM_NCACTIVATE), while it lives: a window
// can be the foreground window and still be drawn inactive, and then look as if it had no focus.
class captionRecorder {
public:
    captionRecorder() : hook(SetWindowsHookExA(WH_CALLWNDPROC, record, nullptr, GetCurrentThreadId())) {}
    ~captionRecorder() { UnhookWindowsHookEx(hook); }
    // Whether w is the foreground window with an active caption, waited for up to timeoutMs.
    static bool inFront(HWND w, int timeoutMs = 1000) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < (DWORD)timeoutMs; Sleep(10))
            if (GetForegroundWindow() == w && drawn() == w && active()) return true;
        return false;
    }

private:
    static std::atomic<HWND>& drawn() {
        static std::atomic<HWND> window{nullptr};
        return window;
    }
    static std::atomic<bool>& active() {
        static std::atomic<bool> state{false};
        return state;
    }
    static LRESULT CALLBACK record(int code, WPARAM wParam, LPARAM lParam) {
        const CWPSTRUCT* m = (const CWPSTRUCT*)lParam;
        if (code == HC_ACTION && m->message == WM_NCACTIVATE) {
            active() = m->wParam != 0;
            drawn() = m->hwnd;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook;
};
