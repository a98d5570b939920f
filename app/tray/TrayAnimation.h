#pragma once
// Where a window shrinks to when it goes into the notification area.
#include <windows.h>

// The notification area inside the taskbar; nullptr when either is missing.
HWND FindNotificationArea();

// A 2 x 2 rectangle near the middle of the notification area; the whole area when it has
// no width.
RECT TrayAnimationTarget(const RECT& notificationArea);
