#include "ShellNotifyIcon.h"

BOOL SystemShellNotifyIcon::NotifyIcon(DWORD message, NOTIFYICONDATAA& record) {
    return Shell_NotifyIconA(message, &record);
}

ShellNotifyIcon& TheSystemShellNotifyIcon() {
    static SystemShellNotifyIcon shell;
    return shell;
}
