// time_program: times another program under the same Wine server, from its start to a moment:
//   time_program window TITLE PROGRAM [ARGS]  until a visible top-level window TITLE exists; it
//                                             prints the milliseconds and the program's peak
//                                             working set in KB, then cancels the dialog
//   time_program exit PROGRAM [ARGS]          until the program has ended; prints the milliseconds
// The command line is the program in quotes and the rest of the arguments joined by blanks. The
// program starts without a console, as it does when a browser or Explorer starts it. Before it
// ends, time_program waits (at most 10 s) until every process that the program started has
// ended too (an installer that is not waited for, the console hosts), so that none of them
// shares the machine with the next run.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart * 1000.0 / frequency.QuadPart;
}

HWND shownWindow(const char* title, DWORD process) {
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, title));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == process && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

// Everything time_program starts, and everything that starts in turn, belongs to its job.
HANDLE ownJob() {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    if (job && !AssignProcessToJobObject(job, GetCurrentProcess())) {
        CloseHandle(job);
        job = nullptr;
    }
    if (!job)
        fprintf(stderr, "time_program: no job (error %lu); the next run may share the machine\n",
                (unsigned long)GetLastError());
    return job;
}

void othersEnded(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
    for (double start = nowMs(); job && nowMs() - start < 10000; Sleep(1))
        if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                       nullptr) ||
            info.ActiveProcesses <= 1)
            return;
    if (job)
        fprintf(stderr, "time_program: %lu processes still running after 10 s\n",
                (unsigned long)info.ActiveProcesses - 1);
}

} // namespace

int main(int argc, char** argv) {
    bool window = argc >= 4 && std::string(argv[1]) == "window";
    bool exit = argc >= 3 && std::string(argv[1]) == "exit";
    if (!window && !exit) return 2;
    int first = window ? 3 : 2;
    std::string line = std::string("\"") + argv[first] + "\"";
    for (int i = first + 1; i < argc; ++i)
        line += std::string(" ") + argv[i];
    HANDLE job = ownJob();
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    double start = nowMs();
    if (!CreateProcessA(argv[first], &line[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                        &si, &pi))
        return 1;
    if (exit) {
        WaitForSingleObject(pi.hProcess, 60000);
        printf("%.2f\n", nowMs() - start);
        fflush(stdout);
        othersEnded(job);
        return 0;
    }
    HWND w = nullptr;
    while (!(w = shownWindow(argv[2], pi.dwProcessId)) &&
           WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT && nowMs() - start < 60000)
        Sleep(0);
    double elapsed = nowMs() - start;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory);
    printf("%.2f %lu\n", w ? elapsed : -1.0, (unsigned long)(memory.PeakWorkingSetSize / 1024));
    if (w) PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
    fflush(stdout);
    WaitForSingleObject(pi.hProcess, 10000);
    othersEnded(job);
    return w ? 0 : 1;
}
