#include "Background.h"

#include "AppError.h"
#include "FailureReport.h"
#include "NumberText.h"
#include "Reg_cls.h"
#include "ScopedHandle.h"

#include <commctrl.h>
#include <shlobj.h>

#include <vector>

namespace {

constexpr FailureSite kGetBackgroundSite{L"getBackground", ModuleKind::Module, L"modWindowFunctions"};
constexpr FailureSite kGetBackColorSite{L"getBackColor", ModuleKind::Module, L"modWindowFunctions"};
constexpr FailureSite kSetBackgroundSite{L"setBackground", ModuleKind::Module, L"WindowFunctions_mod"};
constexpr FailureSite kSetBackgroundNoneSite{L"setBackgroundNone", ModuleKind::Module, L"modWindowFunctions"};

constexpr WPARAM kShellViewRefreshCommand = 28931;  // 0x7103

std::vector<std::wstring> SplitAtBlanks(const std::wstring& text) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        size_t blank = text.find(L' ', start);
        parts.push_back(text.substr(start, blank == std::wstring::npos ? std::wstring::npos : blank - start));
        if (blank == std::wstring::npos) return parts;
        start = blank + 1;
    }
}

void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool synchronous) {
    // A window that was never found gets nothing (a post to 0 would land in this thread's queue).
    if (!window) return;
    if (synchronous)
        SendMessageW(window, message, wParam, lParam);
    else
        PostMessageW(window, message, wParam, lParam);
}

}  // namespace

DesktopViewWindows& TheDesktopViewWindows() {
    static DesktopViewWindows windows;
    return windows;
}

std::wstring getBackground() {
    return RunReported(kGetBackgroundSite, std::wstring(), [] {
        Reg_cls registry;
        return registry.ValueRead(HKEY_CURRENT_USER, kSystemDesktopKey, L"wallpaper", L"", REG_SZ);
    });
}

int32_t BackColorOfText(const std::wstring& text) {
    std::vector<std::wstring> parts = SplitAtBlanks(text);
    if (parts.size() < 3) throw RuntimeFailure(RuntimeError::SubscriptOutOfRange);
    return IntegerOfText(parts[0]) + 256 * IntegerOfText(parts[1]) + 65536 * IntegerOfText(parts[2]);
}

int32_t getBackColor() {
    return RunReported(kGetBackColorSite, int32_t{0}, [] {
        Reg_cls registry;
        return BackColorOfText(registry.ValueRead(HKEY_CURRENT_USER, kSystemColorsKey, L"background", L"", REG_SZ));
    });
}

long setBackgroundNone() {
    return RunReported(kSetBackgroundNoneSite, 0L, [] {
        Reg_cls registry;
        return registry.ValueWrite(HKEY_CURRENT_USER, kSystemDesktopKey, L"wallpaper", std::wstring(), REG_EXPAND_SZ);
    });
}

bool setBackground(int16_t /*desktop*/, const std::wstring& path) {
    return RunReported(kSetBackgroundSite, false, [&] {
        if (path == L"None") setBackgroundNone();
        std::wstring text = path;
        BOOL accepted = SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, text.data(),
                                              SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
        ItemIdList desktop;
        if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, desktop.Receive())))
            SHChangeNotify(SHCNE_ALLEVENTS, SHCNF_IDLIST, desktop.Get(), nullptr);
        DesktopViewRefresh(true, true, -1);
        return accepted != FALSE;
    });
}

void DesktopViewRefresh(bool whole, bool synchronous, int32_t item) {
    const DesktopViewWindows& windows = TheDesktopViewWindows();
    if (item >= 0) {
        Deliver(windows.desktopListView, LVM_REDRAWITEMS, item, item, synchronous);
    } else if (whole) {
        Deliver(windows.desktopView, WM_COMMAND, kShellViewRefreshCommand, 0, synchronous);
    } else if (windows.desktopListView) {
        LRESULT count = SendMessageW(windows.desktopListView, LVM_GETITEMCOUNT, 0, 0);
        Deliver(windows.desktopListView, LVM_REDRAWITEMS, 0, count - 1, synchronous);
    }
}
