#include "DesktopModel.h"
#include "DialogDriver.h"
#include "EngineTestPlaces.h"
#include "ExitTestHost.h"
#include "FrmExit.h"
#include "FrmExitIds.h"
#include "LanguageRuntime.h"
#include "MessageBoxRecorder.h"
#include "MlStringModule.h"
#include "StubbornWindow.h"
#include "SwitchDesktop.h"
#include "WindowOwnerProcess.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::vector<std::wstring> kNormalEnd = {L"publicCallDesktop", L"UnloadOtherForms", L"ExitingNormally",
                                              L"UnloadMainForm"};

std::wstring ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

std::vector<std::wstring> OptionTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    HWND options = GetDlgItem(dialog, IDC_EXIT_OPTIONS);
    for (LRESULT i = 0; i < SendMessageW(options, CB_GETCOUNT, 0, 0); ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(options, CB_GETLBTEXTLEN, i, 0)), L'\0');
        SendMessageW(options, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(text);
    }
    return texts;
}

std::wstring TooltipOf(HWND dialog, int id) {
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    if (!tooltip) return L"<no tooltip>";
    wchar_t text[256] = {};
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id));
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return text;
}

class FrmExitTest : public testing::Test {
protected:
    void SetUp() override {
        InitLanguageRuntime();
        SetLanguage(Language::GermanAustria);
        model.ForgetAllWindows();
        model.currentDesktop = 0;
        model.desktopCount = 3;
    }
    void TearDown() override {
        model.ForgetAllWindows();
        model.currentDesktop = 0;
        model.desktopCount = 1;
    }

    // Three desktops: "Zero" hidden on 0, "One" hidden on 1, "Two" on screen on desktop 2.
    void ThreeDesktopsWithWindows() {
        zero = std::make_unique<WindowOwnerProcess>(std::vector<std::wstring>{L"titled:Zero"});
        ASSERT_TRUE(zero->Started());
        switchDesktop(0, 1);
        one = std::make_unique<WindowOwnerProcess>(std::vector<std::wstring>{L"titled:One A", L"titled:One B"});
        ASSERT_TRUE(one->Started());
        switchDesktop(1, 2);
        two = std::make_unique<WindowOwnerProcess>(std::vector<std::wstring>{L"titled:Two"});
        ASSERT_TRUE(two->Started());
        ASSERT_FALSE(IsShown(zero->Window(1)));
        ASSERT_FALSE(IsShown(one->Window(1)));
        ASSERT_TRUE(IsShown(two->Window(1)));
    }

    void Confirm(FrmExit& exit, ExitChoice choice) {
        exit.Show();
        ASSERT_TRUE(exit.IsLoaded());
        SendDlgItemMessageW(exit.Window(), IDC_EXIT_OPTIONS, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
        ClickButton(exit.Window(), IDC_EXIT_COMMAND1);
    }

    EngineTestPlaces places;
    SystemBackgroundGuard background;
    MessageBoxRecorder boxes;
    DesktopModel& model = TheDesktopModel();
    ExitTestHost host;
    std::unique_ptr<WindowOwnerProcess> zero, one, two;
};

TEST_F(FrmExitTest, LoadsTopmostWithTheLanguagesTextsAndTheFirstChoice) {
    FrmExit exit(host);
    exit.Show();
    HWND dialog = exit.Window();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(WindowText(dialog), L"Polyplane Beenden");
    EXPECT_EQ(ItemText(dialog, IDC_EXIT_COMMAND1), L"&Ende");
    EXPECT_EQ(ItemText(dialog, IDCANCEL), L"&Abbrechen");
    EXPECT_EQ(ItemText(dialog, IDC_EXIT_LABEL1), LangString(12));
    EXPECT_EQ(TooltipOf(dialog, IDC_EXIT_COMMAND1), L"Programm beenden");
    EXPECT_EQ(OptionTexts(dialog), (std::vector<std::wstring>{L"Alle Programme auf Hauptdesktop verschieben",
                                                              L"Alle Programme beenden die nicht auf dem Hauptdesktop sind "}));
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_EXIT_OPTIONS, CB_GETCURSEL, 0, 0), 0);
    wchar_t font[LF_FACESIZE] = {};
    LOGFONTW logFont = {};
    GetObjectW(reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDC_EXIT_OPTIONS, WM_GETFONT, 0, 0)),
               sizeof logFont, &logFont);
    wcscpy(font, logFont.lfFaceName);
    EXPECT_STREQ(font, L"Tahoma");
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(FrmExitTest, ALanguageChangeRenamesTheDialogAndTheChoiceStillWorks) {
    ThreeDesktopsWithWindows();
    FrmExit exit(host);
    exit.Show();
    HWND dialog = exit.Window();
    {
        langruntime::RuntimeSupport announcer([](long, const std::wstring&) {});
        announcer.Announce(Language::EnglishUs, L"English");
    }
    EXPECT_EQ(WindowText(dialog), L"Exit Polyplane");
    EXPECT_EQ(ItemText(dialog, IDC_EXIT_COMMAND1), L"&Exit");
    EXPECT_EQ(ItemText(dialog, IDCANCEL), L"&Cancel");
    EXPECT_EQ(TooltipOf(dialog, IDC_EXIT_COMMAND1), L"Exit Program");
    EXPECT_EQ(OptionTexts(dialog)[0], L"Alle Programme auf Hauptdesktop verschieben") << "the entries are not refilled";

    ClickButton(dialog, IDC_EXIT_COMMAND1);  // the first entry, in German, under English texts
    EXPECT_EQ(host.calls, kNormalEnd);
    EXPECT_TRUE(IsShown(one->Window(1)));
}

