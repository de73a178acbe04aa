// ownedHandle: a Windows handle released when its owner goes, on every way out, exceptions
// included; findHandle (FindClose), keyHandle (RegCloseKey) and kernelHandle (CloseHandle: files,
// processes, threads).
#pragma once

#include <windows.h>

// Null and INVALID_HANDLE_VALUE both mean no handle: the calls that make these give one or the
// other on failure.
template <class H, class releaser> class ownedHandle {
public:
    explicit ownedHandle(H handle = nullptr) : h(handle) {}
    ~ownedHandle() { release(); }
    ownedHandle(const ownedHandle&) = delete;
    ownedHandle& operator=(const ownedHandle&) = delete;

    operator H() const { return h; }
    bool valid() const { return h && h != (H)INVALID_HANDLE_VALUE; }
    // For a call that hands a new handle back through a pointer; the old one is released first.
    H* receive() {
        release();
        return &h;
    }

private:
    void release() {
        if (valid()) releaser()(h);
        h = nullptr;
    }
    H h;
};

struct findReleaser {
    void operator()(HANDLE h) const { FindClose(h); }
};
struct keyReleaser {
    void operator()(HKEY h) const { RegCloseKey(h); }
};
struct kernelReleaser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};

using findHandle = ownedHandle<HANDLE, findReleaser>;
using keyHandle = ownedHandle<HKEY, keyReleaser>;
using kernelHandle = ownedHandle<HANDLE, kernelReleaser>;
