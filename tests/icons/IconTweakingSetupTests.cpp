// The set-up of icon tweaking and the messages it shows when it cannot hook the desktop.
#include "IconTestSupport.h"
#include "MessageBoxRecorder.h"
#include "StandInDesktop.h"

#include <gtest/gtest.h>

TEST(SetupIconTweaking, WithTheActiveDesktopAsksOnceAndInstallsNoHook) {
    MessageBoxRecorder boxes;
    boxes.Answer(IDYES);
    IconPlaces places;
    StandInDesktop desktop({L"activedesktop", L"item:Alpha.txt"});
    ASSERT_TRUE(desktop.Started());
    MainFormIcons form;
    EXPECT_TRUE(form.Tweaking().SetupIconTweaking());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, L"Active Desktop");
    EXPECT_EQ(boxes.Shown()[0].text,
              L"Active Desktop is the current desktop mode.\r\nCannot tweak icons in that mode. Would you like to "
              L"automatically \r\nstart if you remove the Active Desktop mode?");
    EXPECT_EQ(boxes.Shown()[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(form.Tweaking().tweakMessage(), 0u);
    EXPECT_TRUE(form.Mirror().Empty());
}

TEST(SetupIconTweaking, ADesktopWithoutIconsShowsTheMainWindowAndSaysSo) {
    MessageBoxRecorder boxes;
    IconPlaces places;
    StandInDesktop desktop({});
    ASSERT_TRUE(desktop.Started());
    MainFormIcons form;
    EXPECT_TRUE(form.Tweaking().SetupIconTweaking());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"No Icons Found the Desktop");
    EXPECT_EQ(boxes.Shown()[0].caption, L"Cannot Customize");
    EXPECT_EQ(boxes.Shown()[0].style, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_TRUE(IsWindowVisible(form.Window()));
    EXPECT_EQ(form.Tweaking().tweakMessage(), 0u);
}

TEST(SetupIconTweaking, WithoutTheShellsDesktopThereAreNoIcons) {
    MessageBoxRecorder boxes;
    IconPlaces places;
    MainFormIcons form;
    EXPECT_TRUE(form.Tweaking().SetupIconTweaking());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"No Icons Found the Desktop");
}

TEST(SetupIconTweaking, WithoutTheHookLibraryTweakingStaysOnAndTheMirrorIsBuilt) {
    MessageBoxRecorder boxes;
    IconPlaces places;
    TempFolder nowhere;
    StandInDesktop desktop({L"item:Alpha.txt@30,30", L"item:Beta.txt@130,30"});
    ASSERT_TRUE(desktop.Started());
    MainFormIcons form(nullptr, nowhere.Path() + L"dtophook.dll");
    EXPECT_FALSE(form.Tweaking().SetupIconTweaking());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Cannot communicate with the desktop.");
    EXPECT_EQ(boxes.Shown()[0].caption, L"Error");
    EXPECT_EQ(boxes.Shown()[0].style, static_cast<UINT>(MB_OK | MB_ICONHAND));
    EXPECT_EQ(form.Tweaking().tweakMessage(), 0u);
    EXPECT_EQ(form.Mirror().Count(), 2u);
}

TEST(SetupIconTweaking, HooksTheDesktopWithoutAnyMessage) {
    MessageBoxRecorder boxes;
    IconPlaces places;
    StandInDesktop desktop({L"item:Alpha.txt@30,30"});
    ASSERT_TRUE(desktop.Started());
    MainFormIcons form;
    EXPECT_FALSE(form.Tweaking().SetupIconTweaking());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_NE(form.Tweaking().tweakMessage(), 0u);
    EXPECT_FALSE(IsWindowVisible(form.Window()));
    // The hook reports: a new icon restarts the rebuild timer.
    const int reports = form.ReportsSeen();
    const int starts = form.Timer().Starts();
    ASSERT_GE(desktop.Add(L"Beta.txt"), 0);
    EXPECT_GT(form.ReportsSeen(), reports);
    EXPECT_EQ(form.Timer().Starts() - starts, 1) << form.ReportLog();
    EXPECT_EQ(form.Timer().Interval(), 500u);
}
