#pragma once
// Drives a modal dialog the code under test opens on this thread: once a visible dialog
// ("#32770") of the thread appears, the action runs on it from inside the dialog's own
// message loop, as a user's clicks would. Active for the driver's lifetime.
#include <windows.h>

#include <functional>
#include <string>

class DialogDriver {
public:
    explicit DialogDriver(std::function<void(HWND dialog)> action);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool Ran() const { return ran_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
};

std::wstring WindowText(HWND window);
// Closes a window with its close box, as the user would.
void CloseWithCloseBox(HWND window);
// Clicks a button of a dialog as the user would (BM_CLICK).
void ClickButton(HWND dialog, int id);
