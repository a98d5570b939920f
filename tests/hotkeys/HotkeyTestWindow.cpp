#include "HotkeyTestWindow.h"

namespace {

constexpr wchar_t kClassName[] = L"HexaplaneHotkeyTestWindow";

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) SetWindowLongPtrW(window, GWLP_USERDATA, GetWindowLongPtrW(window, GWLP_USERDATA) + 1);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HotkeyTestWindow::HotkeyTestWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

HotkeyTestWindow::~HotkeyTestWindow() {
    if (window_) DestroyWindow(window_);
}

int HotkeyTestWindow::HotkeysSeen() const { return static_cast<int>(GetWindowLongPtrW(window_, GWLP_USERDATA)); }
