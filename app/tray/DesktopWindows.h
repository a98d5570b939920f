#pragma once
// The shell's desktop windows: "Progman" ("Program Manager"), its view "SHELLDLL_DefView"
// and the list view "SysListView32" that holds the desktop icons. The located view and
// list view are kept for the process in TheDesktopViewWindows().
#include <windows.h>

HWND FindProgman();
// Locates desktopView and desktopListView again; either becomes 0 when missing.
void LocateDesktopWindows();
// True when the desktop view holds an "Internet Explorer_Server" (the Active Desktop).
bool IsActiveDesktop();
// Number of icons of the located desktop list view; 0 when it is missing.
int DesktopIconCount();
// True while a dialog box ("#32770") of the desktop is open, such as a rename or
// confirmation box.
bool IsDesktopDialogOpen();
