#pragma once
// A titled window of the test thread that refuses WM_CLOSE, as a program does when the
// user cancels its question about unsaved work.
#include <windows.h>

class StubbornWindow {
public:
    StubbornWindow();
    ~StubbornWindow();
    StubbornWindow(const StubbornWindow&) = delete;
    StubbornWindow& operator=(const StubbornWindow&) = delete;

    HWND Handle() const { return window_; }
    int CloseRequests() const;

private:
    HWND window_ = nullptr;
};
