// robot: drives the windows of another program from the command line, for the end-to-end tests
// and for showing the program on a machine without a screen.
//   robot run PROGRAM HEX        start PROGRAM with the command line whose bytes HEX spells
//                                (nothing for none), wait for it, exit with its exit status
//   robot runfile PROGRAM FILE   the same with the command line that FILE holds
//   robot runline HEX            start the whole command line HEX spells, the program found in
//                                it as Windows finds it (the way a browser or Explorer starts a
//                                registered command), wait for it, exit with its exit status
//   robot wait TITLE [MS]        wait until a top-level window TITLE is shown (a dialog is then
//                                initialised); print its class
//   robot gone TITLE [MS]        wait until no window TITLE is shown
//   robot closed HANDLE [MS]     wait until the window whose handle dump printed is destroyed
//                                (the next window may have the same title); print "closed"
//   robot text TITLE ID          print a control's text (65535: a message box's text)
//   robot settext TITLE ID TEXT  set a control's text
//   robot checked TITLE ID       print a button's check state (0, 1 or 2)
//   robot click TITLE ID         click a button
//   robot close TITLE            press the window's close button, as a click on it does
//                                (WM_SYSCOMMAND SC_CLOSE), and wait until the window has gone;
//                                status 1 when the caption has no close button at its end
//   robot answer TITLE ID        print a message box's text, press its button ID and wait until
//                                that box has gone (the next box may have the same title)
//   robot dump TITLE             once window TITLE is shown and painted: its class, its screen
//                                rectangle (left top right bottom) and its handle, then each
//                                control: id, class, style, check state, width and height, text;
//                                fields end with a tab, records with a record separator (0x1E),
//                                since texts hold line feeds
//   robot list                   list the shown top-level windows: class and title
//   robot hold FILE MS           keep FILE open without sharing for MS milliseconds (a file in
//                                use); print "held" once it is open
//   robot short FOLDER           print the short name of each entry of FOLDER (its name where it
//                                has none): all an ANSI program has of a name that the ANSI code
//                                page cannot spell
// Exit status 0 on success, 1 when the window or control is not there, 2 for a usage error.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const int defaultWait = 20000;

HWND shown(const char* title) {
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, title));)
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

HWND waitShown(const char* title, int ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < (DWORD)ms; Sleep(20))
        if (HWND w = shown(title)) return w;
    return nullptr;
}

std::string fromHex(const char* hex) {
    std::string bytes;
    for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
        char pair[3] = {hex[i], hex[i + 1], 0};
        bytes += (char)strtol(pair, nullptr, 16);
    }
    return bytes;
}

// A control's whole text. WM_GETTEXT itself: GetWindowText does not ask a control of another
// process.
std::string textOf(HWND control) {
    std::string text((size_t)SendMessageA(control, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    SendMessageA(control, WM_GETTEXT, text.size(), (LPARAM)&text[0]);
    return text.c_str();
}

// The bytes of a file, for command lines longer than the robot's own could carry.
std::string fileBytes(const char* path) {
    std::string bytes;
    if (FILE* f = fopen(path, "rb")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, f)) > 0;)
            bytes.append(buffer, n);
        fclose(f);
    }
    return bytes;
}

// Without a program, args is the whole command line, and CreateProcessA finds the program in it.
int run(const char* program, const std::string& args) {
    std::string line = program ? std::string("\"") + program + "\"" : args;
    if (program && !args.empty()) line += " " + args;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(program, &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si,
                        &pi)) {
        fprintf(stderr, "robot: cannot start %s (error %lu)\n", line.c_str(), GetLastError());
        return 1;
    }
    // The program ends with the robot, so that a test that gives up on it leaves nothing on the
    // desktop; the programs it starts in turn are not held.
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_SILENT_BREAKAWAY_OK;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    AssignProcessToJobObject(job, pi.hProcess);
    ResumeThread(pi.hThread);
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(pi.hProcess, &status);
    return (int)status;
}

int control(int argc, char** argv, HWND& window, HWND& item) {
    if (argc < 4) return 2;
    window = waitShown(argv[2], defaultWait);
    item = window ? GetDlgItem(window, atoi(argv[3])) : nullptr;
    if (!window)
        fprintf(stderr, "robot: no window \"%s\"\n", argv[2]);
    else if (!item)
        fprintf(stderr, "robot: no control %s in window \"%s\"\n", argv[3], argv[2]);
    return item ? 0 : 1;
}

BOOL CALLBACK dumpOne(HWND control, LPARAM) {
    char cls[100];
    RECT r;
    GetClassNameA(control, cls, sizeof cls);
    GetWindowRect(control, &r);
    printf("%d\t%s\t%lx\t%d\t%ld %ld\t%s\t\x1e", GetDlgCtrlID(control), cls,
           (unsigned long)GetWindowLongA(control, GWL_STYLE), (int)SendMessageA(control, BM_GETCHECK, 0, 0),
           r.right - r.left, r.bottom - r.top, textOf(control).c_str());
    return TRUE;
}

