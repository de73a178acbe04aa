// boxWatcher: answers the next message box with a given caption, recording its text, so that
// tests can show real boxes without anyone at the screen.
#pragma once

#include "windowWaiter.h"

#include <string>

class boxWatcher {
public:
    boxWatcher(const char* caption, int answer, int timeoutMs = 10000)
        : driver(
              "#32770", caption,
              [this, answer](HWND box) {
                  char buffer[2000] = "";
                  GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
                  seen = buffer;
                  pressButton(box, answer);
              },
              timeoutMs) {}

    // The box's text once it has been answered; "" when no box came.
    const std::string& text() {
        driver.join();
        return seen;
    }

private:
    std::string seen;
    windowDriver driver;
};
