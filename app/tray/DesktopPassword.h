#pragma once
// The password check before a switch: a desktop whose "HPD" flag is set is entered only
// after the login prompt accepted its "MPD" password. Both live below the installation
// key; a plain-text password of an older version is replaced by its hash after a
// successful login.
#include <windows.h>

#include <cstdint>

// True when desktop may be entered: it is not protected, or the user typed its
// password. owner: the window the prompt belongs to.
bool DesktopPasswordGranted(int16_t desktop, HWND owner);
