// The icon parts as the main form drives them through its hooks: set-up, reports, a
// layout saved on leaving and restored on entering, release.
#include "IconLayoutWiring.h"
#include "IconTestSupport.h"
#include "MessageBoxRecorder.h"
#include "MlStringModule.h"
#include "StandInDesktop.h"

#include <gtest/gtest.h>

#include <commctrl.h>

TEST(IconLayoutWiring, HooksTheDesktopSavesAndRestoresALayoutAndLetsGo) {
    InitLanguageRuntime();
    MessageBoxRecorder boxes;
    IconPlaces places;
    StandInDesktop desktop({L"item:Alpha.txt@30,30", L"item:Beta.txt@130,30", L"item:Gamma.txt@230,30"});
    ASSERT_TRUE(desktop.Started());
    HWND mainWindow = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 10, 10, mainWindow, nullptr,
                                nullptr, nullptr);
    {
        IconLayoutWiring wiring(list);
        UINT tweakMessage = wiring.SetUpIconTweaking(mainWindow);
        EXPECT_NE(tweakMessage, 0u);
        EXPECT_TRUE(boxes.Shown().empty());
        EXPECT_EQ(wiring.Mirror().Count(), 3u);
        EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);

        // A report the form hands on is answered.
        bool handled = false;
        LRESULT result = -1;
        wiring.IconHookReport(0, 0, handled, result);

        wiring.SaveIconLayout(1);
        EXPECT_NE(GetFileAttributesW(places.LayoutFile(1).c_str()), INVALID_FILE_ATTRIBUTES);
        desktop.Move(0, {300, 200});
        wiring.ReadAllDesktopIcons();
        wiring.RestoreIconLayout(1);
        POINT back = desktop.Position(0);
        EXPECT_EQ(back.x, 30);
        EXPECT_EQ(back.y, 30);

        wiring.ReleaseIconTweaking();
        wiring.SaveIconLayout(2);  // released: nothing is written
        EXPECT_EQ(GetFileAttributesW(places.LayoutFile(2).c_str()), INVALID_FILE_ATTRIBUTES);
    }
    DestroyWindow(mainWindow);
}
