#pragma once
// The icon mirror lvDtop: the program's copy of the desktop icons, an ordered list of
// keyed entries with a text, a tag, a tooltip and eight sub-item texts. It keeps its
// entries itself and, once a native list view ("SysListView32") is attached, shows them
// there in nine report columns, row for row in mirror order.
#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct IconEntry {
    std::wstring key;        // "i" + the icon's index in the desktop list view
    std::wstring text;       // column 1: caption, or the identity right after a full read
    std::wstring tag;        // the caption the layout keeps
    std::wstring tooltip;    // the caption at the time of the full read
    std::wstring mode;       // columns 2..4: numbers kept for the icon
    std::wstring fColor;
    std::wstring bColor;
    std::wstring display;    // column 5: not used
    std::wstring iconIndex;  // column 6: image index
    std::wstring currentXY;  // column 7: "x;y" as read last
    std::wstring restoreXY;  // column 8: "x;y" to apply
    std::wstring realName;   // column 9: caption read from the desktop
};

class IconMirror {
public:
    static constexpr int kColumnCount = 9;
    using ColumnHeaders = std::array<std::wstring, kColumnCount>;

    IconMirror() = default;
    IconMirror(const IconMirror&) = delete;
    IconMirror& operator=(const IconMirror&) = delete;

    // Shows the mirror in listView (report view, nine columns with these header texts);
    // the list view's own sorting is switched off, the mirror decides the order.
    void AttachView(HWND listView, const ColumnHeaders& headers);
    void DetachView() { view_ = nullptr; }
    HWND View() const { return view_; }

    size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const IconEntry& At(size_t position) const { return entries_.at(position); }
    const std::vector<IconEntry>& Entries() const { return entries_; }

    std::optional<size_t> FindKey(std::wstring_view key) const;
    // The first entry at or after start whose text equals text, ignoring letter case.
    std::optional<size_t> FindText(std::wstring_view text, size_t start = 0) const;

    // Appends the entry (while sorted: puts it in its sorted place); returns its position.
    size_t Add(IconEntry entry);
    void Remove(size_t position);
    void Clear();

    // Changes one entry in place and shows the change.
    template <typename Change>
    void Modify(size_t position, Change&& change) {
        change(entries_.at(position));
        ShowEntry(position);
    }

    // Sorting by text (ascending, ignoring case); switching it on sorts the entries at once.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);

    // The selected entry of the attached list view; none while windowless.
    std::optional<size_t> Selected() const;
    void EnsureVisible(size_t position) const;

private:
    void InsertRow(size_t position) const;
    void ShowEntry(size_t position) const;
    void ShowAll() const;

    std::vector<IconEntry> entries_;
    bool sorted_ = false;
    HWND view_ = nullptr;
};

// Column texts of an entry: 0 = text, 1..8 = Mode … RealName.
const std::wstring& ColumnText(const IconEntry& entry, int column);
