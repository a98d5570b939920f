#include "TrayAnimation.h"

HWND FindNotificationArea() {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!taskbar) return nullptr;
    return FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr);
}

RECT TrayAnimationTarget(const RECT& notificationArea) {
    RECT target = notificationArea;
    if (target.right > target.left) {
        // Integer division truncates toward zero, also for an area narrower than 4 pixels.
        target.left = target.left + (target.right - target.left - 4) / 2;
        target.right = target.left + 2;
        target.top = target.top + (target.bottom - target.top - 4) / 2;
        target.bottom = target.top + 2;
    }
    return target;
}
