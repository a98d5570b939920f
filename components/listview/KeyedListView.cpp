#include "KeyedListView.h"

#include <commctrl.h>

#include <algorithm>

KeyedListView::KeyedListView(HWND parent, int id) {
    window_ = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0,
                              100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
}

void KeyedListView::SetColumnHeaders(const std::vector<std::wstring>& headers) {
    for (int column = 0; column < static_cast<int>(headers.size()); ++column) {
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.pszText = const_cast<wchar_t*>(headers[column].c_str());
        info.cx = 100;
        if (column < ColumnCount())
            SendMessageW(window_, LVM_SETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
        else
            SendMessageW(window_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    }
}

int KeyedListView::ColumnCount() const {
    HWND header = reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::wstring KeyedListView::ColumnHeader(int column) const {
    wchar_t text[260] = {};
    LVCOLUMNW info = {};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = 260;
    if (!SendMessageW(window_, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info))) return {};
    return text;
}

bool KeyedListView::Add(const std::wstring& key, const std::wstring& text) {
    if (IndexOfKey(key) >= 0) return false;
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = Count();
    item.pszText = const_cast<wchar_t*>(text.c_str());
    if (SendMessageW(window_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) < 0) return false;
    keys_.push_back(key);
    return true;
}

int KeyedListView::IndexOfKey(const std::wstring& key) const {
    auto found = std::find(keys_.begin(), keys_.end(), key);
    return found == keys_.end() ? -1 : static_cast<int>(found - keys_.begin());
}

void KeyedListView::Clear() {
    SendMessageW(window_, LVM_DELETEALLITEMS, 0, 0);
    keys_.clear();
}

void KeyedListView::SetText(int index, int column, const std::wstring& text) {
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(window_, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
}

std::wstring KeyedListView::Text(int index, int column) const {
    std::wstring text(1024, L'\0');
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    text.resize(static_cast<size_t>(SendMessageW(window_, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item))));
    return text;
}

void KeyedListView::Move(const RECT& area) {
    MoveWindow(window_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}
