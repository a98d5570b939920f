#include "AppError.h"
#include "DesktopModel.h"
#include "EngineTestPlaces.h"
#include "HotkeyTestWindow.h"
#include "Hotkeys.h"
#include "MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kProbeId = 0x7123;

// True when the system refuses the combination to another window: someone holds it.
bool CombinationTaken(UINT modifiers, UINT virtualKey) {
    HotkeyTestWindow other;
    if (!RegisterHotKey(other.Handle(), kProbeId, modifiers, virtualKey)) return true;
    UnregisterHotKey(other.Handle(), kProbeId);
    return false;
}

bool AtomExists(int desktop) { return GlobalFindAtomW((L"V" + std::to_wstring(desktop)).c_str()) != 0; }

class Hotkeys : public testing::Test {
protected:
    void SetUp() override {
        model.desktopCount = 3;
        model.currentDesktop = 0;
    }
    void TearDown() override { model.desktopCount = 1; }

    void GiveHotkey(int desktop, const std::wstring& stored, const std::wstring& has = L"1") {
        places.SetAppValue(L"hasHotkey", std::to_wstring(desktop), has);
        places.SetAppValue(L"Hotkey", std::to_wstring(desktop), stored);
    }
    // As the menu rebuild does it: every hotkey released before any is registered again.
    void Rebuild(DesktopHotkeys& hotkeys) {
        for (int desktop = 0; desktop < kDesktopLimit; ++desktop) hotkeys.ReleaseDesktopHotkey(main.Handle(), desktop);
        for (int desktop = 0; desktop < model.desktopCount; ++desktop)
            hotkeys.RegisterDesktopHotkey(main.Handle(), desktop);
        hotkeys.HookHotkeyMessages(main.Handle());
    }

    EngineTestPlaces places;
    DesktopModel& model = TheDesktopModel();
    HotkeyTestWindow main;
    std::vector<int16_t> switchRequests;
    DesktopHotkeys hotkeys{[this](int16_t desktop) { switchRequests.push_back(desktop); }};
};

TEST_F(Hotkeys, PositionsBecomeTheSystemCombination) {
    struct Case {
        std::wstring stored;
        UINT modifiers, virtualKey;
    } cases[] = {
        {L"0,16", MOD_ALT, 'A'},
        {L"3,50", MOD_WIN, VK_F12},
        {L"1,21", MOD_CONTROL, 'F'},
    };
    for (const Case& c : cases) {
        GiveHotkey(1, c.stored);
        Rebuild(hotkeys);
        const ATOM id = hotkeys.hotkeyIds(1);
        EXPECT_NE(id, 0) << c.stored;
        EXPECT_EQ(id, GlobalFindAtomW(L"V1")) << "the identifier is the global atom \"V1\"";
        EXPECT_TRUE(CombinationTaken(c.modifiers, c.virtualKey)) << c.stored;
        hotkeys.ReleaseDesktopHotkey(main.Handle(), 1);
        EXPECT_FALSE(CombinationTaken(c.modifiers, c.virtualKey)) << c.stored << " after the release";
    }
}

TEST_F(Hotkeys, AKeyOutsideTheTableRegistersNothingWhileOthersKeepTheirs) {
    GiveHotkey(0, L"0,16");  // ALT+A
    GiveHotkey(1, L"0,51");
    GiveHotkey(2, L"1,17");  // CTRL+B
    Rebuild(hotkeys);

    EXPECT_TRUE(CombinationTaken(MOD_ALT, 'A'));
    EXPECT_TRUE(CombinationTaken(MOD_CONTROL, 'B'));
    const ATOM kept = hotkeys.hotkeyIds(1);
    ASSERT_NE(kept, 0) << "the desktop keeps its atom";
    EXPECT_FALSE(UnregisterHotKey(main.Handle(), kept)) << "but nothing is registered under it";
}

TEST_F(Hotkeys, MalformedSettingsLeaveTheDesktopWithoutAHotkey) {
    for (const wchar_t* stored : {L"", L"16", L"x,16", L"0;16", L"51,16", L"-1,16", L"0,-1"}) {
        GiveHotkey(1, stored);
        Rebuild(hotkeys);
        ATOM id = hotkeys.hotkeyIds(1);
        if (id != 0) {
            EXPECT_FALSE(UnregisterHotKey(main.Handle(), id)) << stored;
        }
        EXPECT_FALSE(CombinationTaken(MOD_ALT, 'A')) << stored;
    }
}

