// mainApp: the Brisk Download application object.
#pragma once

#include "genApp.h"

class mainApp : public genApp {
public:
    mainApp(HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow);
    int Run() override;
};
