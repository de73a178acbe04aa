// TDialog: the least of a GUI framework's modal dialog that the library builds on: a dialog run
// with DialogBoxParamA from a named template and ended with EndDialog.
#pragma once

#include <windows.h>

class TDialog {
public:
    // The template is looked up by name (without regard to case) in the program's own resources.
    TDialog(HWND parent, const char* templateName);
    virtual ~TDialog();
    TDialog(const TDialog&) = delete; // it owns its copy of the template name
    TDialog& operator=(const TDialog&) = delete;

    // Runs the dialog modally; returns the result it was ended with (IDOK, IDCANCEL), or -1 when
    // it could not be created. The application's custom controls are switched on first (without
    // an application object they must be registered already); -1 when they cannot be.
    virtual INT_PTR Execute();

    // The close request: when CanClose agrees, the destroy step with the result.
    virtual void CloseWindow(int result);
    // The destroy step: ends the modal run with the result.
    virtual void Destroy(int result);
    // Runs once the dialog window exists, before it is shown.
    virtual void SetupWindow() {}
    // Asked by the close request (on OK): whether the dialog may close.
    virtual bool CanClose() { return true; }
    // Command handlers by command identifier: OK is the close request, Cancel the destroy step.
    // Returns whether the command was handled.
    virtual bool EvCommand(int id);

    HWND HWindow;
    HWND Parent;

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    char* templateName;
};
