#pragma once
// The watchdog keeps hidden windows from being lost. The program starts it once, before
// its first switch hides anything; it waits for the program's process to end. When the
// program ends without its normal end (a crash, an unhandled exception, the end of the
// session, TerminateProcess from outside), the watchdog shows every window of the hidden
// windows journal that still exists, still belongs to its recorded process and is still
// hidden. After ExitNormally it ends quietly.
#include "ScopedHandle.h"

#include <windows.h>
#include <string>

class Watchdog {
public:
    Watchdog() = default;
    Watchdog(KernelHandle process, DWORD processId, KernelHandle normalEnd);

    bool Running() const { return static_cast<bool>(process_); }
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_.Get(); }

    // The program is ending through the exit dialog: the watchdog ends without showing
    // anything. Call it once every window has been shown or closed.
    void ExitNormally();

private:
    KernelHandle process_;
    DWORD processId_ = 0;
    KernelHandle normalEnd_;
};

// Starts PlexorWatchdog.exe from the running program's own folder, watching this process
// and the journal of storeRoot (HiddenWindowsJournalPath). Not running when it cannot start.
Watchdog StartWatchdog(const std::wstring& storeRoot);

