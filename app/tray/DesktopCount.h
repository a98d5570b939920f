#pragma once
// Adding and removing desktops: the tray commands that change the stored number of
// desktops by one (at least 1, at most 1024). Adding appends the next number; removing
// drops the highest one, optionally with its settings, and brings the windows recorded
// for it to the main desktop.
#include <cstdint>

// What the two commands need from the main form.
class DesktopCountHost {
public:
    virtual ~DesktopCountHost() = default;
    // Rebuilds the desktop entries of the tray menu and re-registers every hotkey.
    virtual void createDesktopMenus(bool unRegHotKeys) = 0;
    // The switch request every desktop change goes through (no password for desktop 0).
    virtual void mnuDesktop_Click(int16_t Index) = 0;
    // desktopPictures now has the slots 0 … desktopCount; the slots that remain keep
    // their pictures.
    virtual void ResizeDesktopPictures(int32_t desktopCount) {}
};

inline constexpr int32_t kMostDesktops = 1024;
inline constexpr int32_t kFewestDesktops = 1;

// The Click handlers of mnuAddNewDesktop and mnuRemoveOldDesktop. An unexpected failure
// is reported for the handler and "frmSettings"; a count already written stays written.
void mnuAddNewDesktop_Click(DesktopCountHost& host);
void mnuRemoveOldDesktop_Click(DesktopCountHost& host);

// The windows recorded for a desktop that no longer exists go to the main desktop: shown
// at once while desktop 0 is shown, otherwise recorded for desktop 0 (shown at once when
// desktop 0 has no slot left). Nothing happens while the desktop itself is shown.
void MoveWindowsToMainDesktop(int removedDesktop);
