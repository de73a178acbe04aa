// Registry access through RegOpenKeyExA, RegQueryValueExA, RegCreateKeyExA and RegSetValueExA.
#include "registry.h"

#include "ownedHandle.h"

#include <climits>
#include <cstring>

LONG ReadRegistry(HKEY root, const char* keyPath, const char* valueName, str& out) {
    keyHandle key;
    LONG code = RegOpenKeyExA(root, keyPath, 0, KEY_READ, key.receive());
    if (code != ERROR_SUCCESS) return code;
    DWORD size = 0;
    code = RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, &size);
    if (code != ERROR_SUCCESS) return code;
    // size blanks and a terminator: a value stored without its terminator, or one that is not
    // text, still ends in one. The second query may fill only what was made: a size that no str
    // can hold gets nothing, and that query reports ERROR_MORE_DATA.
    str data(size < (DWORD)INT_MAX ? (int)size : 0, ' ');
    size = (DWORD)data.length();
    code = RegQueryValueExA(key, valueName, nullptr, nullptr, (BYTE*)(char*)data, &size);
    if (code == ERROR_SUCCESS) out.swap(data); // the bytes as stored, binary values included
    return code;
}

int WriteRegistry(HKEY root, const char* keyPath, const char* valueName, DWORD kind, const void* data,
                  DWORD size) {
    if (!data && kind != REG_SZ) // no bytes to take the count from
        return 0;
    const char* keyClass = "hex";
    if (kind == REG_SZ) {
        if (!data) data = "";
        keyClass = "String";
        size = (DWORD)strlen((const char*)data) + 1;
    } else if (kind == REG_DWORD) {
        keyClass = "DWORD";
        size = 4;
    }
    keyHandle key;
    if (RegCreateKeyExA(root, keyPath, 0, (char*)keyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.receive(), nullptr) != ERROR_SUCCESS)
        return 0;
    return RegSetValueExA(key, valueName, 0, kind, (const BYTE*)data, size) == ERROR_SUCCESS;
}

int DeleteRegistryValue(HKEY root, const char* keyPath, const char* valueName) {
    keyHandle key;
    LONG code = RegOpenKeyExA(root, keyPath, 0, KEY_SET_VALUE, key.receive());
    if (code == ERROR_SUCCESS) code = RegDeleteValueA(key, valueName);
    return code == ERROR_SUCCESS || code == ERROR_FILE_NOT_FOUND;
}
