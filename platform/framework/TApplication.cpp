// TApplication: start-up data, the message loop and the custom-control support.
#include "TApplication.h"

#include "TWindow.h"

#include <cwchar>
#include <memory>

namespace {
// The library of that name beside the program, named by the program's wide path: a bare name
// would also be looked for in the current folder (the temporary folder holds whatever an
// archive brought), and the ANSI form of a folder that the code page cannot spell names nothing.
HMODULE loadBesideProgram(const char* library) {
    const DWORD size = 32768; // the longest path the system has
    std::unique_ptr<wchar_t[]> path(new wchar_t[size]);
    DWORD n = GetModuleFileNameW(nullptr, path.get(), size);
    wchar_t* end = n && n < size ? wcsrchr(path.get(), L'\\') : nullptr;
    if (!end) return nullptr;
    ++end;
    for (const char* c = library; *c; ++c) {
        if (end - path.get() >= (long)size - 1) return nullptr;
        *end++ = (unsigned char)*c;
    }
    *end = 0;
    // A damaged or foreign file is refused with the program's own message, without the system's
    // box before it.
    UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryExW(path.get(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetErrorMode(mode);
    return module;
}
} // namespace

TApplication::TApplication(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine,
                           int cmdShow)
    : Name(name), hInstance(instance), hPrevInstance(prevInstance), lpCmdLine(cmdLine), showCommand(cmdShow),
      HAccTable(nullptr), MainWindow(nullptr), Status(0), BWCCEnabled(false), bwccModule(nullptr) {
    current = this;
}

TApplication* TApplication::current = nullptr;

TApplication::~TApplication() {
    delete MainWindow;
    if (current == this) current = nullptr;
    if (bwccModule) FreeLibrary(bwccModule);
}

int TApplication::Run() {
    InitInstance();
    if (Status == 0) MessageLoop();
    // A main window still there when the loop ends (a WM_QUIT from elsewhere) ends now, while the
    // whole application object lives: its end may reach the derived application's members.
    delete MainWindow;
    return Status;
}

void TApplication::InitInstance() {
    InitMainWindow();
    if (!MainWindow || !MainWindow->Create()) {
        delete MainWindow;
        MainWindow = nullptr;
        Status = EM_INVALIDMAINWINDOW;
        Error(Status);
        return;
    }
    ShowWindow(MainWindow->HWindow, showCommand);
    UpdateWindow(MainWindow->HWindow);
}

int TApplication::MessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (MainWindow && MainWindow->PreProcessMsg(msg)) continue;
        if (HAccTable && msg.hwnd && TranslateAcceleratorA(GetAncestor(msg.hwnd, GA_ROOT), HAccTable, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}

bool TApplication::EnableBWCC(bool on, unsigned language, const char* library) {
    if (!on) {
        BWCCEnabled = false;
        return false;
    }
    if (BWCCEnabled) return true;
    // Switched on again after being off, the library is still loaded: a second load would take
    // a reference that nothing releases.
    if (!bwccModule) bwccModule = loadBesideProgram(library);
    if (!bwccModule) return false;
    typedef BOOL(WINAPI * intlInit)(UINT);
    typedef BOOL(WINAPI * registerClasses)(HINSTANCE);
    intlInit init = (intlInit)(void*)GetProcAddress(bwccModule, "BWCCIntlInit");
    registerClasses reg = (registerClasses)(void*)GetProcAddress(bwccModule, "BWCCRegister");
    if (init) init(language);
    // A library that registers no classes is not the custom-control library: no dialog of
    // them could be made, and each would fail without a word.
    if (!reg) {
        FreeLibrary(bwccModule);
        bwccModule = nullptr;
        return false;
    }
    // One whose registration fails may have registered some classes all the same: it stays
    // loaded, since their window procedures are in it.
    if (!reg(hInstance)) return false;
    return BWCCEnabled = true;
}
