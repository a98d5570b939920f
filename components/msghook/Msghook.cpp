#include "Msghook.h"

#include <commctrl.h>

#include <algorithm>

namespace msghook {

Msghook::Msghook(MessageHandler onMessage) : onMessage_(std::move(onMessage)) {}

Msghook::~Msghook() { Unhook(); }

bool Msghook::HwndHook(HWND window) {
    if (window == window_) return true;
    Unhook();
    if (!window) return true;
    if (!IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
    if (!SetWindowSubclass(window, HookProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
        return false;
    window_ = window;
    return true;
}

void Msghook::Unhook() {
    if (window_ && IsWindow(window_)) RemoveWindowSubclass(window_, HookProc, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
}

void Msghook::Message(UINT uMsg, bool raise) {
    auto at = std::find(watched_.begin(), watched_.end(), uMsg);
    if (raise && at == watched_.end()) watched_.push_back(uMsg);
    if (!raise && at != watched_.end()) watched_.erase(at);
}

bool Msghook::Message(UINT uMsg) const {
    return std::find(watched_.begin(), watched_.end(), uMsg) != watched_.end();
}

LRESULT Msghook::InvokeWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // The previous procedure is only known inside the hook's own call.
    if (eventDepth_ == 0 || !window_) return 0;
    return DefSubclassProc(window_, uMsg, wParam, lParam);
}

LRESULT CALLBACK Msghook::HookProc(HWND window, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* hook = reinterpret_cast<Msghook*>(self);
    if (uMsg == WM_NCDESTROY) {
        // The window goes away: the hook lets go of it before the window's own end.
        RemoveWindowSubclass(window, HookProc, reinterpret_cast<UINT_PTR>(hook));
        hook->window_ = nullptr;
        return DefSubclassProc(window, uMsg, wParam, lParam);
    }
    if (!hook->Message(uMsg) || !hook->onMessage_) return DefSubclassProc(window, uMsg, wParam, lParam);
    LRESULT result = 0;
    ++hook->eventDepth_;
    try {
        hook->onMessage_(uMsg, wParam, lParam, result);
    } catch (...) {
        // A handler's failure must not unwind through the system's window procedure.
    }
    --hook->eventDepth_;
    return result;
}

}  // namespace msghook
