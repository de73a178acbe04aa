// CreateShortcut through COM: IShellLinkA for the target and description, IPersistFile to save.
#include "shortcut.h"

#include "fileSystem.h"

#include <objidl.h>
#include <shlobj.h>

HRESULT CreateShortcut(const char* target, const char* linkPath, const char* description) {
    // S_FALSE too means that this call must be balanced; a thread in another apartment is not.
    HRESULT started = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void**)&link);
    if (SUCCEEDED(result)) {
        link->SetPath(target);
        link->SetDescription(description);
        result = link->QueryInterface(IID_IPersistFile, (void**)&file);
    }
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
    if (SUCCEEDED(started)) CoUninitialize();
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
