#pragma once
// The program's one icon in the notification area: adds, changes and removes it, keeps its
// tooltip, shows and hides balloon tips in the form the installed shell supports, puts the
// icon back after the taskbar was re-created, and animates windows into and out of the
// notification area.
#include "ShellNotifyIcon.h"
#include "ShellVersion.h"

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

// Characters a text field keeps, one less than its width: the shell needs the terminator.
inline constexpr size_t kTipChars = 127;
inline constexpr size_t kBalloonTextChars = 255;
inline constexpr size_t kBalloonTitleChars = 63;

// Balloon icon word: bit 0x40 keeps the previous icon flags; 0x04 (user icon) and 0x10
// (no sound) are known only to the newest shell.
inline constexpr DWORD kBalloonKeepFlags = 0x40;
inline constexpr DWORD kBalloonNewestShellFlags = 0x04 | 0x10;

class clsSysTray {
public:
    using ShellMajorVersionReader = std::function<std::optional<unsigned>()>;

    explicit clsSysTray(ShellNotifyIcon& shell = TheSystemShellNotifyIcon(),
                        ShellMajorVersionReader readShellMajorVersion = Shell32MajorVersion);
    // Removes the icon.
    ~clsSysTray();
    clsSysTray(const clsSysTray&) = delete;
    clsSysTray& operator=(const clsSysTray&) = delete;

    void RemoveTrayIcon();
    void InitializeTray(HICON hIcon, const std::wstring& NewTip);
    HICON Icon() const { return record_.hIcon; }
    void Icon(HICON hIcon);
    const std::wstring& Tip() const { return tip_; }
    void Tip(const std::wstring& text);
    const std::wstring& BalloonTitle() const { return balloonTitle_; }
    const std::wstring& BalloonMessage() const { return balloonText_; }
    bool isBalloonCapable() const { return shellRecordSize_ > kRecordSizeShell4; }
    void ShowBalloon(const std::wstring& Message, const std::wstring& Title, DWORD Icon);
    void HideBalloon();
    // Puts the icon back after the taskbar was re-created; nothing before the first add.
    void Restore(UINT uMsg);
    bool MinimizeAnimated(HWND hwnd);
    bool RestoreAnimated(HWND hwnd);

    // Reserved to the program itself.
    void AddTrayIcon(HWND hWnd, UINT uID, UINT uMsg);

private:
    void DetectShellVersion();
    bool IsInTray() const { return record_.uCallbackMessage != 0; }
    // The record with its texts in the ANSI code page, as the shell gets it.
    NOTIFYICONDATAA RecordForShell() const;
    void Send(DWORD message, NOTIFYICONDATAA record);

    ShellNotifyIcon& shell_;
    ShellMajorVersionReader readShellMajorVersion_;
    // Every field but the texts, which are kept below and converted when sent.
    NOTIFYICONDATAA record_{};
    std::wstring tip_;
    std::wstring balloonText_;
    std::wstring balloonTitle_;
    // 0 until determined, then one of the three record sizes.
    DWORD shellRecordSize_ = 0;
    RECT savedWindowRect_{};
};
