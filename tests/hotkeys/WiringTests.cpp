#include "DesktopModel.h"
#include "DialogDriver.h"
#include "EngineTestPlaces.h"
#include "FrmLoginIds.h"
#include "FrmSettings.h"
#include "MessageBoxRecorder.h"
#include "MlStringModule.h"
#include "TrayCommandWiring.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayCommandWiring, AHotkeyOfAProtectedDesktopAsksForThatDesktopsPassword) {
    EngineTestPlaces places;
    SystemBackgroundGuard background;
    MessageBoxRecorder boxes;
    InitLanguageRuntime();
    DesktopModel& model = TheDesktopModel();
    model.installationKey = L"{HOTKEYTEST}";
    const std::wstring passwords = places.Locations().installationKeyParent + model.installationKey;
    places.SetAppValue(L"Desktop", L"Count", L"3");
    places.SetAppValue(L"hasHotkey", L"2", L"1");
    places.SetAppValue(L"Hotkey", L"2", L"1,17");
    WriteUserValue(passwords + L"\\HPD", L"2", L"1");
    WriteUserValue(passwords + L"\\MPD", L"2", L"Zwei");
    WriteUserValue(passwords + L"\\HPD", L"1", L"1");
    WriteUserValue(passwords + L"\\MPD", L"1", L"Eins");

    TrayCommandWiring commands;
    EXPECT_TRUE(commands.TheWatchdog().Running());
    {
        FrmSettings form(TheSystemShellNotifyIcon(), &commands, &commands);
        form.Form_Load();
        const ATOM id = commands.Hotkeys().hotkeyIds(2);
        ASSERT_NE(id, 0);

        bool prompted = false;
        DialogDriver driver([&](HWND dialog) {
            prompted = GetDlgItem(dialog, IDC_LOGIN_PASSWORD) != nullptr;
            // Only desktop 2's password opens.
            SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, L"Zwei");
            ClickButton(dialog, IDOK);
        });
        SendMessageW(form.Window(), WM_HOTKEY, id, 0);
        EXPECT_TRUE(prompted);
        EXPECT_EQ(model.currentDesktop, 2);
        form.Unload();
    }
    EXPECT_EQ(commands.Hotkeys().hotkeyIds(2), 0) << "unloading the form released the hotkey";
    EXPECT_EQ(GlobalFindAtomW(L"V2"), 0);
    model.installationKey.clear();
    model.desktopCount = 1;
}

}  // namespace
