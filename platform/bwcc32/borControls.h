// The window procedures of the custom controls and the system procedures they build on.
#pragma once

#include <windows.h>

extern WNDPROC baseButtonProc;
extern WNDPROC baseStaticProc;
// The offset of the window bytes in which a BorShade keeps its shade style.
extern int shadeSlot;

// Answers WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND (nothing to erase) with paint; returns
// false for any other message.
bool paintMessage(HWND window, UINT message, WPARAM wParam, void (*paint)(HWND, HDC));

LRESULT CALLBACK borBtnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK borRadioProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK borCheckProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK borShadeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
