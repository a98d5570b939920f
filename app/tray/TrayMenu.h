#pragma once
// The tray menu's tree as Win32 menus: the top-level item mnu_popup ("Menu") whose
// children the popup shows, the desktop entries mnuDesktop(0 …) at the top, then the
// commands. Every item has a fixed command id; desktop entry i has kFirstDesktopCommand + i.
#include <windows.h>

#include <optional>
#include <string>

enum class TrayItem : UINT {
    mnuMenuSep1 = 201,
    mnuAddNewDesktop,
    mnuRemoveOldDesktop,
    mnuMenuSep2,
    mnuDesktopShow,
    mnuMenuSep3,
    mnu_Spracheaendern,
    mnuMenuPolyplaneSettings,
    mnuMenuMenuStyle,
    mnuHelp,
    mnu_popupUeber,
    mnuMenuSep4,
    mnuExit,
};

inline constexpr UINT kFirstDesktopCommand = 1000;
inline constexpr int kMaxDesktopEntries = 1024;

class TrayMenu {
public:
    // The tree with its design captions: one desktop entry, "Desktop anzeigen" checked.
    TrayMenu();
    ~TrayMenu();
    TrayMenu(const TrayMenu&) = delete;
    TrayMenu& operator=(const TrayMenu&) = delete;

    // The menu whose children the popup shows (mnu_popup).
    HMENU Popup() const { return popup_; }

    // mnu_popup's own caption.
    void SetTopCaption(const std::wstring& text);
    std::wstring TopCaption() const;
    // A caption of "-" makes the item a separator, any other text a command.
    void SetCaption(TrayItem item, const std::wstring& text);
    // The caption without its shortcut ("Hilfe", not "Hilfe\tF1").
    std::wstring Caption(TrayItem item) const;
    bool IsSeparator(TrayItem item) const;
    void SetChecked(TrayItem item, bool checked);
    bool IsChecked(TrayItem item) const;

    // Highest index of the desktop entries (0 when only mnuDesktop(0) exists).
    int HighestDesktopIndex() const;
    // Adds desktop entry i after entry i − 1; false when it exists or i is out of range.
    bool AddDesktopEntry(int i);
    // Removes desktop entry i; entry 0 is never removed.
    bool RemoveDesktopEntry(int i);
    bool HasDesktopEntry(int i) const;
    void SetDesktopCaption(int i, const std::wstring& text);
    std::wstring DesktopCaption(int i) const;
    void SetDesktopChecked(int i, bool checked);
    bool IsDesktopChecked(int i) const;

    // The desktop a command id stands for.
    static std::optional<int> DesktopOfCommand(UINT command);

private:
    HMENU bar_ = nullptr;
    HMENU popup_ = nullptr;
};
