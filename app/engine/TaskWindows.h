#pragma once
// Task windows: the visible, bordered, titled top-level windows a desktop hides when it
// is left, and the icon a window shows for itself.
#include "DesktopModel.h"

#include <windows.h>
#include <string>
#include <vector>

// True when a window's style has every bit of taskWindowMask.
bool TaskWindow(HWND hwnd);
bool IsTaskWindowStyle(LONG_PTR style);

// The window's small icon, else its class's small icon, its big icon, its class's icon
// or its drag icon; 0 when it has none. The icon stays the window's.
HICON GetIcons(HWND hwnd);

// A top-level window as the switch sees it. The title is read for task windows only.
struct TopLevelWindow {
    HWND hwnd = nullptr;
    LONG_PTR style = 0;
    DWORD processId = 0;
    std::wstring title;
};

// Every top-level window, in Z order from the top.
std::vector<TopLevelWindow> ListTopLevelWindows();

// The windows leaving a desktop hides: task windows with a title, other than the main
// form's window, in Z order. Only the first 1024 get a slot; the rest stay visible.
std::vector<RecordedWindow> ChooseWindowsToHide(const std::vector<TopLevelWindow>& windows, HWND mainForm);
