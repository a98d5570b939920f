#pragma once
// The desktop model: which windows each desktop hid when it was last left, which desktop
// is shown, and the few settings taken at start. One instance per process (TheDesktopModel),
// owned by the engine and read by the tray, the options and the exit dialog.
//
// Up to 1024 desktops with up to 1024 recorded windows each are allowed, but only what
// was recorded costs memory: a desktop's row exists once it has been left with windows,
// and rows are only as long as the windows recorded in them.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kDesktopLimit = 1024;   // desktops 0 … 1023
inline constexpr int kWindowSlotLimit = 1024; // slots 0 … 1023 per desktop
// Style bits every task window has: visible and bordered (every caption bar has a border).
inline constexpr LONG_PTR taskWindowMask = WS_VISIBLE | WS_BORDER;

// A window hidden when its desktop was left. The process id and caption tell a later
// recovery whether the handle still names the same window.
struct RecordedWindow {
    HWND hwnd = nullptr;
    DWORD processId = 0;
    std::wstring caption;
};

class DesktopModel {
public:
    // Window handle in a slot; 0 for a slot past the desktop's count. A desktop or slot
    // outside 0 … 1023 raises error 9.
    HWND hwndTable(int desktop, int slot) const;
    // Caption the window in a slot had when it was hidden; empty past the count.
    const std::wstring& captionTable(int desktop, int slot) const;
    // Number of valid slots of a desktop.
    int32_t windowCount(int desktop) const;
    // The valid slots of a desktop, slot order.
    const std::vector<RecordedWindow>& Recorded(int desktop) const;

    // The windows hidden when a desktop is left; replaces what the desktop held.
    // More than 1024 windows or a desktop outside 0 … 1023 raise error 9 and change nothing.
    void RecordLeftDesktop(int desktop, std::vector<RecordedWindow> windows);
    // Forgets every recorded window.
    void ForgetAllWindows();

    // Bytes the model holds, including the text of its captions.
    size_t MemoryInUse() const;

    int16_t currentDesktop = 0;
    int16_t previousDesktop = 0;
    int32_t desktopCount = 1;
    std::wstring installationKey;
    bool useIcons = false;
    std::wstring startWallpaper;

private:
    std::vector<std::vector<RecordedWindow>> rows_;  // index = desktop; grows on demand
};

// The model of this process.
DesktopModel& TheDesktopModel();

// Raises error 9 unless the desktop number is 0 … 1023.
void CheckDesktopNumber(int desktop);
