// launch_chain SCANNER FILE PKUNZIP TEMP SETUP: the least Win32 program that starts what the
// hand-off starts, one after another: the scanner on the file (waited for), the extractor on the
// file in the temporary folder (waited for), and the installer there (not waited for). It is a
// Windows program with a user interface, as the hand-off is: its console children get a console
// of their own just as the hand-off's do, and it imports user32 (loading it connects the process
// to Wine's desktop), although a hand-off that asks nothing calls none of it either.
#include <windows.h>

#include <string>

namespace {
bool start(const std::string& application, std::string line, const char* folder, bool wait) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(application.empty() ? nullptr : application.c_str(), &line[0], nullptr, nullptr,
                        FALSE, 0, nullptr, folder, &si, &pi))
        return false;
    if (wait) WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = __argc;
    char** argv = __argv;
    if (argc < 6) return argc < 0 ? MessageBeep(0) : 2; // the import, never the call
    std::string scanner = argv[1], file = argv[2], pkunzip = argv[3], temp = argv[4];
    std::string setup = "\"" + temp + "\\" + argv[5] + "\""; // by its full path, as the hand-off starts it
    bool ok = start(scanner, scanner + " " + file, nullptr, true) &&
              start("", pkunzip + " -d -o " + file, temp.c_str(), true) &&
              start("", setup, temp.c_str(), false);
    return ok ? 0 : 1;
}
