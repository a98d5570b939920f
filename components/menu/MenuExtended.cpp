#include "MenuExtended.h"

#include "MenuStyleDialog.h"
#include "ScopedHandle.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr UINT_PTR kSubclassId = 0x4D58;  // "MX"
constexpr wchar_t kStyleKey[] = L"Software\\Hexaplane\\MenuExtended";
constexpr int kTextGap = 6;
constexpr int kMargin = 3;

NONCLIENTMETRICSW MenuMetrics() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics;
}

// Text before and after the first tab: the caption and its shortcut ("Hilfe\tF1").
std::pair<std::wstring, std::wstring> SplitShortcut(const std::wstring& text) {
    size_t tab = text.find(L'\t');
    if (tab == std::wstring::npos) return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

MenuStyle ReadStyle(const std::wstring& programPath) {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kStyleKey, programPath.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return MenuStyle::Flat;
    return value == 0 ? MenuStyle::Classic : MenuStyle::Flat;
}

void WriteStyle(const std::wstring& programPath, MenuStyle style) {
    DWORD value = static_cast<DWORD>(style);
    RegSetKeyValueW(HKEY_CURRENT_USER, kStyleKey, programPath.c_str(), REG_DWORD, &value, sizeof value);
}

}  // namespace

MenuExtended::~MenuExtended() {
    if (window_) Detach(window_, images_, events_);
}

bool MenuExtended::Attach(HWND window, const std::wstring& programPath, const KeyedImageList* images, int,
                          MenuEventSink* events) {
    if (window_) Detach(window_, images_, events_);
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
    window_ = window;
    programPath_ = programPath;
    images_ = images;
    events_ = events;
    style_ = ReadStyle(programPath_);
    return true;
}

void MenuExtended::Detach(HWND window, const KeyedImageList*, MenuEventSink*) {
    if (!window_ || window != window_) return;
    RemoveWindowSubclass(window_, SubclassProc, kSubclassId);
    window_ = nullptr;
    images_ = nullptr;
    events_ = nullptr;
}

void MenuExtended::SetStyle(MenuStyle style) {
    style_ = style;
    if (!programPath_.empty()) WriteStyle(programPath_, style);
}

bool MenuExtended::StyleDialog(HWND window) {
    MenuStyle chosen = style_;
    if (!ShowMenuStyleDialog(window, chosen)) return false;
    SetStyle(chosen);
    return true;
}

UINT MenuExtended::Popup(HWND owner, HMENU menu, double x, double y) {
    POINT at = {static_cast<LONG>(x), static_cast<LONG>(y)};
    if (x < 0 || y < 0) GetCursorPos(&at);
    if (window_ == owner) MakeOwnerDrawn(menu);
    UINT command = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, at.x, at.y, owner, nullptr));
    RestoreCaptions();
    // Lets the menu of a background window close properly when the user clicks elsewhere.
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command != 0) SendMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return command;
}

void MenuExtended::MakeOwnerDrawn(HMENU menu) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 512;
        if (!GetMenuItemInfoW(menu, i, TRUE, &info)) continue;
        if (info.hSubMenu) MakeOwnerDrawn(info.hSubMenu);
        if (info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)) continue;

        drawn_.push_back({menu, static_cast<UINT>(i), info.fType, text, ParseMenuCaption(text)});
        MENUITEMINFOW drawn = {};
        drawn.cbSize = sizeof drawn;
        drawn.fMask = MIIM_FTYPE | MIIM_DATA;
        drawn.fType = info.fType | MFT_OWNERDRAW;
        drawn.dwItemData = drawn_.size();  // 1-based index into drawn_
        SetMenuItemInfoW(menu, i, TRUE, &drawn);
    }
}

void MenuExtended::RestoreCaptions() {
    for (DrawnItem& item : drawn_) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
        info.fType = item.originalType;
        info.dwTypeData = item.caption.data();
        info.dwItemData = 0;
        SetMenuItemInfoW(item.menu, item.position, TRUE, &info);
    }
    drawn_.clear();
}

const MenuExtended::DrawnItem* MenuExtended::Find(ULONG_PTR data) const {
    if (data == 0 || data > drawn_.size()) return nullptr;
    return &drawn_[data - 1];
}

