#include "TrayMenu.h"

#include <algorithm>

namespace {

constexpr wchar_t kHelpShortcut[] = L"\tF1";

UINT DesktopCommand(int i) { return kFirstDesktopCommand + static_cast<UINT>(i); }

std::wstring ItemText(HMENU menu, UINT item, BOOL byPosition) {
    wchar_t text[512] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 512;
    if (!GetMenuItemInfoW(menu, item, byPosition, &info)) return {};
    std::wstring caption = text;
    return caption.substr(0, caption.find(L'\t'));
}

UINT ItemState(HMENU menu, UINT command) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    return GetMenuItemInfoW(menu, command, FALSE, &info) ? info.fState : 0;
}

void SetItemChecked(HMENU menu, UINT command, bool checked) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void AppendItem(HMENU menu, UINT command, const std::wstring& caption) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    info.wID = command;
    info.fType = caption == L"-" ? MFT_SEPARATOR : MFT_STRING;
    info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

UINT Id(TrayItem item) { return static_cast<UINT>(item); }

}  // namespace

TrayMenu::TrayMenu() : bar_(CreateMenu()), popup_(CreatePopupMenu()) {
    AppendMenuW(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup_), L"Menu");
    AppendItem(popup_, DesktopCommand(0), L"Goto Desktop 1");
    AppendItem(popup_, Id(TrayItem::mnuMenuSep1), L"-");
    AppendItem(popup_, Id(TrayItem::mnuAddNewDesktop), L"&Neuer Desktop");
    AppendItem(popup_, Id(TrayItem::mnuRemoveOldDesktop), L"&letzten Desktop entfernen");
    AppendItem(popup_, Id(TrayItem::mnuMenuSep2), L"-");
    AppendItem(popup_, Id(TrayItem::mnuDesktopShow), L"Desktop anzeigen");
    AppendItem(popup_, Id(TrayItem::mnuMenuSep3), L"-");
    AppendItem(popup_, Id(TrayItem::mnu_Spracheaendern), L"Sprache \u00e4ndern");
    AppendItem(popup_, Id(TrayItem::mnuMenuPolyplaneSettings), L"Polyplane Settings");
    AppendItem(popup_, Id(TrayItem::mnuMenuMenuStyle), L"Men\u00fcstil");
    AppendItem(popup_, Id(TrayItem::mnuHelp), std::wstring(L"Hilfe") + kHelpShortcut);
    AppendItem(popup_, Id(TrayItem::mnu_popupUeber), L"\u00dcber...");
    AppendItem(popup_, Id(TrayItem::mnuMenuSep4), L"-");
    AppendItem(popup_, Id(TrayItem::mnuExit), L"E&nde");
    SetChecked(TrayItem::mnuDesktopShow, true);
}

TrayMenu::~TrayMenu() {
    // Destroying the bar destroys the popup with it.
    if (bar_) DestroyMenu(bar_);
}

void TrayMenu::SetTopCaption(const std::wstring& text) {
    ModifyMenuW(bar_, 0, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup_), text.c_str());
}

std::wstring TrayMenu::TopCaption() const { return ItemText(bar_, 0, TRUE); }

void TrayMenu::SetCaption(TrayItem item, const std::wstring& text) {
    std::wstring caption = item == TrayItem::mnuHelp && text != L"-" ? text + kHelpShortcut : text;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING;
    info.fType = text == L"-" ? MFT_SEPARATOR : MFT_STRING;
    info.dwTypeData = caption.data();
    SetMenuItemInfoW(popup_, Id(item), FALSE, &info);
}

std::wstring TrayMenu::Caption(TrayItem item) const {
    if (IsSeparator(item)) return L"-";
    return ItemText(popup_, Id(item), FALSE);
}

bool TrayMenu::IsSeparator(TrayItem item) const {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    return GetMenuItemInfoW(popup_, Id(item), FALSE, &info) && (info.fType & MFT_SEPARATOR);
}

void TrayMenu::SetChecked(TrayItem item, bool checked) { SetItemChecked(popup_, Id(item), checked); }

bool TrayMenu::IsChecked(TrayItem item) const { return ItemState(popup_, Id(item)) & MFS_CHECKED; }

int TrayMenu::HighestDesktopIndex() const {
    int highest = 0;
    const int count = GetMenuItemCount(popup_);
    for (int position = 0; position < count; ++position) {
        if (auto desktop = DesktopOfCommand(GetMenuItemID(popup_, position))) highest = std::max(highest, *desktop);
    }
    return highest;
}

bool TrayMenu::HasDesktopEntry(int i) const {
    if (i < 0 || i >= kMaxDesktopEntries) return false;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    return GetMenuItemInfoW(popup_, DesktopCommand(i), FALSE, &info) != FALSE;
}

bool TrayMenu::AddDesktopEntry(int i) {
    if (i <= 0 || i >= kMaxDesktopEntries || HasDesktopEntry(i) || !HasDesktopEntry(i - 1)) return false;
    // The entries fill the top of the menu in index order: entry i sits at position i.
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    info.wID = DesktopCommand(i);
    info.fType = MFT_STRING;
    std::wstring caption = L"Goto Desktop " + std::to_wstring(i + 1);
    info.dwTypeData = caption.data();
    return InsertMenuItemW(popup_, static_cast<UINT>(i), TRUE, &info) != FALSE;
}

bool TrayMenu::RemoveDesktopEntry(int i) {
    if (i <= 0 || !HasDesktopEntry(i)) return false;
    return DeleteMenu(popup_, DesktopCommand(i), MF_BYCOMMAND) != FALSE;
}

void TrayMenu::SetDesktopCaption(int i, const std::wstring& text) {
    ModifyMenuW(popup_, DesktopCommand(i), MF_BYCOMMAND | MF_STRING | (IsDesktopChecked(i) ? MF_CHECKED : 0),
                DesktopCommand(i), text.c_str());
}

std::wstring TrayMenu::DesktopCaption(int i) const { return ItemText(popup_, DesktopCommand(i), FALSE); }

void TrayMenu::SetDesktopChecked(int i, bool checked) { SetItemChecked(popup_, DesktopCommand(i), checked); }

bool TrayMenu::IsDesktopChecked(int i) const { return ItemState(popup_, DesktopCommand(i)) & MFS_CHECKED; }

std::optional<int> TrayMenu::DesktopOfCommand(UINT command) {
    if (command < kFirstDesktopCommand || command >= kFirstDesktopCommand + kMaxDesktopEntries) return std::nullopt;
    return static_cast<int>(command - kFirstDesktopCommand);
}
