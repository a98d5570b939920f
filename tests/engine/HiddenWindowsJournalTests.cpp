#include "HiddenWindowsJournal.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

namespace {

HWND FakeHandle(uintptr_t n) { return reinterpret_cast<HWND>(n); }

TEST(HiddenWindowsJournal, ListsEveryDesktopButTheShownOneAndReadsBack) {
    DesktopModel model;
    const std::wstring awkward = L"Tab\there \\ back\r\nline \x65e5\x672c";
    model.RecordLeftDesktop(0, {{FakeHandle(0x1A2B), 300, L"Shown desktop"}});
    model.RecordLeftDesktop(2, {{FakeHandle(0x10), 41, L"Mail"}, {FakeHandle(0xFFFF0), 42, awkward}});
    model.RecordLeftDesktop(1023, {{FakeHandle(0x20), 43, L""}});

    auto journal = ParseHiddenWindowsJournal(FormatHiddenWindowsJournal(model, 0));
    ASSERT_TRUE(journal.has_value());
    EXPECT_EQ(journal->shownDesktop, 0);
    ASSERT_EQ(journal->windows.size(), 3u);
    EXPECT_EQ(journal->windows[0].desktop, 2);
    EXPECT_EQ(journal->windows[0].slot, 0);
    EXPECT_EQ(journal->windows[0].window.hwnd, FakeHandle(0x10));
    EXPECT_EQ(journal->windows[0].window.processId, 41u);
    EXPECT_EQ(journal->windows[0].window.caption, L"Mail");
    EXPECT_EQ(journal->windows[1].slot, 1);
    EXPECT_EQ(journal->windows[1].window.hwnd, FakeHandle(0xFFFF0));
    EXPECT_EQ(journal->windows[1].window.caption, awkward);
    EXPECT_EQ(journal->windows[2].desktop, 1023);

    auto everything = ParseHiddenWindowsJournal(FormatHiddenWindowsJournal(model, -1));
    ASSERT_TRUE(everything.has_value());
    EXPECT_EQ(everything->windows.size(), 4u);
}

TEST(HiddenWindowsJournal, OneLinePerWindowWhateverTheCaption) {
    DesktopModel model;
    model.RecordLeftDesktop(1, {{FakeHandle(0xAB), 5, L"a\r\nb\tc"}});
    std::string text = FormatHiddenWindowsJournal(model, 0);
    EXPECT_EQ(text, "Hexaplane hidden windows 1\r\nshown\t0\r\nwindow\t1\t0\tab\t5\ta\\r\\nb\\tc\r\n");
}

TEST(HiddenWindowsJournal, TextThatIsNoJournalGivesNothing) {
    EXPECT_FALSE(ParseHiddenWindowsJournal("").has_value());
    EXPECT_FALSE(ParseHiddenWindowsJournal("window\t1\t0\tab\t5\tx\r\n").has_value());
    auto damaged = ParseHiddenWindowsJournal("Hexaplane hidden windows 1\r\nwindow\tx\t0\tab\t5\tx\r\nwindow\t1\t0\tab\t5\tok");
    ASSERT_TRUE(damaged.has_value());
    ASSERT_EQ(damaged->windows.size(), 1u) << "a damaged line is skipped, a cut-off last line still counts";
    EXPECT_EQ(damaged->windows[0].window.caption, L"ok");
}

TEST(HiddenWindowsJournal, IsReplacedAsAWholeInTheStoreRoot) {
    TempFolder root;
    DesktopModel model;
    model.RecordLeftDesktop(1, {{FakeHandle(1), 1, L"First"}, {FakeHandle(2), 1, L"Second"}});
    WriteHiddenWindowsJournal(root.Path(), model, 0);
    model.RecordLeftDesktop(1, {{FakeHandle(3), 1, L"Third"}});
    WriteHiddenWindowsJournal(root.Path(), model, 0);

    auto journal = ReadHiddenWindowsJournal(root.Path());
    ASSERT_TRUE(journal.has_value());
    ASSERT_EQ(journal->windows.size(), 1u);
    EXPECT_EQ(journal->windows[0].window.caption, L"Third");
    EXPECT_EQ(FileSizeOf(root.Path() + L"HiddenWindows.tmp"), -1);
}

}  // namespace
