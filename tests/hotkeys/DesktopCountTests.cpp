#include "DesktopCount.h"
#include "DesktopModel.h"
#include "EngineTestPlaces.h"
#include "HiddenWindowsJournal.h"
#include "MessageBoxRecorder.h"
#include "SwitchDesktop.h"
#include "WindowOwnerProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CountTestHost : public DesktopCountHost {
public:
    void createDesktopMenus(bool unRegHotKeys) override {
        calls.push_back(unRegHotKeys ? L"createDesktopMenus(true)" : L"createDesktopMenus(false)");
    }
    void mnuDesktop_Click(int16_t Index) override {
        calls.push_back(L"mnuDesktop_Click " + std::to_wstring(Index));
        switchDesktop(TheDesktopModel().currentDesktop, Index);
    }
    void ResizeDesktopPictures(int32_t desktopCount) override {
        calls.push_back(L"desktopPictures 0.." + std::to_wstring(desktopCount));
    }
    std::vector<std::wstring> calls;
};

const wchar_t* const kDeletedSettings[] = {L"Name", L"hasHotkey", L"Hotkey", L"ShowNames", L"Wallpaper"};

class DesktopCount : public testing::Test {
protected:
    void SetUp() override {
        model.ForgetAllWindows();
        model.currentDesktop = 0;
    }
    void TearDown() override {
        model.ForgetAllWindows();
        model.currentDesktop = 0;
        model.desktopCount = 1;
    }
    void Desktops(int count) {
        model.desktopCount = count;
        places.SetAppValue(L"Desktop", L"Count", std::to_wstring(count));
    }
    void GiveSettings(int desktop) {
        for (const wchar_t* setting : kDeletedSettings) places.SetAppValue(setting, std::to_wstring(desktop), L"kept");
        places.SetAppValue(L"Resolution", std::to_wstring(desktop), L"800x600");
    }
    const MessageBoxRequest& LastBox() const { return boxes.Shown().back(); }

    EngineTestPlaces places;
    MessageBoxRecorder boxes;
    DesktopModel& model = TheDesktopModel();
    CountTestHost host;
};

