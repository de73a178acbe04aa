// CreateShortcut through COM: IShellLinkA for the target and description, IPersistFile to save.
#include "shortcut.h"

#include "fileSystem.h"

#include <objidl.h>
#include <shlobj.h>

namespace {
// COM is loaded only to make a shortcut: imported, ole32 (with rpcrt4 and combase) would be loaded
// and started by every start of the program, which took the Options dialog and the hand-off
// longer than anything else they do before they show or start something. Once loaded it stays,
// as an import would.
struct com {
    typedef HRESULT(WINAPI* initializeCall)(LPVOID);
    typedef HRESULT(WINAPI* createCall)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
    typedef void(WINAPI* uninitializeCall)();
    HMODULE ole32 = LoadLibraryA("ole32.dll");
    initializeCall initialize =
        ole32 ? (initializeCall)(void*)GetProcAddress(ole32, "CoInitialize") : nullptr;
    createCall create = ole32 ? (createCall)(void*)GetProcAddress(ole32, "CoCreateInstance") : nullptr;
    uninitializeCall uninitialize =
        ole32 ? (uninitializeCall)(void*)GetProcAddress(ole32, "CoUninitialize") : nullptr;
};
} // namespace

HRESULT CreateShortcut(const char* target, const char* linkPath, const char* description) {
    com calls;
    if (!calls.initialize || !calls.create || !calls.uninitialize) return REGDB_E_CLASSNOTREG;
    // S_FALSE too means that this call must be balanced; a thread in another apartment is not.
    HRESULT started = calls.initialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    HRESULT result =
        calls.create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void**)&link);
    // A link whose target was refused would be saved pointing nowhere.
    if (SUCCEEDED(result)) result = link->SetPath(target);
    if (SUCCEEDED(result)) result = link->SetDescription(description);
    if (SUCCEEDED(result)) result = link->QueryInterface(IID_IPersistFile, (void**)&file);
    if (SUCCEEDED(result)) {
        // A path that does not fit the buffer is refused rather than saved unterminated.
        WCHAR wide[MAX_PATH];
        if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wide, MAX_PATH) == 0)
            result = E_INVALIDARG;
        else
            result = file->Save(wide, TRUE);
    }
    if (file) file->Release();
    if (link) link->Release();
    if (SUCCEEDED(started)) calls.uninitialize();
    return result;
}

// Shells older than the profiles lack SHGetSpecialFolderPathA: it is looked up, not imported.
str ProgramsFolder() {
    typedef BOOL(WINAPI * specialFolder)(HWND, LPSTR, int, BOOL);
    char path[MAX_PATH] = "";
    HMODULE shell = LoadLibraryA("shell32.dll");
    specialFolder get =
        shell ? (specialFolder)(void*)GetProcAddress(shell, "SHGetSpecialFolderPathA") : nullptr;
    bool found = get && get(nullptr, path, CSIDL_PROGRAMS, TRUE) && path[0];
    if (shell) FreeLibrary(shell);
    if (found) return str(path);
    GetWindowsDirectoryA(path, MAX_PATH);
    str programs = str(path) + "\\Start Menu\\Programs";
    CreateDir(programs);
    return programs;
}