void MenuExtended::Measure(MEASUREITEMSTRUCT& item) const {
    const DrawnItem* drawn = Find(item.itemData);
    if (!drawn) return;
    NONCLIENTMETRICSW metrics = MenuMetrics();
    GdiObject font(CreateFontIndirectW(&metrics.lfMenuFont));
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, font.Get());
    auto [text, shortcut] = SplitShortcut(drawn->parsed.text);
    RECT textRect = {}, shortcutRect = {};
    DrawTextW(dc, text.c_str(), -1, &textRect, DT_SINGLELINE | DT_CALCRECT);
    if (!shortcut.empty()) DrawTextW(dc, shortcut.c_str(), -1, &shortcutRect, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);

    int imageWidth = images_ ? images_->Width() : 16;
    int imageHeight = images_ ? images_->Height() : 16;
    item.itemWidth = kMargin + imageWidth + kTextGap * 2 + textRect.right + (shortcut.empty() ? 0 : 24 + shortcutRect.right);
    item.itemHeight = std::max<UINT>(imageHeight + 2 * kMargin, textRect.bottom + 2 * kMargin);
}

void MenuExtended::Draw(const DRAWITEMSTRUCT& item) const {
    const DrawnItem* drawn = Find(item.itemData);
    if (!drawn) return;
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const bool selected = item.itemState & ODS_SELECTED;
    const bool grayed = item.itemState & (ODS_GRAYED | ODS_DISABLED);
    const bool checked = item.itemState & ODS_CHECKED;
    const int imageWidth = images_ ? images_->Width() : 16;
    const int imageHeight = images_ ? images_->Height() : 16;
    RECT column = {area.left, area.top, area.left + imageWidth + 2 * kMargin, area.bottom};

    if (style_ == MenuStyle::Flat) {
        FillRect(dc, &area, GetSysColorBrush(COLOR_MENU));
        FillRect(dc, &column, GetSysColorBrush(COLOR_3DFACE));
        if (selected && !grayed) {
            RECT band = area;
            InflateRect(&band, -1, 0);
            FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
            FrameRect(dc, &band, GetSysColorBrush(COLOR_3DDKSHADOW));
        }
    } else {
        FillRect(dc, &area, GetSysColorBrush(selected && !grayed ? COLOR_HIGHLIGHT : COLOR_MENU));
    }

    int imageTop = area.top + (area.bottom - area.top - imageHeight) / 2;
    bool drewImage = images_ && !drawn->parsed.imageKey.empty() &&
                     images_->Draw(drawn->parsed.imageKey, dc, area.left + kMargin, imageTop);
    if (checked) {
        RECT mark = {area.left + kMargin, imageTop, area.left + kMargin + imageWidth, imageTop + imageHeight};
        if (drewImage) {
            InflateRect(&mark, 1, 1);
            FrameRect(dc, &mark, GetSysColorBrush(COLOR_MENUTEXT));
        } else {
            DrawFrameControl(dc, &mark, DFC_MENU, DFCS_MENUCHECK | DFCS_TRANSPARENT);
        }
    }

    NONCLIENTMETRICSW metrics = MenuMetrics();
    GdiObject font(CreateFontIndirectW(&metrics.lfMenuFont));
    HGDIOBJ old = SelectObject(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    auto [text, shortcut] = SplitShortcut(drawn->parsed.text);
    RECT textArea = {column.right + kTextGap, area.top, area.right - kTextGap, area.bottom};
    UINT flags = DT_SINGLELINE | DT_VCENTER | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    DrawTextW(dc, text.c_str(), -1, &textArea, flags | DT_LEFT);
    if (!shortcut.empty()) DrawTextW(dc, shortcut.c_str(), -1, &textArea, flags | DT_RIGHT);
    SelectObject(dc, old);
}

void MenuExtended::ReportMenuHelp(HMENU menu, UINT item, UINT flags) {
    if (!events_ || !menu || (flags & MF_SEPARATOR) || flags == 0xFFFF) return;
    MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_STATE;
    if (!GetMenuItemInfoW(menu, item, (flags & MF_POPUP) != 0, &info)) return;
    const DrawnItem* drawn = Find(info.dwItemData);
    std::wstring text = drawn ? drawn->parsed.text : std::wstring();
    events_->MenuHelp(text, std::wstring(), (info.fState & MFS_DISABLED) == 0);
}

LRESULT CALLBACK MenuExtended::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data) {
    auto self = reinterpret_cast<MenuExtended*>(data);
    switch (message) {
    case WM_MEASUREITEM: {
        auto item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (wParam == 0 && item->CtlType == ODT_MENU && self->Find(item->itemData)) {
            self->Measure(*item);
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        auto item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (wParam == 0 && item->CtlType == ODT_MENU && self->Find(item->itemData)) {
            self->Draw(*item);
            return TRUE;
        }
        break;
    }
    case WM_MENUSELECT: self->ReportMenuHelp(reinterpret_cast<HMENU>(lParam), LOWORD(wParam), HIWORD(wParam)); break;
    case WM_NCDESTROY: self->Detach(window, nullptr, nullptr); break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
