// The application object that the Windows tests share, made on first use.
#pragma once

#include "genApp.h"

inline genApp& testApp() {
    static genApp app("Test App", GetModuleHandleA(nullptr), nullptr, "a,-b", SW_SHOW);
    return app;
}
