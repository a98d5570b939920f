#pragma once
// The journal of hidden windows: a small file in the store root that lists, after every
// switch, the windows each desktop hid, so that a recovery after a crash can bring them
// back. Windows hidden on desktops other than the shown one are otherwise only in memory.
//
// File storeRoot + "HiddenWindows.txt", UTF-8 text, lines ending in CR LF:
//   line 1   "Hexaplane hidden windows 1"
//   line 2   "shown" TAB <desktop on screen, decimal; -1 while a switch has hidden the
//            windows of the desktop left and not yet shown those of the desktop entered>
//   then one line per hidden window, desktop by desktop, slot order:
//            "window" TAB <desktop> TAB <slot> TAB <window handle, hexadecimal>
//            TAB <process id, decimal> TAB <caption>
// A caption escapes "\" as "\\", TAB as "\t", CR as "\r" and LF as "\n". Handles are
// reused by the system once a window closes: a recovery shows a handle only when the
// window still belongs to the same process (and, ideally, has the same caption).
// The file is written beside itself ("HiddenWindows.tmp") and then moved over the old
// one, so a reader never sees half a journal.
#include "DesktopModel.h"

#include <optional>
#include <string>
#include <vector>

struct JournalWindow {
    int desktop = 0;
    int slot = 0;
    RecordedWindow window;
};

struct HiddenWindowsJournal {
    int shownDesktop = -1;
    std::vector<JournalWindow> windows;
};

std::wstring HiddenWindowsJournalPath(const std::wstring& storeRoot);

// The journal text of the model: every recorded window of every desktop except the
// shown one (-1: every desktop).
std::string FormatHiddenWindowsJournal(const DesktopModel& model, int shownDesktop);
// Nothing when the text is not a journal; lines it does not know are skipped.
std::optional<HiddenWindowsJournal> ParseHiddenWindowsJournal(const std::string& text);

// Replaces the journal in storeRoot; raises the file error when it cannot be written.
void WriteHiddenWindowsJournal(const std::wstring& storeRoot, const DesktopModel& model, int shownDesktop);
std::optional<HiddenWindowsJournal> ReadHiddenWindowsJournal(const std::wstring& storeRoot);
