#include "WindowRecovery.h"

bool StillTheRecordedWindow(const RecordedWindow& window) {
    if (!window.hwnd || !IsWindow(window.hwnd)) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window.hwnd, &processId);
    return processId != 0 && processId == window.processId;
}

bool StillHiddenRecordedWindow(const RecordedWindow& window) {
    return StillTheRecordedWindow(window) && (GetWindowLongPtrW(window.hwnd, GWL_STYLE) & WS_VISIBLE) == 0;
}

int ShowJournalledWindows(const HiddenWindowsJournal& journal) {
    int shown = 0;
    for (const JournalWindow& entry : journal.windows) {
        if (!StillHiddenRecordedWindow(entry.window)) continue;
        ShowWindowAsync(entry.window.hwnd, SW_SHOW);
        ++shown;
    }
    return shown;
}

int ShowStrandedWindows(const DesktopModel& model) {
    int shown = 0;
    for (int desktop = 0; desktop < kDesktopLimit; ++desktop) {
        if (desktop == model.currentDesktop) continue;
        for (const RecordedWindow& window : model.Recorded(desktop)) {
            if (!StillHiddenRecordedWindow(window)) continue;
            ShowWindow(window.hwnd, SW_SHOW);
            ++shown;
        }
    }
    return shown;
}
