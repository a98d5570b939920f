#pragma once
// A top-level window of the test thread standing in for the main form: it counts the
// WM_HOTKEY messages its own procedure receives.
#include <windows.h>

class HotkeyTestWindow {
public:
    HotkeyTestWindow();
    ~HotkeyTestWindow();
    HotkeyTestWindow(const HotkeyTestWindow&) = delete;
    HotkeyTestWindow& operator=(const HotkeyTestWindow&) = delete;

    HWND Handle() const { return window_; }
    int HotkeysSeen() const;

private:
    HWND window_ = nullptr;
};
