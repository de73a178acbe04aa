// MsgBox: beep, then the platform's message box.
#include "msgBox.h"

int MsgBoxBeep(unsigned style) {
    unsigned icon = style & MB_ICONMASK;
    return icon == MB_ICONHAND || icon == MB_ICONQUESTION || icon == MB_ICONEXCLAMATION ||
                   icon == MB_ICONASTERISK
               ? (int)icon
               : -1;
}

namespace {
// A box without an owner is often the first window of a process that has none yet (started by
// the browser, Explorer or the uninstall list). Wine activates such a box before it makes it the
// foreground window, so its caption is drawn inactive and it looks as if it had no focus. Made
// the foreground window while it is set up, before it is shown and activated, it comes up in
// front and active; Windows lets a process started by the foreground one do so.
LRESULT CALLBACK inFront(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* message = (const CWPSTRUCT*)lParam;
    if (code == HC_ACTION && message->message == WM_INITDIALOG) SetForegroundWindow(message->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

int MsgBox(const str& text, unsigned style, const str& caption, HWND owner) {
    int sound = MsgBoxBeep(style);
    if (sound >= 0) MessageBeep((UINT)sound);
    HHOOK hook = owner ? nullptr : SetWindowsHookExA(WH_CALLWNDPROC, inFront, nullptr, GetCurrentThreadId());
    int answer = MessageBoxExA(owner, text, caption, style, 0);
    if (hook) UnhookWindowsHookEx(hook);
    return answer;
}
