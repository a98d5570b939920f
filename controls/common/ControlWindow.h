#pragma once
// The window a control owns while it is in-place active: a child of the container's
// window whose messages go to the control.
#include <windows.h>

class ActiveXControl;

HWND CreateControlWindow(ActiveXControl& control, HWND parent, const RECT& position);

// When the library is unloaded: a later load at another address must not find a class
// whose window procedure points into the old image.
void UnregisterControlWindowClass();
