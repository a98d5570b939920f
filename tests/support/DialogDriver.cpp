#include "DialogDriver.h"

#include <map>

namespace {

std::map<UINT_PTR, DialogDriver*>& Drivers() {
    static std::map<UINT_PTR, DialogDriver*> drivers;
    return drivers;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && std::wstring(className) == L"#32770") {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

DialogDriver::DialogDriver(std::function<void(HWND)> action) : action_(std::move(action)) {
    timer_ = SetTimer(nullptr, 0, 50, OnTimer);
    Drivers()[timer_] = this;
}

DialogDriver::~DialogDriver() {
    if (timer_) KillTimer(nullptr, timer_);
    Drivers().erase(timer_);
}

void CALLBACK DialogDriver::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    auto found = Drivers().find(id);
    if (found == Drivers().end()) return;
    DialogDriver* self = found->second;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    KillTimer(nullptr, id);
    self->timer_ = 0;
    Drivers().erase(id);
    self->ran_ = true;
    self->action_(dialog);
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

void ClickButton(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void CloseWithCloseBox(HWND window) {
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}
