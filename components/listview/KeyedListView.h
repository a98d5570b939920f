#pragma once
// A report-style list view (the native SysListView32) whose entries are found by text
// keys and carry sub-item texts in numbered columns, column 0 being the entry's text.
#include <windows.h>

#include <string>
#include <vector>

class KeyedListView {
public:
    // Creates the list view as a child of parent with the control id.
    KeyedListView(HWND parent, int id);
    KeyedListView(const KeyedListView&) = delete;
    KeyedListView& operator=(const KeyedListView&) = delete;

    HWND Handle() const { return window_; }

    // Gives the columns these headers, adding the missing columns.
    void SetColumnHeaders(const std::vector<std::wstring>& headers);
    int ColumnCount() const;
    std::wstring ColumnHeader(int column) const;

    // Appends an entry; false when the key is taken or the list refuses it.
    bool Add(const std::wstring& key, const std::wstring& text);
    // Position of the entry of key; -1 when there is none.
    int IndexOfKey(const std::wstring& key) const;
    int Count() const { return static_cast<int>(keys_.size()); }
    void Clear();

    void SetText(int index, int column, const std::wstring& text);
    std::wstring Text(int index, int column) const;

    void Move(const RECT& area);

private:
    HWND window_ = nullptr;
    std::vector<std::wstring> keys_;  // in entry order
};
