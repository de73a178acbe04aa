// CreateShortcut through COM: IShellLinkA for the target and description, IPersistFile to save.
#include "shortcut.h"

#include <objidl.h>
#include <shlobj.h>

HRESULT CreateShortcut(const char* target, const char* linkPath, const char* description) {
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void**)&link);
    if (SUCCEEDED(result)) {
        link->SetPath(target);
        link->SetDescription(description);
        IPersistFile* file = nullptr;
        result = link->QueryInterface(IID_IPersistFile, (void**)&file);
        if (SUCCEEDED(result)) {
            // A path that does not fit the buffer is refused rather than saved unterminated.
            WCHAR wide[MAX_PATH];
            if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wide, MAX_PATH) == 0)
                result = E_INVALIDARG;
            else
                result = file->Save(wide, TRUE);
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return result;
}
