// The main form frmSettings on real windows under Wine: start-up, the tray menu and its
// captions, the switch request with its password check, the message hub and unloading.
// Loading the form switches desktops, which acts on every window of the session.
#include "Background.h"
#include "DesktopModel.h"
#include "DialogDriver.h"
#include "EngineTestPlaces.h"
#include "FrmLoginIds.h"
#include "FrmSettings.h"
#include "LanguageRuntime.h"
#include "LanguageSelectIds.h"
#include "MainFormTestSupport.h"
#include "MenuCaption.h"
#include "MessageBoxRecorder.h"
#include "MlStringModule.h"
#include "PasswordHash.h"
#include "PlexorStartup.h"
#include "RecordingShell.h"
#include "WindowOwnerProcess.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kInstallationKey[] = L"{0123456789ABCDEF0123456789ABCDEF}";

std::wstring Wide(const char* ansi) {
    int size = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    std::wstring text(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, text.data(), size);
    text.resize(static_cast<size_t>(size) - 1);
    return text;
}

// The login prompt's answer: the password typed and OK pressed.
std::function<void(HWND)> TypePassword(std::wstring password) {
    return [password](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, password.c_str());
        ClickButton(dialog, IDOK);
    };
}

UINT DesktopCommand(int desktop) { return kFirstDesktopCommand + static_cast<UINT>(desktop); }

class MainForm : public testing::Test {
protected:
    void SetUp() override {
        InitLanguageRuntime();
        SetLanguage(Language::GermanAustria);
        ASSERT_TRUE(RegisterScreenShotLibrary());
        TheDesktopModel().installationKey = kInstallationKey;
    }
    void TearDown() override { SetLanguage(Language::GermanAustria); }

    std::wstring PasswordKey(const wchar_t* name) const {
        return places.Locations().installationKeyParent + kInstallationKey + L"\\" + name;
    }
    void SetDesktopCount(int count) { places.SetAppValue(L"Desktop", L"Count", std::to_wstring(count)); }

    // The desktop entries' captions in menu order and the indexes that carry a check mark.
    static std::vector<std::wstring> Captions(const TrayMenu& menu) {
        std::vector<std::wstring> captions;
        for (int i = 0; i <= menu.HighestDesktopIndex(); ++i) captions.push_back(menu.DesktopCaption(i));
        return captions;
    }
    static std::vector<int> Checked(const TrayMenu& menu) {
        std::vector<int> checked;
        for (int i = 0; i <= menu.HighestDesktopIndex(); ++i)
            if (menu.IsDesktopChecked(i)) checked.push_back(i);
        return checked;
    }

    EngineTestPlaces places;
    SystemBackgroundGuard background;
    MessageBoxRecorder boxes;
    RecordingShell shell;
    RecordingHotkeys hotkeys;
};

// Closes the main form once it is loaded, from the program's own message loop.
void CALLBACK CloseLoadedForm(HWND, UINT, UINT_PTR timer, DWORD) {
    if (FrmSettings* form = LoadedMainForm()) {
        KillTimer(nullptr, timer);
        PostMessageW(form->Window(), WM_CLOSE, 0, 0);
    }
}

