#include "TaskWindows.h"

#include "FailureReport.h"

namespace {

constexpr FailureSite kTaskWindowSite{L"TaskWindow", ModuleKind::Module, L"WindowFunctions_mod"};
constexpr FailureSite kGetIconsSite{L"GetIcons", ModuleKind::Module, L"WindowFunctions_mod"};
constexpr UINT kIconQueryTimeoutMs = 1000;

HICON AskIcon(HWND hwnd, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, 0, SMTO_NORMAL, kIconQueryTimeoutMs, &result)) return nullptr;
    return reinterpret_cast<HICON>(result);
}

HICON ClassIcon(HWND hwnd, int index) { return reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, index)); }

std::wstring WindowTitle(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    int n = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto& windows = *reinterpret_cast<std::vector<TopLevelWindow>*>(param);
    TopLevelWindow window;
    window.hwnd = hwnd;
    window.style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    if (IsTaskWindowStyle(window.style)) {
        GetWindowThreadProcessId(hwnd, &window.processId);
        window.title = WindowTitle(hwnd);
    }
    windows.push_back(std::move(window));
    return TRUE;
}

}  // namespace

bool IsTaskWindowStyle(LONG_PTR style) { return (style & taskWindowMask) == taskWindowMask; }

bool TaskWindow(HWND hwnd) {
    return RunReported(kTaskWindowSite, false, [&] { return IsTaskWindowStyle(GetWindowLongPtrW(hwnd, GWL_STYLE)); });
}

HICON GetIcons(HWND hwnd) {
    return RunReported(kGetIconsSite, static_cast<HICON>(nullptr), [&]() -> HICON {
        if (HICON icon = AskIcon(hwnd, WM_GETICON, ICON_SMALL)) return icon;
        if (HICON icon = ClassIcon(hwnd, GCLP_HICONSM)) return icon;
        if (HICON icon = AskIcon(hwnd, WM_GETICON, ICON_BIG)) return icon;
        if (HICON icon = ClassIcon(hwnd, GCLP_HICON)) return icon;
        return AskIcon(hwnd, WM_QUERYDRAGICON, 0);
    });
}

std::vector<TopLevelWindow> ListTopLevelWindows() {
    // EnumWindows takes its list in one go, so windows closing during the walk cannot
    // cut it short the way a GetWindow(GW_HWNDNEXT) chain can.
    std::vector<TopLevelWindow> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<RecordedWindow> ChooseWindowsToHide(const std::vector<TopLevelWindow>& windows, HWND mainForm) {
    std::vector<RecordedWindow> chosen;
    for (const TopLevelWindow& window : windows) {
        if (window.hwnd == mainForm || !IsTaskWindowStyle(window.style)) continue;
        // Windows without a title stay visible on every desktop.
        if (window.title.empty()) continue;
        // Past the last slot a window cannot be recorded, so it is left on screen.
        if (chosen.size() == static_cast<size_t>(kWindowSlotLimit)) break;
        chosen.push_back({window.hwnd, window.processId, window.title});
    }
    return chosen;
}
