#pragma once
// The one way clsSysTray talks to the notification area: every Shell_NotifyIconA call goes
// through a ShellNotifyIcon, so a test can record the records as handed to the shell.
#include <windows.h>
#include <shellapi.h>

class ShellNotifyIcon {
public:
    virtual ~ShellNotifyIcon() = default;
    virtual BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA& record) = 0;
};

// The shell's own Shell_NotifyIconA.
class SystemShellNotifyIcon : public ShellNotifyIcon {
public:
    BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA& record) override;
};

ShellNotifyIcon& TheSystemShellNotifyIcon();
