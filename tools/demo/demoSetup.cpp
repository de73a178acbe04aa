// The demo download's installer: it says that it was started, and from where.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char folder[MAX_PATH], text[MAX_PATH + 100];
    GetCurrentDirectoryA(MAX_PATH, folder);
    wsprintfA(text, "The demo program's installer is running in\n%s", folder);
    MessageBoxA(nullptr, text, "Demo Setup", MB_OK | MB_ICONINFORMATION);
    return 0;
}
