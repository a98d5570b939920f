#pragma once
// The switch from one desktop to another: hides and records the task windows of the
// desktop left, saves its wallpaper, colour and display mode, shows the windows of the
// desktop entered, applies its wallpaper and display mode, and swaps the small files of
// the desktop folder through the store folders.
#include <windows.h>

#include <cstdint>

// What the switch needs from the tray front-end. The defaults do nothing.
class SwitchHooks {
public:
    virtual ~SwitchHooks() = default;
    // The main form's own window: never hidden.
    virtual HWND MainFormWindow() { return nullptr; }
    // Saves the desktop icon layout of the desktop being left.
    virtual void SaveIconLayout(int16_t desktop) {}
};

// Installs the hooks the switch uses (nullptr: the do-nothing defaults); the caller keeps
// them alive while they are installed.
void UseSwitchHooks(SwitchHooks* hooks);

// Switches from desktop from to desktop to (from = to is allowed). Every action that fails
// is reported and the switch goes on with the next one; returns the number of the last
// error, 0 when every action succeeded. Afterwards currentDesktop = to and
// previousDesktop = from.
long switchDesktop(int16_t from, int16_t to);
