// The Windows GUI entry point: one application object, one job, exit status 0.
#include "appTexts.h"
#include "mainApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR cmdLine, int cmdShow) {
    mainApp app(appTexts::productName, instance, prevInstance, cmdLine, cmdShow);
    app.Run();
    return 0;
}
