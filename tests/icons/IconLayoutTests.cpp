// Layouts across two processes: the icons belong to the Explorer stand-in, the mirror and
// the layout files to this process.
#include "DesktopIconItems.h"
#include "DesktopWindows.h"
#include "IconIdentity.h"
#include "IconLayouts.h"
#include "IconTestSupport.h"
#include "StandInDesktop.h"

#include <gtest/gtest.h>
#include <commctrl.h>

namespace {

// What a switch does on entering a desktop: a full read, then that desktop's layout.
void EnterDesktop(IconMirror& mirror, int16_t desktop) {
    LocateDesktopWindows();
    ReadAllIconsInto(mirror);
    RestoreIconLayout(mirror, desktop);
}

std::string Ansi(const std::wstring& text) {
    std::string ansi;
    for (wchar_t c : text) ansi += static_cast<char>(c);
    return ansi;
}

std::string Id(const std::wstring& caption) { return Ansi(IconIdentity(caption)); }

::testing::AssertionResult IconAt(const StandInDesktop& desktop, int index, int x, int y) {
    POINT at = desktop.Position(index);
    if (SamePoint(at, Pt(x, y))) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "icon " << index << " is at " << at.x << ";" << at.y << ", not " << x
                                         << ";" << y;
}

}  // namespace

TEST(DesktopIconRead, FillsTheMirrorWithIdentitiesCaptionsImagesAndPositions) {
    IconPlaces places;
    StandInDesktop desktop({L"item:Alpha.txt@100,120", L"item:Beta.lnk@300,40"});
    ASSERT_TRUE(desktop.Started());
    IconMirror mirror;
    LocateDesktopWindows();
    EXPECT_EQ(TheDesktopViewWindows().desktopListView, desktop.ListView());
    EXPECT_EQ(TheDesktopViewWindows().desktopView, desktop.View());
    ReadAllIconsInto(mirror);
    ASSERT_EQ(mirror.Count(), 2u);
    const IconEntry& beta = mirror.At(1);
    EXPECT_EQ(beta.key, L"i1");
    EXPECT_EQ(beta.text, IconIdentity(L"Beta.lnk"));
    EXPECT_EQ(beta.tag, L"Beta.lnk");
    EXPECT_EQ(beta.tooltip, L"Beta.lnk");
    EXPECT_EQ(beta.realName, L"Beta.lnk");
    EXPECT_EQ(beta.iconIndex, L"20");
    EXPECT_EQ(beta.currentXY, L"300;40");
    EXPECT_EQ(mirror.At(0).currentXY, L"100;120");
    EXPECT_EQ(beta.restoreXY, L"");
}

TEST(DesktopIconRead, WithoutDesktopWindowsNothingChanges) {
    IconPlaces places;
    IconMirror mirror;
    IconEntry kept;
    kept.key = L"i0";
    kept.text = L"kept";
    kept.restoreXY = L"5;5";
    mirror.Add(kept);
    LocateDesktopWindows();
    EXPECT_EQ(DesktopIconCount(), 0);
    ReadAllIconsInto(mirror);
    ASSERT_EQ(mirror.Count(), 1u);
    EXPECT_EQ(mirror.At(0).text, L"kept");
    ApplyIconPositions(mirror, true);
    EXPECT_EQ(mirror.At(0).restoreXY, L"5;5");
}

TEST(IconLayoutSave, ThreeIconsGiveThreeRecordsAndALongerFileLosesItsExtraKeys) {
    IconPlaces places;
    const std::wstring file = places.LayoutFile(2);
    std::string previous = "[Settings]\r\n";
    for (int k = 1; k <= 5; ++k) previous += "Icon" + std::to_string(k) + "=1;0;0;0;3\r\nIconCaption" + std::to_string(k) + "=old\r\n";
    previous += "[Positions]\r\n";
    for (int k = 1; k <= 5; ++k) previous += "Icon" + std::to_string(k) + "=1;1\r\n";
    WriteRawFile(file, previous);

    StandInDesktop desktop({L"item:One.txt@20,30", L"item:Two.txt@220,30", L"item:Three.txt@420,130"});
    ASSERT_TRUE(desktop.Started());
    IconMirror mirror;
    EnterDesktop(mirror, 7);  // no layout file: the entries take their captions
    desktop.Move(1, Pt(250, 260));
    SaveIconLayout(mirror, 2);

    EXPECT_EQ(LayoutKeys(file, L"Settings"),
              (std::vector<std::wstring>{L"Icon1", L"IconCaption1", L"Icon2", L"IconCaption2", L"Icon3", L"IconCaption3"}));
    EXPECT_EQ(LayoutKeys(file, L"Positions"), (std::vector<std::wstring>{L"Icon1", L"Icon2", L"Icon3"}));
    EXPECT_EQ(LayoutValue(file, L"Settings", L"Icon1"), IconIdentity(L"One.txt") + L";0;0;0;0");
    EXPECT_EQ(LayoutValue(file, L"Settings", L"IconCaption3"), L"Three.txt");
    EXPECT_EQ(LayoutValue(file, L"Positions", L"Icon1"), L"20;30");
    EXPECT_EQ(LayoutValue(file, L"Positions", L"Icon2"), L"250;260");
    EXPECT_EQ(LayoutValue(file, L"Positions", L"Icon3"), L"420;130");
    EXPECT_EQ(mirror.At(1).restoreXY, L"250;260");
}

