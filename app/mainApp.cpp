// mainApp: the application object and its choice of job.
#include "mainApp.h"

namespace {
const char productName[] = "Brisk Download";
} // namespace

mainApp::mainApp(HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow)
    : genApp(productName, instance, prevInstance, cmdLine, cmdShow) {}

// The program's jobs are chosen here; until they exist it starts and ends with status 0.
int mainApp::Run() { return Status; }
