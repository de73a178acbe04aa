// Painting of the custom controls: the messages through which a control draws itself.
#include "borControls.h"

bool paintMessage(HWND window, UINT message, WPARAM wParam, void (*paint)(HWND, HDC)) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        paint(window, dc);
        EndPaint(window, &ps);
        return true;
    }
    case WM_PRINTCLIENT:
        paint(window, (HDC)wParam);
        return true;
    case WM_ERASEBKGND:
        return true;
    }
    return false;
}
