#pragma once
// The per-desktop hotkeys of the main window: registration under the global atom "V" +
// desktop number, release, and the dispatch of WM_HOTKEY to the switch request of every
// desktop whose identifier matches, after which the message goes on to the window's
// previous procedure. Owned by the main form; releases everything when it goes.
#include "DesktopModel.h"
#include "HotkeyTables.h"
#include "Msghook.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>

class DesktopHotkeys {
public:
    // The main form's switch request (mnuDesktop_Click), password check included.
    using SwitchRequest = std::function<void(int16_t desktop)>;

    explicit DesktopHotkeys(SwitchRequest switchRequest);
    // Releases every hotkey and atom still held.
    ~DesktopHotkeys();
    DesktopHotkeys(const DesktopHotkeys&) = delete;
    DesktopHotkeys& operator=(const DesktopHotkeys&) = delete;

    void FillHotkeyTables();
    const HotkeyTables& Tables() const { return tables_; }

    // Registers the stored hotkey of a desktop for mainWindow. Never raises: a desktop
    // without "hasHotkey", with a malformed "Hotkey" or with positions outside the tables
    // gets no hotkey (a malformed or out-of-table one keeps its atom until released); a
    // combination the system refuses simply never fires.
    void RegisterDesktopHotkey(HWND mainWindow, int desktop);
    // Unregisters a desktop's hotkey and deletes its atom; nothing when it has none.
    void ReleaseDesktopHotkey(HWND mainWindow, int desktop);
    void ReleaseAll();
    // Lets the message hook watch mainWindow for WM_HOTKEY.
    void HookHotkeyMessages(HWND mainWindow);

    // The identifier (global atom) a desktop's hotkey is registered under; 0 when none.
    ATOM hotkeyIds(int desktop) const;

    // The hook's Message event: the switch request for every desktop whose identifier is
    // wParam, then the message goes on to the window's previous procedure.
    void Msghook_Message(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    struct Registration {
        ATOM id = 0;
        HWND window = nullptr;
    };

    SwitchRequest switchRequest_;
    HotkeyTables tables_;
    std::array<Registration, kDesktopLimit> hotkeyIds_{};
    msghook::Msghook Msghook_;
};
