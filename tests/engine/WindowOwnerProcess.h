#pragma once
// Starts the window-owning helper program (engine_window_owner.exe, beside the running
// program) and ends it again when the object goes away.
#include "ScopedHandle.h"

#include <windows.h>
#include <string>
#include <vector>

class WindowOwnerProcess {
public:
    // windows: the helper's window arguments ("titled:Name", "untitled", ...).
    explicit WindowOwnerProcess(const std::vector<std::wstring>& windows);
    ~WindowOwnerProcess();
    WindowOwnerProcess(const WindowOwnerProcess&) = delete;
    WindowOwnerProcess& operator=(const WindowOwnerProcess&) = delete;

    bool Started() const { return !windows_.empty(); }
    DWORD ProcessId() const { return processId_; }
    // The n-th window made (1-based), 0 when there is none.
    HWND Window(int n) const;
    const std::vector<HWND>& Windows() const { return windows_; }

private:
    KernelHandle process_;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    std::vector<HWND> windows_;
};

bool IsShown(HWND hwnd);
