// The icon hook's reports, the rebuild timer and the rebuild of the mirror, with the hook
// library loaded into the Explorer stand-in's process.
#include "DesktopHookProtocol.h"
#include "DesktopWindows.h"
#include "IconLayouts.h"
#include "IconTestSupport.h"
#include "MessageBoxRecorder.h"
#include "StandInDesktop.h"

#include <gtest/gtest.h>

namespace {

class HookedDesktop : public ::testing::Test {
protected:
    void StartWith(const std::vector<std::wstring>& items) {
        desktop_ = std::make_unique<StandInDesktop>(items);
        ASSERT_TRUE(desktop_->Started());
        ASSERT_FALSE(Tweaking().SetupIconTweaking());
        ASSERT_NE(Tweaking().tweakMessage(), 0u);
        EXPECT_TRUE(boxes_.Shown().empty());
    }
    void TearDown() override { Tweaking().ReleaseIconTweaking(); }
    DesktopIconTweaking& Tweaking() { return form_.Tweaking(); }
    IconMirror& Mirror() { return form_.Mirror(); }
    RecordingTimer& Timer() { return form_.Timer(); }
    StandInDesktop& Desktop() { return *desktop_; }

    MessageBoxRecorder boxes_;
    IconPlaces places_;
    MainFormIcons form_;
    std::unique_ptr<StandInDesktop> desktop_;
};

}  // namespace

TEST_F(HookedDesktop, SetUpBuildsTheMirrorFromTheDesktop) {
    StartWith({L"item:Alpha.txt@30,30", L"item:Beta.txt@130,30"});
    ASSERT_EQ(Mirror().Count(), 2u);
    EXPECT_EQ(Mirror().At(0).key, L"i0");
    EXPECT_EQ(Mirror().At(0).text, L"Alpha.txt");
    EXPECT_EQ(Mirror().At(1).tag, L"Beta.txt");
    EXPECT_EQ(Mirror().At(1).iconIndex, L"20");
    EXPECT_EQ(Mirror().At(1).currentXY, L"130;30");
    EXPECT_EQ(Tweaking().RebuildsRun(), 1);
    EXPECT_FALSE(Tweaking().rebuildBusy());
    EXPECT_TRUE(IsWindowVisible(Desktop().View()));
}

TEST_F(HookedDesktop, TenInsertsInABurstGiveOneRebuildAfterTheLastThatAddsTenEntries) {
    StartWith({L"item:Alpha.txt@30,30"});
    const int rebuilds = Tweaking().RebuildsRun();
    const int starts = Timer().Starts();
    for (int n = 1; n <= 10; ++n) ASSERT_GE(Desktop().Add(L"New " + std::to_wstring(n) + L".txt"), 0);

    // Each insert report restarted the timer; nothing was rebuilt yet.
    EXPECT_EQ(Timer().Starts() - starts, 10);
    EXPECT_EQ(Timer().Interval(), DesktopIconTweaking::kRebuildDelay);
    EXPECT_EQ(Tweaking().RebuildsRun(), rebuilds);
    EXPECT_EQ(Mirror().Count(), 1u);

    Tweaking().tmrRebuild_Timer();
    EXPECT_EQ(Tweaking().RebuildsRun(), rebuilds + 1);
    EXPECT_EQ(Timer().Interval(), 0u);
    ASSERT_EQ(Mirror().Count(), 11u);
    for (int n = 1; n <= 10; ++n) {
        std::optional<size_t> entry = Mirror().FindText(L"New " + std::to_wstring(n) + L".txt");
        ASSERT_TRUE(entry) << n;
        EXPECT_EQ(Mirror().At(*entry).key, L"i" + std::to_wstring(n));
    }
}

TEST_F(HookedDesktop, DeletingAnIconRemovesExactlyItsEntryAndTheOthersKeepTheirRestorePositions) {
    StartWith({L"item:One.txt@20,20", L"item:Two.txt@120,20", L"item:Three.txt@220,20"});
    SaveIconLayout(Mirror(), 4);
    Desktop().Move(0, Pt(25, 300));  // moved since the layout was saved
    ASSERT_TRUE(Desktop().Delete(1));
    EXPECT_EQ(Timer().Interval(), DesktopIconTweaking::kRebuildDelay);

    Tweaking().tmrRebuild_Timer();
    ASSERT_EQ(Mirror().Count(), 2u);
    EXPECT_FALSE(Mirror().FindText(L"Two.txt"));
    const IconEntry& one = Mirror().At(*Mirror().FindText(L"One.txt"));
    const IconEntry& three = Mirror().At(*Mirror().FindText(L"Three.txt"));
    EXPECT_EQ(one.restoreXY, L"20;20");
    EXPECT_EQ(one.currentXY, L"25;300");
    EXPECT_EQ(three.restoreXY, L"220;20");
    EXPECT_EQ(three.key, L"i1");
}

TEST_F(HookedDesktop, TwoIconsWithTheSameCaptionGetEntriesWithTheirOwnKeys) {
    StartWith({L"item:Copy.txt@20,20"});
    ASSERT_EQ(Desktop().Add(L"Copy.txt@200,20"), 1);
    Tweaking().tmrRebuild_Timer();
    ASSERT_EQ(Mirror().Count(), 2u);
    EXPECT_EQ(Mirror().At(0).key, L"i0");
    EXPECT_EQ(Mirror().At(1).key, L"i1");
    EXPECT_EQ(Mirror().At(1).text, L"Copy.txt");
    EXPECT_EQ(Mirror().At(1).currentXY, L"200;20");
}

