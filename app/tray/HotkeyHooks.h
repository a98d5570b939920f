#pragma once
// What the main form needs from the per-desktop hotkeys: the key tables filled when it
// loads, the hotkey of a desktop registered and released while the desktop entries are
// rebuilt, and the window handed to the message hook that delivers WM_HOTKEY.
// The defaults do nothing: no desktop has a hotkey.
#include <windows.h>

class HotkeyHooks {
public:
    virtual ~HotkeyHooks() = default;
    virtual void FillHotkeyTables() {}
    virtual void RegisterDesktopHotkey(HWND mainWindow, int desktop) {}
    virtual void ReleaseDesktopHotkey(HWND mainWindow, int desktop) {}
    // Lets the message hook watch the main window for WM_HOTKEY.
    virtual void HookHotkeyMessages(HWND mainWindow) {}
};