TEST_F(DesktopCount, TheLimitsAreRefusedWithTheirMessage) {
    struct Case {
        int count;
        void (*command)(DesktopCountHost&);
        const wchar_t* message;
    } cases[] = {
        {1024, mnuAddNewDesktop_Click, L"You cannot have more than 1024 desktops."},
        {1, mnuRemoveOldDesktop_Click, L"You cannot have less than 1 desktop."},
    };
    for (const Case& c : cases) {
        Desktops(c.count);
        boxes.Clear();
        c.command(host);
        ASSERT_EQ(boxes.Shown().size(), 1u) << c.message;
        EXPECT_EQ(LastBox().text, c.message);
        EXPECT_EQ(LastBox().caption, L"Information");
        EXPECT_EQ(LastBox().style, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_EQ(places.AppValue(L"Desktop", L"Count"), std::to_wstring(c.count));
        EXPECT_EQ(model.desktopCount, c.count);
        EXPECT_TRUE(host.calls.empty());
    }
}

TEST_F(DesktopCount, AddingAppendsTheNextDesktop) {
    Desktops(3);
    mnuAddNewDesktop_Click(host);
    EXPECT_EQ(places.AppValue(L"Desktop", L"Count"), L"4");
    EXPECT_EQ(model.desktopCount, 4);
    EXPECT_EQ(host.calls, (std::vector<std::wstring>{L"desktopPictures 0..4", L"createDesktopMenus(false)"}));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(LastBox().text, L"Desktop 4 has been created successfully.");
    EXPECT_EQ(LastBox().caption, L"Information");
}

TEST_F(DesktopCount, AnsweringNoKeepsTheSettingsForADesktopAddedAgain) {
    Desktops(3);
    GiveSettings(2);
    model.currentDesktop = 1;
    boxes.Answer(IDNO);
    mnuRemoveOldDesktop_Click(host);

    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Einstellungen f\u00fcr diesen Desktop auch l\u00f6schen?");
    EXPECT_EQ(boxes.Shown()[0].caption, L"Desktop l\u00f6schen!");
    EXPECT_EQ(boxes.Shown()[0].style, 4132u);
    EXPECT_EQ(boxes.Shown()[1].text, L"Desktop 3 has been deleted successfully.");
    EXPECT_EQ(places.AppValue(L"Desktop", L"Count"), L"2");
    EXPECT_EQ(model.desktopCount, 2);
    EXPECT_EQ(host.calls, (std::vector<std::wstring>{L"desktopPictures 0..2", L"createDesktopMenus(false)"}))
        << "removing while another desktop is shown does not switch";

    mnuAddNewDesktop_Click(host);
    EXPECT_EQ(model.desktopCount, 3);
    for (const wchar_t* setting : kDeletedSettings) EXPECT_EQ(places.AppValue(setting, L"2"), L"kept") << setting;
}

TEST_F(DesktopCount, AnsweringYesDeletesNameHotkeyShowNamesAndWallpaperOnly) {
    Desktops(3);
    GiveSettings(2);
    GiveSettings(1);
    model.currentDesktop = 1;
    boxes.Answer(IDYES);
    mnuRemoveOldDesktop_Click(host);
    for (const wchar_t* setting : kDeletedSettings) {
        EXPECT_EQ(places.AppValue(setting, L"2"), L"<absent>") << setting;
        EXPECT_EQ(places.AppValue(setting, L"1"), L"kept") << setting;
    }
    EXPECT_EQ(places.AppValue(L"Resolution", L"2"), L"800x600");
}

TEST_F(DesktopCount, RemovingTheShownLastDesktopSwitchesToZeroFirstAndKeepsItsWindows) {
    SystemBackgroundGuard background;
    Desktops(3);
    WindowOwnerProcess zero({L"titled:Zero"});
    ASSERT_TRUE(zero.Started());
    switchDesktop(0, 2);
    WindowOwnerProcess last({L"titled:Last A", L"titled:Last B"});
    ASSERT_TRUE(last.Started());

    boxes.Answer(IDNO);
    mnuRemoveOldDesktop_Click(host);

    EXPECT_EQ(host.calls, (std::vector<std::wstring>{L"desktopPictures 0..2", L"mnuDesktop_Click 0",
                                                     L"createDesktopMenus(false)"}));
    EXPECT_EQ(model.currentDesktop, 0);
    EXPECT_TRUE(IsShown(zero.Window(1)));
    EXPECT_TRUE(IsShown(last.Window(1))) << "the removed desktop's windows come to the main desktop";
    EXPECT_TRUE(IsShown(last.Window(2)));
    EXPECT_EQ(model.windowCount(2), 0);
}

TEST_F(DesktopCount, WindowsOfARemovedHiddenDesktopAreRecordedForTheMainDesktop) {
    SystemBackgroundGuard background;
    Desktops(3);
    model.currentDesktop = 2;
    WindowOwnerProcess last({L"titled:Last A", L"titled:Last B"});
    ASSERT_TRUE(last.Started());
    switchDesktop(2, 1);
    ASSERT_FALSE(IsShown(last.Window(1)));

    boxes.Answer(IDNO);
    mnuRemoveOldDesktop_Click(host);
    EXPECT_EQ(model.currentDesktop, 1);
    EXPECT_FALSE(IsShown(last.Window(1))) << "desktop 0 is not shown: they wait there";
    EXPECT_EQ(model.windowCount(2), 0);
    auto journal = ReadHiddenWindowsJournal(places.Locations().storeRoot);
    ASSERT_TRUE(journal.has_value());
    int underZero = 0;
    for (const auto& entry : journal->windows) {
        if (entry.window.processId == last.ProcessId()) {
            EXPECT_EQ(entry.desktop, 0);
            ++underZero;
        }
    }
    EXPECT_EQ(underZero, 2);

    switchDesktop(1, 0);
    EXPECT_TRUE(IsShown(last.Window(1)));
    EXPECT_TRUE(IsShown(last.Window(2)));
}

}  // namespace
