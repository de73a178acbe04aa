// The Windows GUI entry point: one application object, its run, then exit.
#include "mainApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR cmdLine, int cmdShow) {
    mainApp app(instance, prevInstance, cmdLine, cmdShow);
    return app.Run();
}
