#pragma once
// What the main form's tests share: the screenshot library registered in the test
// prefix, hotkey hooks that record their calls, and a wait for a condition that another
// process or a window message brings about.
#include "HotkeyHooks.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Registers Vantor.dll from the test program's folder (machine-wide, as creation by
// class name needs under Wine). Once per process; false when that failed.
bool RegisterScreenShotLibrary();

// Records "register 2", "release 0", "hook" in call order.
class RecordingHotkeys : public HotkeyHooks {
public:
    void RegisterDesktopHotkey(HWND, int desktop) override { calls.push_back(L"register " + std::to_wstring(desktop)); }
    void ReleaseDesktopHotkey(HWND, int desktop) override { calls.push_back(L"release " + std::to_wstring(desktop)); }
    void HookHotkeyMessages(HWND) override { calls.push_back(L"hook"); }
    std::vector<std::wstring> calls;
};

// Processes this thread's messages until condition holds; false when it did not within
// 20 seconds.
bool WaitUntil(const std::function<bool()>& condition);