TEST_F(FrmExitTest, MovingAllShowsEveryRecordedWindowOfEveryDesktop) {
    ThreeDesktopsWithWindows();
    FrmExit exit(host);
    Confirm(exit, ExitChoice::MoveAllToMainDesktop);

    EXPECT_EQ(model.currentDesktop, 0);
    for (HWND window : {zero->Window(1), one->Window(1), one->Window(2), two->Window(1)})
        EXPECT_TRUE(IsShown(window)) << WindowText(window);
    EXPECT_EQ(host.calls, kNormalEnd);
    EXPECT_FALSE(exit.IsLoaded());
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(FrmExitTest, ClosingOthersClosesOnlyWindowsOfDesktopsOneAndUp) {
    ThreeDesktopsWithWindows();
    FrmExit exit(host);
    Confirm(exit, ExitChoice::CloseAllNotOnMainDesktop);

    EXPECT_TRUE(IsWindow(zero->Window(1)) && IsShown(zero->Window(1))) << "desktop 0 is untouched and shown";
    EXPECT_FALSE(IsWindow(one->Window(1)));
    EXPECT_FALSE(IsWindow(one->Window(2)));
    EXPECT_FALSE(IsWindow(two->Window(1))) << "the shown desktop's windows were recorded under 2 and closed";
    EXPECT_EQ(host.calls, kNormalEnd);
}

TEST_F(FrmExitTest, AWindowThatRefusesToCloseIsShownRatherThanLeftHidden) {
    zero = std::make_unique<WindowOwnerProcess>(std::vector<std::wstring>{L"titled:Zero"});
    switchDesktop(0, 1);
    StubbornWindow stubborn;
    switchDesktop(1, 2);
    ASSERT_FALSE(IsShown(stubborn.Handle()));

    FrmExit exit(host);
    Confirm(exit, ExitChoice::CloseAllNotOnMainDesktop);
    EXPECT_EQ(stubborn.CloseRequests(), 1);
    EXPECT_TRUE(IsShown(stubborn.Handle()));
}

TEST_F(FrmExitTest, CancelChangesNothing) {
    ThreeDesktopsWithWindows();
    FrmExit exit(host);
    exit.Show();
    ClickButton(exit.Window(), IDCANCEL);

    EXPECT_FALSE(exit.IsLoaded());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(model.currentDesktop, 2);
    EXPECT_FALSE(IsShown(zero->Window(1)));
    EXPECT_FALSE(IsShown(one->Window(1)));
    EXPECT_TRUE(IsShown(two->Window(1)));
    EXPECT_EQ(model.windowCount(1), 2);
}

}  // namespace
