// inputDlg: asks for one line of text under a prompt, from the template "inputDlg".
#pragma once

#include "resource.h"
#include "winDlg.h"

class inputDlg : public winDlg {
public:
    // Set caption, prompt and text before running. text is the caller's, and must outlive the run.
    explicit inputDlg(HWND parent);

    void SetupWindow() override; // the prompt and the caller's text, when they hold text
    bool CanClose() override;    // on OK only: the edit field replaces the caller's text

    str* text;
    str prompt;

    enum { promptId = ID_INPUT_PROMPT, editId = ID_INPUT_EDIT };
};
