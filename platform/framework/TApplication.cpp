// TApplication: start-up data, the message loop and the custom-control support.
#include "TApplication.h"

#include "TWindow.h"

TApplication::TApplication(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine,
                           int cmdShow)
    : Name(name), hInstance(instance), hPrevInstance(prevInstance), lpCmdLine(cmdLine), showCommand(cmdShow),
      HAccTable(nullptr), MainWindow(nullptr), Status(0), BWCCEnabled(false), bwccModule(nullptr) {
    current = this;
}

TApplication* TApplication::current = nullptr;

TApplication::~TApplication() {
    delete MainWindow;
    if (current == this)
        current = nullptr;
    if (bwccModule)
        FreeLibrary(bwccModule);
}

int TApplication::Run() {
    InitInstance();
    if (Status == 0)
        MessageLoop();
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
        if (MainWindow && MainWindow->PreProcessMsg(msg))
            continue;
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
    if (BWCCEnabled)
        return true;
    // Switched on again after being off, the library is still loaded: a second load would take
    // a reference that nothing releases.
    if (!bwccModule) bwccModule = LoadLibraryA(library);
    if (!bwccModule)
        return false;
    typedef BOOL(WINAPI * intlInit)(UINT);
    typedef BOOL(WINAPI * registerClasses)(HINSTANCE);
    intlInit init = (intlInit)(void*)GetProcAddress(bwccModule, "BWCCIntlInit");
    registerClasses reg = (registerClasses)(void*)GetProcAddress(bwccModule, "BWCCRegister");
    if (init)
        init(language);
    if (reg)
        reg(hInstance);
    return BWCCEnabled = true;
}
