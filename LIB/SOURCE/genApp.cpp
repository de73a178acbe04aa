// genApp: construction, the message box and the path services (2048-character buffers).
#include "genApp.h"

#include "bwcc.h"
#include "msgBox.h"
#include "path.h"

namespace {
const int pathBuffer = 2048;
} // namespace

genApp::genApp(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow)
    : TApplication(name, instance, prevInstance, cmdLine, cmdShow), commandLine(cmdLine), mainPosition(0),
      anyPosition(1), prefs(nullptr), mainFlags(0), mdiSwitches{0, 0, 1, 1}, closing{0, 0} {
    for (str& t : aboutTexts)
        t = "";
    BWCCRegister(instance);
    EnableBWCC(true, LANG_ENGLISH);
}

genApp::~genApp() {}

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
