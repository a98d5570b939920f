#pragma once
// Bringing back windows the program hid. A recorded handle is only trusted while it still
// names the window that was hidden: the system reuses the handle of a closed window, and a
// handle that now belongs to another process names some other program's window.
#include "DesktopModel.h"
#include "HiddenWindowsJournal.h"

#include <windows.h>

// The window exists and still belongs to the process that owned it when it was hidden.
bool StillTheRecordedWindow(const RecordedWindow& window);
// ... and is hidden at the moment.
bool StillHiddenRecordedWindow(const RecordedWindow& window);

// Shows every window of the journal that still exists, still belongs to its recorded
// process and is still hidden. The owners show them in their own time (ShowWindowAsync),
// so a program that hangs cannot hold up the others. Returns how many were shown.
int ShowJournalledWindows(const HiddenWindowsJournal& journal);

// Shows every recorded window of every desktop but the shown one that is still the
// recorded window and still hidden (ShowWindow). The shown desktop's records are stale:
// a window of it that is hidden now was hidden by its own program. Returns how many.
int ShowStrandedWindows(const DesktopModel& model);
