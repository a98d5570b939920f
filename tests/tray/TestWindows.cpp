#include "TestWindows.h"

namespace {
constexpr wchar_t kClassName[] = L"HexaplaneTraceWindow";

void RegisterTraceClass(WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);  // fails harmlessly when the class exists
}
}  // namespace

std::wstring TraceEntry(const wchar_t* what, UINT uMsg) {
    return std::wstring(what) + L":" + std::to_wstring(uMsg - WM_APP);
}

TraceWindow::TraceWindow(Trace& trace) : trace_(trace) {
    RegisterTraceClass(Procedure);
    hWnd_ = CreateWindowExW(0, kClassName, L"trace", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150,
                            nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

TraceWindow::~TraceWindow() {
    if (IsWindow(hWnd_)) DestroyWindow(hWnd_);
}

LRESULT CALLBACK TraceWindow::Procedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TraceWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self && uMsg >= WM_APP && uMsg < 0xC000) {
        self->trace_.push_back(TraceEntry(L"proc", uMsg));
        return self->onMessage ? self->onMessage(uMsg, wParam, lParam) : OwnResult(uMsg);
    }
    if (uMsg == WM_NCDESTROY) SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

void TraceCallback::zHubProc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND hWnd,
                             UINT uMsg, WPARAM, LPARAM, LONG_PTR& userValue) {
    if (uMsg >= WM_APP && uMsg < 0xC000) trace_.push_back(TraceEntry(bBefore ? L"before" : L"after", uMsg));
    if (react) react(bBefore, bHandled, lReturn, hWnd, uMsg, userValue);
}