TEST_F(MainForm, StartOnACleanProfileCreatesItsSettingsShowsTheBalloonAndEndsWhenTheFormUnloads) {
    places.Desktop().WriteFile(L"note.txt", 10);
    PlexorStartupHooks startup(shell);
    UseStartupHooks(&startup);
    DialogDriver language([](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_LANGUAGELIST);
        for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i)
            if (SendMessageW(list, LB_GETITEMDATA, i, 0) == Language::GermanAustria) SendMessageW(list, LB_SETCURSEL, i, 0);
        ClickButton(dialog, IDOK);
    });
    UINT_PTR closer = SetTimer(nullptr, 0, 50, CloseLoadedForm);

    Main();
    KillTimer(nullptr, closer);
    UseStartupHooks(nullptr);

    EXPECT_TRUE(language.Ran()) << "a clean profile shows the language dialog";
    EXPECT_EQ(LoadedMainForm(), nullptr);
    EXPECT_EQ(places.AppValue(L"MultiLang", L"LangId"), L"3079");
    const std::wstring key = places.AppValue(L"", L"Key");
    ASSERT_EQ(key.size(), 34u);
    EXPECT_TRUE(UserKeyExists(places.Locations().installationKeyParent + key));
    EXPECT_TRUE(UserKeyExists(places.Locations().appKey + L"\\Wallpaper"));
    const DWORD storeFolder = GetFileAttributesW(places.StoreFolder(0).c_str());
    EXPECT_TRUE(storeFolder != INVALID_FILE_ATTRIBUTES && (storeFolder & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(FileSizeOf(places.Desktop().Path() + L"note.txt"), 10) << "the switch 0 -> 0 keeps the desktop's files";
    EXPECT_NE(places.AppValue(L"Wallpaper", L"0"), L"<absent>") << "the first switch 0 -> 0 stored desktop 0's wallpaper";

    // The icon "Plexor" came, showed desktop 1 and the start balloon, and went.
    ASSERT_GE(shell.calls.size(), 4u);
    EXPECT_EQ(shell.calls.front().message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(Wide(shell.calls.front().record.szTip), L"Plexor");
    std::vector<std::wstring> balloons, tips;
    for (const ShellCall& call : shell.calls) {
        if (call.message != NIM_MODIFY) continue;
        if (call.record.uFlags & NIF_INFO)
            balloons.push_back(Wide(call.record.szInfoTitle) + L"|" + Wide(call.record.szInfo));
        if (call.record.uFlags & NIF_TIP) tips.push_back(Wide(call.record.szTip));
    }
    EXPECT_EQ(balloons, (std::vector<std::wstring>{L"Polyplane Aktuell:|Viewing Desktop 1",
                                                   L"Optionen|Rechtsklick f\u00fcr Optionen"}));
    EXPECT_EQ(tips, (std::vector<std::wstring>{L"Polyplane: Viewing Desktop 1"}));
    EXPECT_EQ(shell.calls.back().message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(MainForm, MenuCaptionsAndListHeadersFollowTheLanguage) {
    FrmSettings form(shell, &hotkeys);
    form.Form_Load();
    const TrayMenu& menu = form.Menu();
    struct Expected {
        TrayItem item;
        std::wstring german, english;
    };
    const Expected table[] = {
        {TrayItem::mnuAddNewDesktop, L"&Neuer Desktop|#q_Key1", L"&New Desktop|#q_Key1"},
        {TrayItem::mnuRemoveOldDesktop, L"&alten Desktop entfernen|#q_Key2", L"rem&ove old Desktop|#q_Key2"},
        {TrayItem::mnuDesktopShow, L"Desktop anzeigen", L"Show Desktop"},
        {TrayItem::mnu_Spracheaendern, L"Sprache \u00e4ndern", L"Sprache \u00e4ndern"},
        {TrayItem::mnuMenuPolyplaneSettings, L"Polyplane Settings", L"Polyplane Settings"},
        {TrayItem::mnuMenuMenuStyle, L"Men\u00fcstil", L"MenuStyle"},
        {TrayItem::mnuHelp, L"Hilfe", L"Help"},
        {TrayItem::mnu_popupUeber, L"\u00dcber...", L"About..."},
        {TrayItem::mnuExit, L"E&nde", L"E&nde"},
        {TrayItem::mnuMenuSep1, L"-", L"-"},
        {TrayItem::mnuMenuSep4, L"-", L"-"},
    };
    auto expectLanguage = [&](bool english) {
        for (const Expected& row : table) {
            SCOPED_TRACE(static_cast<int>(row.item));
            EXPECT_EQ(menu.Caption(row.item), english ? row.english : row.german);
        }
        EXPECT_TRUE(menu.IsSeparator(TrayItem::mnuMenuSep2));
        EXPECT_EQ(menu.TopCaption(), L"Menu");
        EXPECT_EQ(WindowText(form.Window()), L"Brannock's Polyplane Settings");
        EXPECT_EQ(form.lvDtop().ColumnCount(), 9);
        EXPECT_EQ(form.lvDtop().ColumnHeader(0), english ? L"IconCaption" : L"Icon Beschriftung");
        EXPECT_EQ(form.lvDtop().ColumnHeader(8), L"RealName");
        EXPECT_EQ(Captions(menu), std::vector<std::wstring>{L"Goto Desktop 1"});
        EXPECT_EQ(Checked(menu), std::vector<int>{0});
    };
    expectLanguage(false);
    EXPECT_EQ(ParseMenuCaption(menu.Caption(TrayItem::mnuAddNewDesktop)).imageKey, L"q_Key1");
    EXPECT_EQ(ParseMenuCaption(menu.Caption(TrayItem::mnuRemoveOldDesktop)).imageKey, L"q_Key2");

    // A change announced anywhere in the program re-texts the form.
    langruntime::RuntimeSupport elsewhere([](long, const std::wstring&) {});
    hotkeys.calls.clear();
    elsewhere.Announce(Language::EnglishUs, L"Englisch (USA)");
    EXPECT_EQ(CurrentLanguage(), Language::EnglishUs);
    expectLanguage(true);
    EXPECT_EQ(hotkeys.calls, (std::vector<std::wstring>{L"release 0", L"register 0", L"hook"}))
        << "the language change rebuilds the desktop entries";
    form.Unload();
}

TEST_F(MainForm, DesktopEntriesFollowNamesAndCountWithExactlyOneCheckMark) {
    FrmSettings form(shell, &hotkeys);
    DesktopModel& model = TheDesktopModel();
    places.SetAppValue(L"ShowNames", L"1", L"1");
    places.SetAppValue(L"Name", L"1", L"Work");
    places.SetAppValue(L"ShowNames", L"2", L"-1");
    places.SetAppValue(L"ShowNames", L"3", L"0");
    places.SetAppValue(L"Name", L"3", L"Ignored");

    model.desktopCount = 4;
    model.currentDesktop = 3;
    form.createDesktopMenus(false);
    EXPECT_EQ(Captions(form.Menu()),
              (std::vector<std::wstring>{L"Goto Desktop 1", L"Goto Desktop Work", L"Goto Desktop ", L"Goto Desktop 4"}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(GetMenuItemID(form.Menu().Popup(), i), DesktopCommand(i));
    EXPECT_EQ(Checked(form.Menu()), std::vector<int>{3});
    EXPECT_EQ(hotkeys.calls, (std::vector<std::wstring>{L"release 0", L"register 0", L"register 1", L"register 2",
                                                        L"register 3", L"hook"}));

    // Fewer desktops: every hotkey is released before any is registered again.
    hotkeys.calls.clear();
    model.desktopCount = 2;
    model.currentDesktop = 1;
    form.createDesktopMenus(false);
    EXPECT_EQ(Captions(form.Menu()), (std::vector<std::wstring>{L"Goto Desktop 1", L"Goto Desktop Work"}));
    EXPECT_FALSE(form.Menu().HasDesktopEntry(2));
    EXPECT_EQ(Checked(form.Menu()), std::vector<int>{1});
    EXPECT_EQ(hotkeys.calls, (std::vector<std::wstring>{L"release 0", L"release 1", L"release 2", L"release 3",
                                                        L"register 0", L"register 1", L"hook"}));

    // Tearing down keeps entry 0 and only releases.
    hotkeys.calls.clear();
    form.createDesktopMenus(true);
    EXPECT_EQ(form.Menu().HighestDesktopIndex(), 0);
    EXPECT_TRUE(form.Menu().HasDesktopEntry(0));
    EXPECT_EQ(hotkeys.calls, (std::vector<std::wstring>{L"release 0", L"release 1"}));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MainForm, CheckingADesktopBeyondTheEntriesIsReportedAndKeepsTheCheckMark) {
    FrmSettings form(shell, &hotkeys);
    TheDesktopModel().desktopCount = 3;
    TheDesktopModel().currentDesktop = 1;
    form.createDesktopMenus(false);

    form.checkDesktopMenu(3);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Error 9 (Subscript out of range) in procedure checkDesktopMenu of Formular frmSettings");
    EXPECT_EQ(Checked(form.Menu()), std::vector<int>{1});

    form.checkDesktopMenu(2);
    EXPECT_EQ(Checked(form.Menu()), std::vector<int>{2});
}

bool menuSeen = false;

// Dismisses a popup menu as the user would with Escape, and notes that it was there.
void CALLBACK DismissPopupMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup || !IsWindowVisible(popup)) return;
    menuSeen = true;
    PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(MainForm, TheMenuOpensOnlyOnTheRightButtonsRelease) {
    FrmSettings form(shell, &hotkeys);
    form.Form_Load();
    struct Case {
        UINT message;
        LPARAM lParam;
        bool opens;
    };
    const Case cases[] = {
        {form.TrayMessage(), WM_LBUTTONUP, false},
        {form.TrayMessage(), WM_LBUTTONDBLCLK, false},
        {form.TrayMessage(), WM_RBUTTONDOWN, false},
        {form.TrayMessage(), WM_RBUTTONUP, true},
        {WM_MOUSEMOVE, MAKELPARAM(517, 3), true},  // the tray callback arriving as a mouse move
        {WM_MOUSEMOVE, MAKELPARAM(516, 3), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lParam);
        menuSeen = false;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, DismissPopupMenu);
        LRESULT result = SendMessageW(form.Window(), c.message, 0, c.lParam);
        KillTimer(nullptr, timer);
        EXPECT_EQ(menuSeen, c.opens);
        EXPECT_EQ(result, 0);
    }
    EXPECT_EQ(SendMessageW(form.Window(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024)), 1);
    form.Unload();
}

TEST_F(MainForm, ASwitchFromTheMenuHidesAndShowsTheWindowsOfEachDesktop) {
    WindowOwnerProcess owner({L"titled:Letter"});
    ASSERT_TRUE(owner.Started());
    HWND letter = owner.Window(1);
    SetDesktopCount(2);
    FrmSettings form(shell, &hotkeys);
    form.Form_Load();
    ASSERT_TRUE(form.HasScreenShotControl());
    ASSERT_TRUE(IsShown(letter));

    SendMessageW(form.Window(), WM_COMMAND, DesktopCommand(1), 0);
    EXPECT_FALSE(IsShown(letter));
    EXPECT_EQ(TheDesktopModel().currentDesktop, 1);
    EXPECT_EQ(Checked(form.Menu()), std::vector<int>{1});
    EXPECT_EQ(form.cTray()->Tip(), L"Polyplane: Viewing Desktop 2");
    EXPECT_EQ(form.cTray()->BalloonMessage(), L"Viewing Desktop 2");
    EXPECT_EQ(form.cTray()->BalloonTitle(), L"Polyplane Aktuell:");
    EXPECT_NE(form.DesktopPicture(0), nullptr) << "the screen of the desktop left";
    EXPECT_EQ(form.DesktopPicture(1), nullptr);

    SendMessageW(form.Window(), WM_COMMAND, DesktopCommand(0), 0);
    EXPECT_TRUE(IsShown(letter));
    EXPECT_EQ(TheDesktopModel().currentDesktop, 0);
    EXPECT_EQ(Checked(form.Menu()), std::vector<int>{0});
    EXPECT_EQ(form.cTray()->Tip(), L"Polyplane: Viewing Desktop 1");
    EXPECT_NE(form.DesktopPicture(1), nullptr);
    EXPECT_TRUE(boxes.Shown().empty());
    form.Unload();
}

// Asks for desktop 0 while the switch is in the middle of leaving a desktop, as a menu
// command or hotkey handled at one of the switch's message pumps would.
class RequestDuringSwitch : public MainFormHooks {
public:
    HWND form = nullptr;
    void SaveIconLayout(int16_t desktop) override {
        if (desktop == 0 && form) PostMessageW(form, WM_COMMAND, kFirstDesktopCommand, 0);
    }
};

TEST_F(MainForm, ASwitchRequestedDuringASwitchRunsAfterIt) {
    WindowOwnerProcess owner({L"titled:Letter"});
    ASSERT_TRUE(owner.Started());
    SetDesktopCount(2);
    RequestDuringSwitch hooks;
    FrmSettings form(shell, &hotkeys, &hooks);
    form.Form_Load();
    hooks.form = form.Window();

    form.mnuDesktop_Click(1);
    hooks.form = nullptr;
    EXPECT_EQ(TheDesktopModel().currentDesktop, 0);
    EXPECT_EQ(Checked(form.Menu()), std::vector<int>{0});
    EXPECT_EQ(form.cTray()->Tip(), L"Polyplane: Viewing Desktop 1");
    EXPECT_TRUE(IsShown(owner.Window(1)));
    EXPECT_NE(form.DesktopPicture(1), nullptr) << "desktop 1 was entered and left again";
    form.Unload();
}

TEST_F(MainForm, ARefusedPasswordLeavesDesktopScreenshotAndCheckMarkAsTheyWere) {
    WindowOwnerProcess owner({L"titled:Letter"});
    ASSERT_TRUE(owner.Started());
    SetDesktopCount(2);
    WriteUserValue(PasswordKey(L"HPD"), L"1", L"1");
    WriteUserValue(PasswordKey(L"MPD"), L"1", HashPassword(L"Geheim", 1000));
    FrmSettings form(shell, &hotkeys);
    form.Form_Load();
    IDispatch* pictureBefore = form.DesktopPicture(0);
    ASSERT_NE(pictureBefore, nullptr);

    struct Case {
        const char* name;
        std::function<void(HWND)> answer;
        size_t wrongPasswordBoxes;
    };
    const Case refusals[] = {
        {"wrong, then cancelled",
         [](HWND dialog) {
             SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, L"geheim");
             ClickButton(dialog, IDOK);
             ClickButton(dialog, IDCANCEL);
         },
         1},
        {"cancelled", [](HWND dialog) { ClickButton(dialog, IDCANCEL); }, 0},
        {"closed", [](HWND dialog) { CloseWithCloseBox(dialog); }, 0},
        {"four wrong entries",
         [](HWND dialog) {
             for (int attempt = 0; attempt < 4 && IsWindowVisible(dialog); ++attempt) {
                 SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, L"Falsch");
                 ClickButton(dialog, IDOK);
             }
         },
         3},
    };
    for (const Case& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        boxes.Clear();
        DialogDriver login(refusal.answer);
        form.mnuDesktop_Click(1);
        EXPECT_TRUE(login.Ran());
        EXPECT_EQ(boxes.Shown().size(), refusal.wrongPasswordBoxes);
        EXPECT_EQ(TheDesktopModel().currentDesktop, 0);
        EXPECT_EQ(form.DesktopPicture(0), pictureBefore);
        EXPECT_EQ(Checked(form.Menu()), std::vector<int>{0});
        EXPECT_TRUE(IsShown(owner.Window(1)));
        EXPECT_EQ(form.cTray()->Tip(), L"Polyplane: Viewing Desktop 1");
    }

    DialogDriver login(TypePassword(L"Geheim"));
    form.mnuDesktop_Click(1);
    EXPECT_TRUE(login.Ran());
    EXPECT_EQ(TheDesktopModel().currentDesktop, 1);
    EXPECT_FALSE(IsShown(owner.Window(1)));
    EXPECT_NE(form.DesktopPicture(0), pictureBefore);
    form.Unload();
}

TEST_F(MainForm, APlainTextPasswordIsStoredAsItsHashAfterTheLogin) {
    SetDesktopCount(2);
    WriteUserValue(PasswordKey(L"HPD"), L"1", L"-1");
    WriteUserValue(PasswordKey(L"MPD"), L"1", L"Alt");
    FrmSettings form(shell, &hotkeys);
    form.Form_Load();
    DialogDriver login(TypePassword(L"Alt"));
    form.mnuDesktop_Click(1);
    EXPECT_TRUE(login.Ran());
    EXPECT_EQ(TheDesktopModel().currentDesktop, 1);
    const std::wstring stored = ReadUserValue(PasswordKey(L"MPD"), L"1");
    EXPECT_TRUE(IsPasswordHash(stored));
    EXPECT_TRUE(CheckPassword(stored, L"Alt").matches);
    form.Unload();
}

TEST_F(MainForm, DesktopZeroAndPublicCallDesktopNeverAskForThePassword) {
    SetDesktopCount(2);
    FrmSettings form(shell, &hotkeys);
    form.Form_Load();
    form.mnuDesktop_Click(1);
    ASSERT_EQ(TheDesktopModel().currentDesktop, 1);

    // Desktop 0 is never protected, whatever its flag says.
    WriteUserValue(PasswordKey(L"HPD"), L"0", L"1");
    WriteUserValue(PasswordKey(L"HPD"), L"1", L"1");
    {
        DialogDriver noPrompt([](HWND dialog) { ClickButton(dialog, IDCANCEL); });
        form.mnuDesktop_Click(0);
        EXPECT_EQ(TheDesktopModel().currentDesktop, 0);

        WriteUserValue(PasswordKey(L"HPD"), L"1", L"0");
        form.mnuDesktop_Click(1);
        ASSERT_EQ(TheDesktopModel().currentDesktop, 1);
        WriteUserValue(PasswordKey(L"HPD"), L"1", L"1");
        form.publicCallDesktop();
        EXPECT_EQ(TheDesktopModel().currentDesktop, 0);
        EXPECT_EQ(Checked(form.Menu()), std::vector<int>{0});
        EXPECT_FALSE(noPrompt.Ran()) << "no prompt before desktop 0 or in publicCallDesktop";
    }

    // publicCallDesktop lifts the check only for itself.
    DialogDriver prompt([](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    form.mnuDesktop_Click(1);
    EXPECT_TRUE(prompt.Ran());
    EXPECT_EQ(TheDesktopModel().currentDesktop, 0);
    form.Unload();
}

TEST_F(MainForm, UnloadingPutsBackTheStartWallpaperAndRemovesTheTrayIcon) {
    TempFolder folder;
    const unsigned char bitmap[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0,
                                    0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                    0, 0, 255, 0, 0, 0};
    const std::wstring start = folder.Path() + L"start.bmp";
    HANDLE file = CreateFileW(start.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bitmap, sizeof bitmap, &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(setBackground(0, start));
    SetDesktopCount(2);

    FrmSettings form(shell, &hotkeys);
    form.Form_Load();
    EXPECT_EQ(TheDesktopModel().startWallpaper, start);
    form.mnuDesktop_Click(1);  // desktop 1 has no wallpaper
    ASSERT_NE(getBackground(), start);

    hotkeys.calls.clear();
    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(LoadedMainForm(), nullptr);
    EXPECT_EQ(getBackground(), start);
    EXPECT_EQ(form.cTray(), nullptr);
    ASSERT_FALSE(shell.calls.empty());
    EXPECT_EQ(shell.calls.back().message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(shell.calls.back().record.hWnd, form.Window());
    EXPECT_EQ(hotkeys.calls, (std::vector<std::wstring>{L"release 0", L"release 1"}));
    // The hub is gone: a tray message no longer reaches it.
    EXPECT_EQ(SendMessageW(form.Window(), WM_DISPLAYCHANGE, 32, 0), 0);
}

}  // namespace