TEST(IconLayoutSave, AnEmptyMirrorLeavesTheFileAsItWas) {
    IconPlaces places;
    const std::wstring file = places.LayoutFile(1);
    WriteRawFile(file, "[Settings]\r\nIcon1=5;0;0;0;0\r\n");
    IconMirror mirror;
    SaveIconLayout(mirror, 1);
    EXPECT_EQ(LayoutValue(file, L"Settings", L"Icon1"), L"5;0;0;0;0");
}

TEST(IconLayoutRestore, PutsTheIconsBackWhereTheyWereWhenTheDesktopWasLeft) {
    IconPlaces places;
    StandInDesktop desktop({L"item:One.txt@20,30", L"item:Two.txt@220,30", L"item:Three.txt@420,130"});
    ASSERT_TRUE(desktop.Started());
    IconMirror mirror;
    EnterDesktop(mirror, 7);
    SaveIconLayout(mirror, 3);
    desktop.Move(0, Pt(500, 400));
    desktop.Move(2, Pt(10, 400));

    EnterDesktop(mirror, 3);
    EXPECT_TRUE(IconAt(desktop, 0, 20, 30));
    EXPECT_TRUE(IconAt(desktop, 1, 220, 30));
    EXPECT_TRUE(IconAt(desktop, 2, 420, 130));
    EXPECT_EQ(mirror.At(0).text, L"One.txt");
    EXPECT_EQ(mirror.At(0).mode, L"0");
}

TEST(IconLayoutRestore, ARecordWhoseCaptionIsGoneIsSkippedAndLaterRecordsApply) {
    IconPlaces places;
    WriteRawFile(places.LayoutFile(1), "[Settings]\r\nIcon1=" + Id(L"Gone.txt") + ";0;0;0;0\r\nIcon2=" +
                                           Id(L"Beta.txt") + ";0;0;0;0\r\n[Positions]\r\nIcon1=5;5\r\nIcon2=300;200\r\n");
    StandInDesktop desktop({L"item:Alpha.txt@40,40", L"item:Beta.txt@140,40"});
    ASSERT_TRUE(desktop.Started());
    IconMirror mirror;
    EnterDesktop(mirror, 1);
    EXPECT_TRUE(IconAt(desktop, 0, 40, 40));
    EXPECT_TRUE(IconAt(desktop, 1, 300, 200));
    EXPECT_EQ(mirror.At(0).mode, L"");
    EXPECT_EQ(mirror.At(0).text, L"Alpha.txt");
    EXPECT_EQ(mirror.At(1).mode, L"0");
}

TEST(IconLayoutRestore, TwoIconsWithTheSameCaptionTakeTheRecordsInMirrorOrder) {
    IconPlaces places;
    WriteRawFile(places.LayoutFile(1), "[Settings]\r\nIcon1=" + Id(L"Copy.txt") + ";1;0;0;0\r\nIcon2=" +
                                           Id(L"Copy.txt") + ";2;0;0;0\r\n[Positions]\r\nIcon1=400;300\r\nIcon2=500;310\r\n");
    StandInDesktop desktop({L"item:Copy.txt@10,10", L"item:Other.txt@110,10", L"item:Copy.txt@210,10"});
    ASSERT_TRUE(desktop.Started());
    IconMirror mirror;
    EnterDesktop(mirror, 1);
    EXPECT_TRUE(IconAt(desktop, 0, 400, 300));
    EXPECT_TRUE(IconAt(desktop, 1, 110, 10));
    EXPECT_TRUE(IconAt(desktop, 2, 500, 310));
    EXPECT_EQ(mirror.At(0).mode, L"1");
    EXPECT_EQ(mirror.At(2).mode, L"2");
}