int dump(const char* title) {
    HWND w = waitShown(title, defaultWait);
    if (!w) {
        fprintf(stderr, "robot: no window \"%s\"\n", title);
        return 1;
    }
    // Painted now, not whenever the program's loop gets to it, so that a screenshot taken next
    // shows the window's contents.
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    char cls[100];
    RECT r;
    GetClassNameA(w, cls, sizeof cls);
    GetWindowRect(w, &r);
    printf("%s\t%ld %ld %ld %ld\t%lu\t\x1e", cls, r.left, r.top, r.right, r.bottom,
           (unsigned long)(UINT_PTR)w);
    EnumChildWindows(w, dumpOne, 0);
    return 0;
}

BOOL CALLBACK listOne(HWND w, LPARAM) {
    char cls[100], title[300];
    if (!IsWindowVisible(w)) return TRUE;
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, title, sizeof title);
    printf("%s\t%s\n", cls, title);
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::string verb = argv[1];
    if (verb == "run" && argc >= 3) return run(argv[2], fromHex(argc >= 4 ? argv[3] : ""));
    if (verb == "runfile" && argc >= 4) return run(argv[2], fileBytes(argv[3]));
    if (verb == "runline" && argc >= 3) return run(nullptr, fromHex(argv[2]));
    if (verb == "dump" && argc >= 3) return dump(argv[2]);
    if (verb == "closed" && argc >= 3) {
        HWND w = (HWND)(UINT_PTR)strtoul(argv[2], nullptr, 10);
        int ms = argc >= 4 ? atoi(argv[3]) : defaultWait;
        for (DWORD start = GetTickCount(); IsWindow(w) && GetTickCount() - start < (DWORD)ms;)
            Sleep(20);
        if (IsWindow(w)) return 1;
        printf("closed\n");
        return 0;
    }
    if (verb == "list") {
        EnumWindows(listOne, 0);
        return 0;
    }
    if ((verb == "wait" || verb == "gone") && argc >= 3) {
        int ms = argc >= 4 ? atoi(argv[3]) : defaultWait;
        if (verb == "gone") {
            for (DWORD start = GetTickCount(); GetTickCount() - start < (DWORD)ms; Sleep(20))
                if (!shown(argv[2])) return 0;
            return 1;
        }
        HWND w = waitShown(argv[2], ms);
        if (!w) return 1;
        char cls[100];
        GetClassNameA(w, cls, sizeof cls);
        printf("%s\n", cls);
        return 0;
    }
    if (verb == "short" && argc >= 3) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((std::string(argv[2]) + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return 1;
        do
            if (strcmp(found.cFileName, ".") && strcmp(found.cFileName, ".."))
                printf("%s\n", found.cAlternateFileName[0] ? found.cAlternateFileName : found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
        return 0;
    }
    if (verb == "hold" && argc >= 4) { // a file in use: open without sharing for ms milliseconds
        HANDLE file = CreateFileA(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 1;
        printf("held\n");
        fflush(stdout);
        Sleep((DWORD)atoi(argv[3]));
        CloseHandle(file);
        return 0;
    }
    if (verb == "close" && argc >= 3) {
        HWND w = waitShown(argv[2], defaultWait);
        if (!w) return 1;
        RECT r;
        GetWindowRect(w, &r);
        POINT button = {r.right - GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CXSIZE) / 2 - 1,
                        r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYSIZE) / 2};
        if (SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(button.x, button.y)) != HTCLOSE) {
            fprintf(stderr, "robot: no close button on \"%s\"\n", argv[2]);
            return 1;
        }
        PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(button.x, button.y));
        for (DWORD start = GetTickCount(); IsWindow(w) && GetTickCount() - start < (DWORD)defaultWait;)
            Sleep(20);
        return IsWindow(w) ? 1 : 0;
    }
    HWND window, item;
    if (verb == "answer") {
        if (int r = control(argc, argv, window, item)) return r;
        printf("%s", textOf(GetDlgItem(window, 0xFFFF)).c_str());
        SendMessageA(item, BM_CLICK, 0, 0);
        for (DWORD start = GetTickCount(); IsWindow(window) && GetTickCount() - start < (DWORD)defaultWait;)
            Sleep(20);
        return IsWindow(window) ? 1 : 0;
    }
    if (verb == "text") {
        if (int r = control(argc, argv, window, item)) return r;
        printf("%s", textOf(item).c_str());
        return 0;
    }
    if (verb == "settext" && argc >= 5) {
        if (int r = control(argc, argv, window, item)) return r;
        SendMessageA(item, WM_SETTEXT, 0, (LPARAM)argv[4]);
        return 0;
    }
    if (verb == "checked") {
        if (int r = control(argc, argv, window, item)) return r;
        printf("%d\n", (int)SendMessageA(item, BM_GETCHECK, 0, 0));
        return 0;
    }
    if (verb == "click") {
        if (int r = control(argc, argv, window, item)) return r;
        SendMessageA(item, BM_CLICK, 0, 0);
        return 0;
    }
    return 2;
}