TEST_F(HookedDesktop, WhileADialogOfTheDesktopIsOpenTheTimerRetriesAndTheMirrorStays) {
    StartWith({L"item:Alpha.txt@30,30"});
    ASSERT_NE(Desktop().OpenDialog(), nullptr);
    EXPECT_TRUE(IsDesktopDialogOpen());
    ASSERT_GE(Desktop().Add(L"Beta.txt"), 0);
    const int rebuilds = Tweaking().RebuildsRun();
    const int starts = Timer().Starts();

    Tweaking().tmrRebuild_Timer();
    Tweaking().tmrRebuild_Timer();
    EXPECT_EQ(Timer().Starts() - starts, 2);
    EXPECT_EQ(Timer().Interval(), DesktopIconTweaking::kRebuildDelay);
    EXPECT_EQ(Tweaking().RebuildsRun(), rebuilds);
    EXPECT_EQ(Mirror().Count(), 1u);

    Desktop().CloseDialog();
    EXPECT_FALSE(IsDesktopDialogOpen());
    Tweaking().tmrRebuild_Timer();
    EXPECT_EQ(Tweaking().RebuildsRun(), rebuilds + 1);
    EXPECT_EQ(Mirror().Count(), 2u);
    EXPECT_EQ(Timer().Interval(), 0u);
}

TEST_F(HookedDesktop, ACaptionReportRenamesTheEntryAndTheNextDrawingGivesItsImage) {
    StartWith({L"item:Alpha.txt@30,30", L"item:Beta.txt@130,30"});
    ASSERT_TRUE(Desktop().Rename(1, L"Aardvark.txt"));
    std::optional<size_t> renamed = Mirror().FindKey(L"i1");
    ASSERT_TRUE(renamed);
    EXPECT_EQ(Mirror().At(*renamed).text, L"Aardvark.txt");
    EXPECT_EQ(Mirror().At(*renamed).tag, L"Aardvark.txt");
    EXPECT_EQ(Mirror().At(*renamed).iconIndex, L"");
    // Sorting is on after a caption report.
    EXPECT_TRUE(Mirror().Sorted());
    EXPECT_EQ(*renamed, 0u);

    Desktop().Repaint();
    EXPECT_TRUE(PumpUntil([&] { return !Mirror().At(*Mirror().FindKey(L"i1")).iconIndex.empty(); }));
    EXPECT_EQ(Mirror().At(*Mirror().FindKey(L"i1")).iconIndex, L"20");
    EXPECT_EQ(Timer().Interval(), 0u);
}

TEST_F(HookedDesktop, AfterReleaseTheDesktopReportsNoMore) {
    StartWith({L"item:Alpha.txt@30,30"});
    Tweaking().ReleaseIconTweaking();
    EXPECT_EQ(Tweaking().tweakMessage(), 0u);
    const int reports = form_.ReportsSeen();
    const int starts = Timer().Starts();
    ASSERT_GE(Desktop().Add(L"Late.txt"), 0);
    EXPECT_EQ(form_.ReportsSeen(), reports);
    EXPECT_EQ(Timer().Starts(), starts);
}

TEST(RebuildTimer, OnTheMainWindowABurstOfInsertsRebuildsOnceWhenTheTimerFires) {
    MessageBoxRecorder boxes;
    IconPlaces places;
    HWND timerWindow = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    WindowRebuildTimer timer(timerWindow, nullptr);
    MainFormIcons form(&timer);
    timer.SetOnTick([&] { form.Tweaking().tmrRebuild_Timer(); });
    StandInDesktop desktop({L"item:Alpha.txt@30,30"});
    ASSERT_TRUE(desktop.Started());
    ASSERT_FALSE(form.Tweaking().SetupIconTweaking());
    const int rebuilds = form.Tweaking().RebuildsRun();
    for (int n = 1; n <= 10; ++n) desktop.Add(L"File " + std::to_wstring(n) + L".txt");
    EXPECT_EQ(timer.Interval(), DesktopIconTweaking::kRebuildDelay);

    EXPECT_TRUE(PumpUntil([&] { return form.Tweaking().RebuildsRun() > rebuilds; }));
    EXPECT_EQ(form.Tweaking().RebuildsRun(), rebuilds + 1);
    EXPECT_EQ(timer.Interval(), 0u);
    EXPECT_EQ(form.Mirror().Count(), 11u);
    DestroyWindow(timerWindow);
}

TEST(IconHookReports, EveryReportIsHandledAndUnknownCodesAnswerZero) {
    IconPlaces places;
    MainFormIcons form;
    struct Case {
        int32_t code;
        LRESULT expected;
        int timerStarts;
    };
    const Case cases[] = {
        {7, 42, 0}, {8, 42, 0}, {26, 42, 0}, {287, 42, 0}, {289, 42, 0},  // known, left alone
        {5, 0, 0},  {-101, 0, 0},                                         // unknown
        {dtophook::kReportInsert, 1, 1}, {dtophook::kReportDelete, 1, 1},  // restart the timer
        {dtophook::kReportCustomDraw, 42, 0},                              // no entry 0: unchanged
        {dtophook::kReportCaption, 42, 0},                                 // no entry 0: unchanged
    };
    for (const Case& c : cases) {
        bool handled = false;
        LRESULT result = 42;
        const int starts = form.Timer().Starts();
        form.Tweaking().OnTweakReport(static_cast<WPARAM>(static_cast<INT_PTR>(c.code)), 0, handled, result);
        EXPECT_TRUE(handled) << c.code;
        EXPECT_EQ(result, c.expected) << c.code;
        EXPECT_EQ(form.Timer().Starts() - starts, c.timerStarts) << c.code;
    }
}
