// genApp: construction, the message box and the path services (2048-character buffers).
#include "genApp.h"

#include "TWindow.h"
#include "msgBox.h"
#include "path.h"
#include "pref"
#include "resource.h"
#include "winPosition.h"

namespace {
const int pathBuffer = 2048;
} // namespace

genApp::genApp(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow)
    : TApplication(name, instance, prevInstance, cmdLine, cmdShow), commandLine(cmdLine), anyPosition(1),
      prefs(nullptr), closing{0, 0} {}

genApp::~genApp() {
    // The default run deletes the main window while the whole application lives. One left over
    // (made without that run) goes now, but it must not save its position: the store may be a
    // member of the derived application, which is gone.
    prefs = nullptr;
    delete MainWindow;
    MainWindow = nullptr;
}

int genApp::Run() { return runWith("bwcc32.dll"); }

bool genApp::CustomControlsNeeded() {
    return customControls("bwcc32.dll");
}

// Only the library beside the program: the current folder may be the temporary folder, which
// holds whatever an archive brought.
bool genApp::customControls(const char* library) {
    if (EnableBWCC(true, LANG_ENGLISH, JoinPath(appFolder(), library))) return true;
    MsgBox(str(300, "Error 0 loading %.200s library.", library), MB_ICONEXCLAMATION, Name, nullptr);
    return false;
}

int genApp::runWith(const char* library) {
    if (!customControls(library)) return 1;
    int status = TApplication::Run();
    resources.clear();
    if (prefs)
        prefs->saveAll();
    return status;
}

void genApp::InitInstance() {
    if (prefItem* position = prefs ? prefs->findItem(ID_MAIN_POSITION) : nullptr)
        if (PositionMaximised(position->getText()))
            showCommand = SW_SHOWMAXIMIZED;
    TApplication::InitInstance();
    HAccTable = LoadAcceleratorsA(hInstance, "accCommands");
}

const char* genApp::ErrorText(int code) {
    static const char* const texts[] = {"Invalid child", "Invalid client", "Invalid main window", "Invalid module",
                                        "Invalid window", "System Memory Is Low! Please Close One or More Windows."};
    return code <= -1 && code >= -6 ? texts[-code - 1] : "?";
}

void genApp::Error(int code) { MsgBox(ErrorText(code), MB_ICONHAND, Name, nullptr); }

int genApp::MsgBox(const str& text, unsigned style, const str& caption, HWND owner) {
    return ::MsgBox(text, style, caption, owner);
}

str genApp::moduleFileName(HMODULE module) {
    str buffer(pathBuffer, '\0');
    GetModuleFileNameA(module, buffer, pathBuffer);
    return str((const char*)buffer);
}

str genApp::appFileName() { return moduleFileName(hInstance); }

str genApp::appFolder() { return DirOf(appFileName()); }

str genApp::shortPathName(const char* path) {
    str buffer(pathBuffer, '\0');
    DWORD n = GetShortPathNameA(path, buffer, pathBuffer);
    return n == 0 || n >= (DWORD)pathBuffer ? str(path) : str((const char*)buffer);
}

str genApp::WindowsDir() {
    str buffer(pathBuffer, '\0');
    GetWindowsDirectoryA(buffer, pathBuffer);
    return str((const char*)buffer);
}
