#include "DesktopWindows.h"

#include "Background.h"

#include <commctrl.h>
#include <cstring>

namespace {

HWND FindDesktopView(HWND progman) {
    return progman ? FindWindowExA(progman, nullptr, "SHELLDLL_DefView", nullptr) : nullptr;
}

bool IsVisibleDialog(HWND window) {
    char className[7] = {};
    GetClassNameA(window, className, sizeof className);
    return IsWindowVisible(window) && std::strcmp(className, "#32770") == 0;
}

}  // namespace

HWND FindProgman() { return FindWindowExA(GetDesktopWindow(), nullptr, "Progman", "Program Manager"); }

void LocateDesktopWindows() {
    DesktopViewWindows& windows = TheDesktopViewWindows();
    windows.desktopView = FindDesktopView(FindProgman());
    windows.desktopListView =
        windows.desktopView ? FindWindowExA(windows.desktopView, nullptr, "SysListView32", nullptr) : nullptr;
}

bool IsActiveDesktop() {
    HWND view = FindDesktopView(FindProgman());
    return view && FindWindowExA(view, nullptr, "Internet Explorer_Server", nullptr) != nullptr;
}

int DesktopIconCount() {
    HWND listView = TheDesktopViewWindows().desktopListView;
    return listView ? static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

bool IsDesktopDialogOpen() {
    HWND progman = FindProgman();
    if (!progman) return false;
    HWND popup = GetLastActivePopup(progman);
    if (popup && popup != progman && IsVisibleDialog(popup)) return true;
    for (HWND window = GetWindow(progman, GW_HWNDPREV); window; window = GetWindow(window, GW_HWNDPREV))
        if (GetParent(window) == progman && IsVisibleDialog(window)) return true;
    return false;
}
