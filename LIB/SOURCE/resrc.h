// resrc: a GDI, menu, icon or cursor handle with its kind, and the lists that release them.
#pragma once

#include "set.h"

#include <windows.h>

struct resrc {
    enum kind { gdiObject = 0, menu = 1, icon = 2, cursor = 3 };
    HANDLE handle;
    int type;

    resrc(HANDLE handle, int type) : handle(handle), type(type) {}
    void free(); // DeleteObject, DestroyMenu, DestroyIcon or DestroyCursor, by kind
};

// An owning list of records that frees each handle as its record leaves the list.
class resrcs : public set<resrc> {
public:
    resrcs() {}
    ~resrcs() override { clear(); }
    // A copy would free the same handles a second time.
    resrcs(const resrcs&) = delete;
    resrcs& operator=(const resrcs&) = delete;
    void release(resrc* r) override {
        if (owns && r) r->free();
        set<resrc>::release(r);
    }
};

// Hands a record over to the program-wide list, which frees every handle at program end in the
// order handed over. The list takes over the record.
void RetResrc(resrc* record);
