#include "IconMirror.h"

#include <commctrl.h>

#include <algorithm>

namespace {

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

bool TextBefore(const IconEntry& a, const IconEntry& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.text.data(), static_cast<int>(a.text.size()),
                          b.text.data(), static_cast<int>(b.text.size())) == CSTR_LESS_THAN;
}

void SetCellText(HWND view, size_t row, int column, const std::wstring& text) {
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(view, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

const std::wstring& ColumnText(const IconEntry& entry, int column) {
    switch (column) {
    case 1: return entry.mode;
    case 2: return entry.fColor;
    case 3: return entry.bColor;
    case 4: return entry.display;
    case 5: return entry.iconIndex;
    case 6: return entry.currentXY;
    case 7: return entry.restoreXY;
    case 8: return entry.realName;
    default: return entry.text;
    }
}

void IconMirror::AttachView(HWND listView, const ColumnHeaders& headers) {
    view_ = listView;
    if (!view_) return;
    LONG_PTR style = GetWindowLongPtrW(view_, GWL_STYLE);
    style = (style & ~(LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING)) | LVS_REPORT;
    SetWindowLongPtrW(view_, GWL_STYLE, style);
    while (SendMessageW(view_, LVM_DELETECOLUMN, 0, 0)) {
    }
    for (int column = 0; column < kColumnCount; ++column) {
        LVCOLUMNW header = {};
        header.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        header.cx = 100;
        header.iSubItem = column;
        header.pszText = const_cast<wchar_t*>(headers[column].c_str());
        SendMessageW(view_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
    }
    ShowAll();
}

std::optional<size_t> IconMirror::FindKey(std::wstring_view key) const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].key == key) return i;
    return std::nullopt;
}

std::optional<size_t> IconMirror::FindText(std::wstring_view text, size_t start) const {
    for (size_t i = start; i < entries_.size(); ++i)
        if (SameTextIgnoringCase(entries_[i].text, text)) return i;
    return std::nullopt;
}

size_t IconMirror::Add(IconEntry entry) {
    auto place = sorted_ ? std::upper_bound(entries_.begin(), entries_.end(), entry, TextBefore) : entries_.end();
    size_t position = static_cast<size_t>(place - entries_.begin());
    entries_.insert(place, std::move(entry));
    InsertRow(position);
    return position;
}

void IconMirror::Remove(size_t position) {
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position));
    if (view_) SendMessageW(view_, LVM_DELETEITEM, position, 0);
}

void IconMirror::Clear() {
    entries_.clear();
    if (view_) SendMessageW(view_, LVM_DELETEALLITEMS, 0, 0);
}

void IconMirror::SetSorted(bool sorted) {
    if (sorted && !sorted_) {
        std::stable_sort(entries_.begin(), entries_.end(), TextBefore);
        ShowAll();
    }
    sorted_ = sorted;
}

std::optional<size_t> IconMirror::Selected() const {
    if (!view_) return std::nullopt;
    LRESULT row = SendMessageW(view_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (row < 0 || static_cast<size_t>(row) >= entries_.size()) return std::nullopt;
    return static_cast<size_t>(row);
}

void IconMirror::EnsureVisible(size_t position) const {
    if (view_) SendMessageW(view_, LVM_ENSUREVISIBLE, position, FALSE);
}

void IconMirror::InsertRow(size_t position) const {
    if (!view_) return;
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(position);
    item.pszText = const_cast<wchar_t*>(entries_[position].text.c_str());
    SendMessageW(view_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    ShowEntry(position);
}

void IconMirror::ShowEntry(size_t position) const {
    if (!view_) return;
    for (int column = 0; column < kColumnCount; ++column)
        SetCellText(view_, position, column, ColumnText(entries_[position], column));
}

void IconMirror::ShowAll() const {
    if (!view_) return;
    SendMessageW(view_, LVM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < entries_.size(); ++i) InsertRow(i);
}
