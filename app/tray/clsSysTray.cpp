#include "clsSysTray.h"

#include "TrayAnimation.h"
#include "TrayText.h"

#include <cstring>
#include <utility>

namespace {
// The oldest shell reads only this much of the tooltip field.
constexpr size_t kShell4TipBytes = 64;
}  // namespace

clsSysTray::clsSysTray(ShellNotifyIcon& shell, ShellMajorVersionReader readShellMajorVersion)
    : shell_(shell), readShellMajorVersion_(std::move(readShellMajorVersion)) {}

clsSysTray::~clsSysTray() { RemoveTrayIcon(); }

void clsSysTray::RemoveTrayIcon() {
    if (!IsInTray()) return;
    record_.uFlags = 0;
    Send(NIM_DELETE, RecordForShell());
    record_.uCallbackMessage = 0;
}

void clsSysTray::InitializeTray(HICON hIcon, const std::wstring& NewTip) {
    Tip(NewTip);
    Icon(hIcon);
}

void clsSysTray::Icon(HICON hIcon) {
    record_.hIcon = hIcon;
    if (!IsInTray()) return;
    record_.uFlags = NIF_ICON;
    Send(NIM_MODIFY, RecordForShell());
}

void clsSysTray::Tip(const std::wstring& text) {
    tip_ = FieldText(text, kTipChars);
    if (!IsInTray()) return;
    record_.uFlags = NIF_TIP;
    Send(NIM_MODIFY, RecordForShell());
}

void clsSysTray::AddTrayIcon(HWND hWnd, UINT uID, UINT uMsg) {
    if (shellRecordSize_ == 0) DetectShellVersion();
    const bool wasInTray = IsInTray();
    record_.cbSize = shellRecordSize_;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uVersion = NOTIFYICON_VERSION;
    record_.uCallbackMessage = uMsg;
    record_.uID = uID;
    record_.hWnd = hWnd;
    if (wasInTray) {
        Send(NIM_MODIFY, RecordForShell());
    } else {
        Send(NIM_ADD, RecordForShell());
        Send(NIM_SETVERSION, RecordForShell());
    }
}

void clsSysTray::ShowBalloon(const std::wstring& Message, const std::wstring& Title, DWORD Icon) {
    if (shellRecordSize_ == 0) DetectShellVersion();
    if (shellRecordSize_ <= kRecordSizeShell4) return;  // the shell has no balloons
    // An empty text keeps the one shown before.
    if (!Message.empty()) balloonText_ = FieldText(Message, kBalloonTextChars);
    if (!Title.empty()) balloonTitle_ = FieldText(Title, kBalloonTitleChars);
    if (!(Icon & kBalloonKeepFlags)) {
        if (shellRecordSize_ < kRecordSizeShell6) Icon &= ~kBalloonNewestShellFlags;
        record_.dwInfoFlags = Icon;
    }
    record_.uFlags = NIF_INFO;
    if (IsInTray()) Send(NIM_MODIFY, RecordForShell());
}

void clsSysTray::HideBalloon() {
    if (!IsInTray() || shellRecordSize_ <= kRecordSizeShell4) return;
    // Empty balloon texts remove the balloon; the tooltip is sent again afterwards.
    NOTIFYICONDATAA empty = RecordForShell();
    std::memset(empty.szInfo, 0, sizeof empty.szInfo);
    std::memset(empty.szInfoTitle, 0, sizeof empty.szInfoTitle);
    std::memset(empty.szTip, 0, sizeof empty.szTip);
    empty.uFlags = NIF_INFO | NIF_TIP;
    Send(NIM_MODIFY, empty);

    record_.uFlags = NIF_TIP;
    Send(NIM_MODIFY, RecordForShell());
}

void clsSysTray::Restore(UINT uMsg) {
    if (record_.hWnd == nullptr) return;
    // The re-created taskbar has forgotten the icon: add it afresh.
    record_.uCallbackMessage = 0;
    AddTrayIcon(record_.hWnd, record_.uID, uMsg);
}

bool clsSysTray::MinimizeAnimated(HWND hwnd) {
    if (!IsWindow(hwnd) || IsIconic(hwnd)) return false;
    HWND area = FindNotificationArea();
    if (!area) return false;
    RECT areaRect{};
    GetWindowRect(area, &areaRect);
    GetWindowRect(hwnd, &savedWindowRect_);
    RECT target = TrayAnimationTarget(areaRect);
    DrawAnimatedRects(hwnd, IDANI_CAPTION, &savedWindowRect_, &target);
    ShowWindow(hwnd, SW_HIDE);
    ShowWindow(hwnd, SW_SHOWMINNOACTIVE);
    ShowWindow(hwnd, SW_HIDE);
    return true;
}

bool clsSysTray::RestoreAnimated(HWND hwnd) {
    if (!IsIconic(hwnd)) return false;
    HWND area = FindNotificationArea();
    if (!area) return false;
    RECT areaRect{};
    GetWindowRect(area, &areaRect);
    RECT target = TrayAnimationTarget(areaRect);
    DrawAnimatedRects(hwnd, IDANI_CAPTION, &target, &savedWindowRect_);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    return true;
}

void clsSysTray::DetectShellVersion() {
    std::optional<unsigned> major = readShellMajorVersion_();
    // Without version information the oldest record is used: every shell takes it, and it
    // has no balloons.
    shellRecordSize_ = major ? RecordSizeForShell(*major) : kRecordSizeShell4;
}

NOTIFYICONDATAA clsSysTray::RecordForShell() const {
    NOTIFYICONDATAA record = record_;
    // The oldest shell reads only the start of the tooltip field: the text must end there.
    const size_t tipBytes = record.cbSize == kRecordSizeShell4 ? kShell4TipBytes : sizeof record.szTip;
    std::memset(record.szTip, 0, sizeof record.szTip);
    StoreAnsiField(record.szTip, tipBytes, tip_);
    StoreAnsiField(record.szInfo, balloonText_);
    StoreAnsiField(record.szInfoTitle, balloonTitle_);
    return record;
}

void clsSysTray::Send(DWORD message, NOTIFYICONDATAA record) {
    // The shell's answer is not needed: every operation succeeds for the caller.
    shell_.NotifyIcon(message, record);
}