TEST(IconLayoutRestore, AutoArrangeIsSwitchedOffBeforeThePositionsAreApplied) {
    IconPlaces places;
    WriteRawFile(places.LayoutFile(1), "[Settings]\r\nIcon1=" + Id(L"Alpha.txt") + ";0;0;0;0\r\nIcon2=" +
                                           Id(L"Beta.txt") + ";0;0;0;0\r\n[Positions]\r\nIcon1=333;222\r\nIcon2=444;111\r\n");
    StandInDesktop desktop({L"autoarrange", L"item:Alpha.txt", L"item:Beta.txt"});
    ASSERT_TRUE(desktop.Started());
    ASSERT_NE(desktop.ListViewStyle() & LVS_AUTOARRANGE, 0);
    IconMirror mirror;
    EnterDesktop(mirror, 1);
    EXPECT_EQ(desktop.MovesBeforeArrangeOff(), 0);
    EXPECT_EQ(desktop.ListViewStyle() & LVS_AUTOARRANGE, 0);
    EXPECT_TRUE(IconAt(desktop, 0, 333, 222));
    EXPECT_TRUE(IconAt(desktop, 1, 444, 111));
}

TEST(IconLayoutRestore, CaptionStateMinusOneEmptiesTheTagZeroKeepsItAndALengthReadsTheSavedCaption) {
    IconPlaces places;
    WriteRawFile(places.LayoutFile(1), "[Settings]\r\nIcon1=" + Id(L"A.txt") + ";1;2;3;-1\r\nIconCaption1=ignored\r\n" +
                                           "Icon2=" + Id(L"B.txt") + ";0;0;0;0\r\nIconCaption2=ignored too\r\n" +
                                           "Icon3=" + Id(L"C.txt") + ";0;0;0;5\r\nIconCaption3=Saved\r\n");
    StandInDesktop desktop({L"item:A.txt@10,10", L"item:B.txt@110,10", L"item:C.txt@210,10"});
    ASSERT_TRUE(desktop.Started());
    IconMirror mirror;
    EnterDesktop(mirror, 1);
    EXPECT_EQ(mirror.At(0).tag, L"");
    EXPECT_EQ(mirror.At(0).text, L"A.txt");
    EXPECT_EQ(mirror.At(0).mode, L"1");
    EXPECT_EQ(mirror.At(0).fColor, L"2");
    EXPECT_EQ(mirror.At(0).bColor, L"3");
    EXPECT_EQ(mirror.At(1).tag, L"B.txt");
    EXPECT_EQ(mirror.At(2).tag, L"Saved");
    // A record without a position leaves its icon where it is.
    EXPECT_TRUE(IconAt(desktop, 2, 210, 10));
}

TEST(IconLayoutRestore, MalformedRecordsRestoreWhatTheyCan) {
    IconPlaces places;
    const std::string overlong(600, 'L');
    WriteRawFile(places.LayoutFile(1),
                 "[Settings]\r\n"
                 "this line has no equals sign\r\n"
                 "Icon1=garbage without separators\r\n"
                 "Icon2=" + Id(L"A.txt") + "\r\n"
                 "Icon3=" + Id(L"B.txt") + ";abc;;\r\n"
                 "Icon4=" + Id(L"C.txt") + ";7;8;9;3\r\nIconCaption4=" + overlong + "\r\n"
                 "Icon5=" + Id(L"D.txt") + ";1;1;1;zz\r\n"
                 "[Positions]\r\n"
                 "Icon2=x;y\r\n"
                 "Icon3=120;130\r\n"
                 "Icon4=140\r\n"
                 "Icon5=99999999999999;5\r\n");
    StandInDesktop desktop({L"item:A.txt@10,10", L"item:B.txt@110,10", L"item:C.txt@210,10", L"item:D.txt@310,10"});
    ASSERT_TRUE(desktop.Started());
    IconMirror mirror;
    EnterDesktop(mirror, 1);
    EXPECT_TRUE(IconAt(desktop, 0, 10, 10));
    EXPECT_TRUE(IconAt(desktop, 1, 120, 130));
    EXPECT_TRUE(IconAt(desktop, 2, 210, 10));
    EXPECT_TRUE(IconAt(desktop, 3, 310, 10));
    EXPECT_EQ(mirror.At(0).mode, L"0");
    EXPECT_EQ(mirror.At(0).tag, L"A.txt");
    EXPECT_EQ(mirror.At(1).mode, L"0");
    EXPECT_EQ(mirror.At(2).mode, L"7");
    EXPECT_EQ(mirror.At(2).tag, std::wstring(274, L'L'));
    EXPECT_EQ(mirror.At(3).mode, L"1");
    EXPECT_EQ(mirror.At(3).tag, L"D.txt");
}