TEST_F(Hotkeys, TurningHasHotkeyOffReleasesTheHotkeyAndItsAtom) {
    GiveHotkey(2, L"1,17");
    Rebuild(hotkeys);
    ASSERT_TRUE(CombinationTaken(MOD_CONTROL, 'B'));
    ASSERT_TRUE(AtomExists(2));

    places.SetAppValue(L"hasHotkey", L"2", L"0");
    Rebuild(hotkeys);
    EXPECT_EQ(hotkeys.hotkeyIds(2), 0);
    EXPECT_FALSE(AtomExists(2));
    EXPECT_FALSE(CombinationTaken(MOD_CONTROL, 'B'));

    // Its former identifier no longer switches anywhere.
    SendMessageW(main.Handle(), WM_HOTKEY, GlobalAddAtomW(L"V2"), 0);
    GlobalDeleteAtom(GlobalFindAtomW(L"V2"));
    EXPECT_TRUE(switchRequests.empty());
}

TEST_F(Hotkeys, RegisteringTwiceKeepsOneAtomReference) {
    GiveHotkey(1, L"0,16");
    hotkeys.RegisterDesktopHotkey(main.Handle(), 1);
    hotkeys.RegisterDesktopHotkey(main.Handle(), 1);
    hotkeys.ReleaseDesktopHotkey(main.Handle(), 1);
    EXPECT_FALSE(AtomExists(1));
    EXPECT_FALSE(CombinationTaken(MOD_ALT, 'A'));
}

TEST_F(Hotkeys, WmHotkeyRunsTheSwitchRequestOfItsDesktopThenThePreviousProcedure) {
    GiveHotkey(0, L"0,16");
    GiveHotkey(2, L"1,17");
    Rebuild(hotkeys);

    SendMessageW(main.Handle(), WM_HOTKEY, hotkeys.hotkeyIds(2), MAKELPARAM(MOD_CONTROL, 'B'));
    EXPECT_EQ(switchRequests, std::vector<int16_t>{2});
    EXPECT_EQ(main.HotkeysSeen(), 1) << "the window's own procedure sees the message after the dispatch";

    // Identifier 0 belongs to no desktop, even though desktop 1 has none.
    SendMessageW(main.Handle(), WM_HOTKEY, 0, 0);
    EXPECT_EQ(switchRequests, std::vector<int16_t>{2});
    EXPECT_EQ(main.HotkeysSeen(), 2);
}

TEST_F(Hotkeys, OnlyExistingDesktopsAreDispatched) {
    GiveHotkey(2, L"1,17");
    Rebuild(hotkeys);
    model.desktopCount = 2;  // desktop 2 removed, its hotkey not yet rebuilt
    SendMessageW(main.Handle(), WM_HOTKEY, hotkeys.hotkeyIds(2), 0);
    EXPECT_TRUE(switchRequests.empty());
    EXPECT_EQ(main.HotkeysSeen(), 1);
}

TEST_F(Hotkeys, AFailingSwitchRequestIsReportedForTheMainForm) {
    MessageBoxRecorder boxes;
    DesktopHotkeys failing([](int16_t) { throw AppError(5, L"Plexor", L"Invalid procedure call"); });
    GiveHotkey(1, L"0,16");
    failing.RegisterDesktopHotkey(main.Handle(), 1);
    failing.HookHotkeyMessages(main.Handle());
    SendMessageW(main.Handle(), WM_HOTKEY, failing.hotkeyIds(1), 0);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text,
              L"Error 5 (Invalid procedure call) in procedure Msghook_Message of Formular frmSettings");
}

TEST_F(Hotkeys, UnloadingReleasesEveryHotkeyAndAtom) {
    {
        DesktopHotkeys owned([](int16_t) {});
        GiveHotkey(0, L"0,16");
        GiveHotkey(1, L"0,51");
        GiveHotkey(2, L"3,50");
        for (int desktop = 0; desktop < 3; ++desktop) owned.RegisterDesktopHotkey(main.Handle(), desktop);
        ASSERT_TRUE(AtomExists(0) && AtomExists(1) && AtomExists(2));
        ASSERT_TRUE(CombinationTaken(MOD_ALT, 'A'));
    }
    for (int desktop = 0; desktop < 3; ++desktop) EXPECT_FALSE(AtomExists(desktop)) << desktop;
    EXPECT_FALSE(CombinationTaken(MOD_ALT, 'A'));
    EXPECT_FALSE(CombinationTaken(MOD_WIN, VK_F12));
}

}  // namespace
