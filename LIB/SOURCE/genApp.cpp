// genApp: construction, the message box and the path services (a module's path read in full, the
// others through 2048-character buffers).
#include "genApp.h"

#include "TWindow.h"
#include "msgBox.h"
#include "path.h"
#include "pref"
#include "resource.h"
#include "samePath.h"
#include "winPosition.h"

#include <memory>

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

int genApp::Run() {
    return runWith("bwcc32.dll");
}

bool genApp::CustomControlsNeeded() {
    return customControls("bwcc32.dll");
}

bool genApp::customControls(const char* library) {
    if (EnableBWCC(true, LANG_ENGLISH, library)) return true;
    MsgBox(str(300, "Error 0 loading %.200s library.", library), MB_ICONEXCLAMATION, Name, nullptr);
    return false;
}

int genApp::runWith(const char* library) {
    if (!customControls(library)) return 1;
    int status = TApplication::Run();
    resources.clear();
    if (prefs) prefs->saveAll();
    return status;
}

void genApp::InitInstance() {
    if (prefItem* position = prefs ? prefs->findItem(ID_MAIN_POSITION) : nullptr)
        if (PositionMaximised(position->getText())) showCommand = SW_SHOWMAXIMIZED;
    TApplication::InitInstance();
    HAccTable = LoadAcceleratorsA(hInstance, "accCommands");
}

const char* genApp::ErrorText(int code) {
    static const char* const texts[] = {
        "Invalid child",  "Invalid client", "Invalid main window",
        "Invalid module", "Invalid window", "System Memory Is Low! Please Close One or More Windows."};
    return code <= -1 && code >= -6 ? texts[-code - 1] : "?";
}

void genApp::Error(int code) {
    MsgBox(ErrorText(code), MB_ICONHAND, Name, nullptr);
}

int genApp::MsgBox(const str& text, unsigned style, const str& caption, HWND owner) {
    return ::MsgBox(text, style, caption, owner);
}

namespace {
// The path in the ANSI code page; with exact, a null string where the code page cannot spell it.
str ansiPath(const wchar_t* path, bool exact) {
    // UTF-8 spells everything but an unpaired surrogate, and refuses to say what it lost.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? (exact ? WC_ERR_INVALID_CHARS : 0) : WC_NO_BEST_FIT_CHARS;
    BOOL lost = FALSE;
    int n = WideCharToMultiByte(CP_ACP, flags, path, -1, nullptr, 0, nullptr, utf8 ? nullptr : &lost);
    if (n <= 0 || (lost && exact)) return str();
    str text(n, '\0');
    WideCharToMultiByte(CP_ACP, flags, path, -1, text, n, nullptr, nullptr);
    return str((const char*)text);
}
} // namespace

// Read in its wide form, since the ANSI form of a level that the code page cannot spell holds '?'
// and names nothing (Briskdl.ini, bwcc32.dll beside the program would not be found). Such a
// path, or one too long for the ANSI calls, is taken in its short form, each level then expanded
// again where its long form is spelled and the whole still fits.
str genApp::moduleFileName(HMODULE module) {
    const DWORD size = 32768; // the longest path the system has
    std::unique_ptr<wchar_t[]> path(new wchar_t[size]);
    DWORD n = GetModuleFileNameW(module, path.get(), size);
    if (n == 0 || n >= size) return str("");
    str exact = ansiPath(path.get(), true);
    if (!exact.isNull() && exact.length() < MAX_PATH) return exact;
    std::unique_ptr<wchar_t[]> shortForm(new wchar_t[size]);
    n = GetShortPathNameW(path.get(), shortForm.get(), size);
    str shortAnsi = n > 0 && n < size ? ansiPath(shortForm.get(), true) : str();
    if (!shortAnsi.isNull()) {
        str expanded = LongFullPath(shortAnsi);
        return expanded.length() < MAX_PATH ? expanded : shortAnsi;
    }
    // A volume without short names leaves nothing better than the code page's spelling.
    if (!exact.isNull()) return exact;
    str lossy = ansiPath(path.get(), false);
    return lossy.isNull() ? str("") : lossy;
}

str genApp::appFileName() {
    return moduleFileName(hInstance);
}

str genApp::appFolder() {
    return DirOf(appFileName());
}

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
