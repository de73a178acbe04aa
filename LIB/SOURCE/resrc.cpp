// resrc: freeing handles by kind, and the program-wide list of handed-over records.
#include "resrc.h"

void resrc::free() {
    switch (type) {
    case gdiObject:
        DeleteObject((HGDIOBJ)handle);
        break;
    case menu:
        DestroyMenu((HMENU)handle);
        break;
    case icon:
        DestroyIcon((HICON)handle);
        break;
    case cursor:
        DestroyCursor((HCURSOR)handle);
        break;
    }
    handle = nullptr;
}

namespace {
resrcs& programResources() {
    static resrcs list;
    return list;
}
} // namespace

void RetResrc(resrc* record) {
    programResources().add(record);
}
