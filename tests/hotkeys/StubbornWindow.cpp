#include "StubbornWindow.h"

namespace {

constexpr wchar_t kClassName[] = L"HexaplaneStubbornWindow";

LRESULT CALLBACK RefusingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        SetWindowLongPtrW(window, GWLP_USERDATA, GetWindowLongPtrW(window, GWLP_USERDATA) + 1);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

StubbornWindow::StubbornWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = RefusingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, L"Unsaved work", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200, 120,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

StubbornWindow::~StubbornWindow() {
    if (window_) DestroyWindow(window_);
}

int StubbornWindow::CloseRequests() const { return static_cast<int>(GetWindowLongPtrW(window_, GWLP_USERDATA)); }
