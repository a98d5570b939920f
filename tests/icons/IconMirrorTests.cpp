#include "IconMirror.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

namespace {

IconEntry Entry(const std::wstring& key, const std::wstring& text) {
    IconEntry entry;
    entry.key = key;
    entry.text = text;
    entry.tag = text;
    return entry;
}

std::wstring CellText(HWND view, int row, int column) {
    wchar_t buffer[256] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 256;
    SendMessageW(view, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

struct ListViewWindow {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    HWND view = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT | LVS_SORTASCENDING, 0, 0, 400, 300,
                                parent, nullptr, nullptr, nullptr);
    ~ListViewWindow() { DestroyWindow(parent); }
};

IconMirror::ColumnHeaders Headers() {
    return {L"Icon Beschriftung", L"Mode", L"fColor", L"bColor", L"Display", L"IconIndex", L"CurrentXY", L"RestoreXY",
            L"RealName"};
}

}  // namespace

TEST(IconMirror, FindsEntriesByKeyAndByTextIgnoringCaseFromAStart) {
    IconMirror mirror;
    mirror.Add(Entry(L"i0", L"Copy.txt"));
    mirror.Add(Entry(L"i1", L"Other.txt"));
    mirror.Add(Entry(L"i2", L"copy.TXT"));
    EXPECT_EQ(mirror.FindKey(L"i1"), 1u);
    EXPECT_FALSE(mirror.FindKey(L"i3"));
    EXPECT_EQ(mirror.FindText(L"COPY.txt"), 0u);
    EXPECT_EQ(mirror.FindText(L"copy.txt", 1), 2u);
    EXPECT_FALSE(mirror.FindText(L"copy.txt", 3));
    EXPECT_FALSE(mirror.FindText(L"copy"));
}

TEST(IconMirror, KeepsAddingOrderUntilSortedThenSortsByText) {
    IconMirror mirror;
    mirror.Add(Entry(L"i0", L"b"));
    mirror.Add(Entry(L"i1", L"C"));
    mirror.Add(Entry(L"i2", L"a"));
    EXPECT_EQ(mirror.At(0).key, L"i0");
    mirror.SetSorted(true);
    EXPECT_EQ(mirror.At(0).text, L"a");
    EXPECT_EQ(mirror.At(1).text, L"b");
    EXPECT_EQ(mirror.At(2).text, L"C");
    EXPECT_EQ(mirror.Add(Entry(L"i3", L"B2")), 2u);
    mirror.Remove(0);
    EXPECT_EQ(mirror.Count(), 3u);
    EXPECT_EQ(mirror.At(0).text, L"b");
}

TEST(IconMirror, ShowsItsEntriesInTheNineColumnsOfAnAttachedListView) {
    ListViewWindow window;
    IconMirror mirror;
    mirror.Add(Entry(L"i0", L"first"));
    mirror.AttachView(window.view, Headers());
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(window.view)), 9);
    EXPECT_EQ(GetWindowLongPtrW(window.view, GWL_STYLE) & (LVS_SORTASCENDING | LVS_SORTDESCENDING), 0);

    mirror.Add(Entry(L"i1", L"second"));
    mirror.Modify(1, [](IconEntry& entry) {
        entry.mode = L"4";
        entry.currentXY = L"10;20";
        entry.realName = L"second.txt";
    });
    ASSERT_EQ(ListView_GetItemCount(window.view), 2);
    EXPECT_EQ(CellText(window.view, 0, 0), L"first");
    EXPECT_EQ(CellText(window.view, 1, 0), L"second");
    EXPECT_EQ(CellText(window.view, 1, 1), L"4");
    EXPECT_EQ(CellText(window.view, 1, 6), L"10;20");
    EXPECT_EQ(CellText(window.view, 1, 8), L"second.txt");

    mirror.Remove(0);
    ASSERT_EQ(ListView_GetItemCount(window.view), 1);
    EXPECT_EQ(CellText(window.view, 0, 0), L"second");
    EXPECT_FALSE(mirror.Selected());
    ListView_SetItemState(window.view, 0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(mirror.Selected(), 0u);
    mirror.Clear();
    EXPECT_EQ(ListView_GetItemCount(window.view), 0);
}
