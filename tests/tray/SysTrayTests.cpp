#include "RecordingShell.h"
#include "TestWindows.h"
#include "TrayAnimation.h"
#include "clsSysTray.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr UINT kTrayMessage = WM_APP + 20;
constexpr UINT kIconId = 0x1234;

std::string Ansi(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
    result.resize(size - 1);
    return result;
}

HICON FirstIcon() { return LoadIconW(nullptr, IDI_APPLICATION); }
HICON SecondIcon() { return LoadIconW(nullptr, IDI_WARNING); }

class SysTrayTest : public testing::Test {
protected:
    Trace trace;
    TraceWindow window{trace};
    RecordingShell shell;

    clsSysTray::ShellMajorVersionReader Shell(unsigned major) {
        return [major] { return std::optional<unsigned>(major); };
    }
    // A tray on a shell of this major version, its icon added with the tip "Plexor".
    std::unique_ptr<clsSysTray> AddedTray(unsigned major) {
        auto tray = std::make_unique<clsSysTray>(shell, Shell(major));
        tray->InitializeTray(FirstIcon(), L"Plexor");
        tray->AddTrayIcon(window.Handle(), kIconId, kTrayMessage);
        return tray;
    }
    const ShellCall& Last() const { return shell.calls.back(); }
};

}  // namespace

TEST(ShellGeneration, RecordSizesAreThePlatformsOwn) {
    struct Case {
        unsigned major;
        DWORD size;
    } cases[] = {
        {3, NOTIFYICONDATAA_V1_SIZE}, {4, NOTIFYICONDATAA_V1_SIZE}, {5, NOTIFYICONDATAA_V2_SIZE},
        {6, NOTIFYICONDATAA_V3_SIZE}, {10, NOTIFYICONDATAA_V3_SIZE},
    };
    for (const Case& c : cases) EXPECT_EQ(RecordSizeForShell(c.major), c.size) << c.major;
    EXPECT_EQ(NOTIFYICONDATAA_V3_SIZE, offsetof(NOTIFYICONDATAA, guidItem) + sizeof(GUID));
}

TEST(ShellGeneration, Shell32OfThisSystemHasAVersion) {
    std::optional<unsigned> major = Shell32MajorVersion();
    ASSERT_TRUE(major.has_value());
    EXPECT_GE(*major, 4u);
}

TEST_F(SysTrayTest, RecordHandedToTheShellForEachShellGeneration) {
    struct Case {
        unsigned major;
        DWORD size;
        bool balloons;
        DWORD balloonFlags;  // what the shell gets for 0x01 | 0x04 | 0x10
    } cases[] = {
        {4, NOTIFYICONDATAA_V1_SIZE, false, 0},
        {5, NOTIFYICONDATAA_V2_SIZE, true, 0x01},
        {6, NOTIFYICONDATAA_V3_SIZE, true, 0x15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.major);
        shell.calls.clear();
        auto tray = AddedTray(c.major);
        ASSERT_EQ(shell.calls.size(), 2u);
        EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(shell.calls[1].message, static_cast<DWORD>(NIM_SETVERSION));
        for (const ShellCall& call : shell.calls) {
            const NOTIFYICONDATAA& record = call.record;
            EXPECT_EQ(record.cbSize, c.size);
            EXPECT_EQ(record.hWnd, window.Handle());
            EXPECT_EQ(record.uID, kIconId);
            EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
            EXPECT_EQ(record.uCallbackMessage, kTrayMessage);
            EXPECT_EQ(record.hIcon, FirstIcon());
            EXPECT_EQ(FieldString(record.szTip), "Plexor");
            EXPECT_EQ(record.uVersion, 3u);
            EXPECT_EQ(record.dwState | record.dwStateMask, 0u);
        }
        EXPECT_EQ(tray->isBalloonCapable(), c.balloons);

        shell.calls.clear();
        tray->ShowBalloon(L"Viewing Desktop 1", L"Polyplane Aktuell:", 0x01 | 0x04 | 0x10);
        tray->HideBalloon();
        if (!c.balloons) {
            EXPECT_TRUE(shell.calls.empty());
            EXPECT_EQ(tray->BalloonMessage(), L"");
            continue;
        }
        ASSERT_EQ(shell.calls.size(), 3u);
        const NOTIFYICONDATAA& shown = shell.calls[0].record;
        EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(shown.uFlags, static_cast<UINT>(NIF_INFO));
        EXPECT_EQ(shown.dwInfoFlags, c.balloonFlags);
        EXPECT_EQ(FieldString(shown.szInfo), "Viewing Desktop 1");
        EXPECT_EQ(FieldString(shown.szInfoTitle), "Polyplane Aktuell:");

        // Hiding: empty texts first, then the stored tooltip again.
        const NOTIFYICONDATAA& emptied = shell.calls[1].record;
        EXPECT_EQ(emptied.uFlags, static_cast<UINT>(NIF_INFO | NIF_TIP));
        EXPECT_EQ(FieldString(emptied.szInfo) + FieldString(emptied.szInfoTitle) + FieldString(emptied.szTip), "");
        const NOTIFYICONDATAA& tipBack = shell.calls[2].record;
        EXPECT_EQ(tipBack.uFlags, static_cast<UINT>(NIF_TIP));
        EXPECT_EQ(FieldString(tipBack.szTip), "Plexor");
        EXPECT_EQ(tray->BalloonMessage(), L"Viewing Desktop 1");
        EXPECT_EQ(tray->BalloonTitle(), L"Polyplane Aktuell:");
    }
}

TEST_F(SysTrayTest, EmptyBalloonTextsKeepThePreviousOnes) {
    auto tray = AddedTray(6);
    tray->ShowBalloon(L"first", L"A", 1);
    tray->ShowBalloon(L"second", L"", 1);
    EXPECT_EQ(FieldString(Last().record.szInfoTitle), "A");
    EXPECT_EQ(FieldString(Last().record.szInfo), "second");
    tray->ShowBalloon(L"", L"B", 1);
    EXPECT_EQ(FieldString(Last().record.szInfoTitle), "B");
    EXPECT_EQ(FieldString(Last().record.szInfo), "second");
}

TEST_F(SysTrayTest, IconWordWithBit40KeepsThePreviousFlagsAndStillUpdatesTexts) {
    auto tray = AddedTray(6);
    tray->ShowBalloon(L"first", L"A", 0x02);
    tray->ShowBalloon(L"second", L"B", 0x41);
    EXPECT_EQ(Last().record.dwInfoFlags, 0x02u);
    EXPECT_EQ(FieldString(Last().record.szInfo), "second");
    EXPECT_EQ(FieldString(Last().record.szInfoTitle), "B");
}

TEST_F(SysTrayTest, TipAndIconChangeTheIconInTheTrayOnly) {
    clsSysTray tray(shell, Shell(6));
    tray.Tip(L"before the add");
    tray.Icon(SecondIcon());
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(tray.Tip(), L"before the add");
    EXPECT_EQ(tray.Icon(), SecondIcon());

    tray.AddTrayIcon(window.Handle(), kIconId, kTrayMessage);
    EXPECT_EQ(FieldString(shell.calls[0].record.szTip), "before the add");
    EXPECT_EQ(shell.calls[0].record.hIcon, SecondIcon());

    shell.calls.clear();
    tray.Tip(L"Polyplane: Viewing Desktop 3");
    tray.Icon(FirstIcon());
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(shell.calls[0].record.uFlags, static_cast<UINT>(NIF_TIP));
    EXPECT_EQ(FieldString(shell.calls[0].record.szTip), "Polyplane: Viewing Desktop 3");
    EXPECT_EQ(shell.calls[1].record.uFlags, static_cast<UINT>(NIF_ICON));
    EXPECT_EQ(shell.calls[1].record.hIcon, FirstIcon());

    // Adding again while in the tray changes the icon instead.
    shell.calls.clear();
    tray.AddTrayIcon(window.Handle(), kIconId, kTrayMessage);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_MODIFY));
}

TEST_F(SysTrayTest, TextsAreCutToTheirFieldsAndAlwaysTerminated) {
    const std::wstring longText(300, L'x');
    struct Case {
        unsigned major;
        size_t tipSent;  // the oldest shell reads only 64 characters of the tooltip field
    } cases[] = {{4, 63}, {6, 127}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.major);
        shell.calls.clear();
        clsSysTray tray(shell, Shell(c.major));
        tray.Tip(longText);
        tray.AddTrayIcon(window.Handle(), kIconId, kTrayMessage);
        tray.ShowBalloon(longText, longText, 1);
        EXPECT_EQ(tray.Tip(), std::wstring(127, L'x'));
        EXPECT_EQ(FieldString(shell.calls[0].record.szTip), std::string(c.tipSent, 'x'));
        if (c.major < 5) continue;
        EXPECT_EQ(tray.BalloonMessage(), std::wstring(255, L'x'));
        EXPECT_EQ(tray.BalloonTitle(), std::wstring(63, L'x'));
        EXPECT_EQ(FieldString(Last().record.szInfo), std::string(255, 'x'));
        EXPECT_EQ(FieldString(Last().record.szInfoTitle), std::string(63, 'x'));
    }

    // Text goes to the shell in the ANSI code page, up to its first NUL.
    clsSysTray tray(shell, Shell(6));
    tray.AddTrayIcon(window.Handle(), kIconId, kTrayMessage);
    tray.Tip(std::wstring(L"Rechtsklick f\u00fcr Optionen\0hidden", 31));
    EXPECT_EQ(tray.Tip(), L"Rechtsklick f\u00fcr Optionen");
    EXPECT_EQ(FieldString(Last().record.szTip), Ansi(L"Rechtsklick f\u00fcr Optionen"));
}

TEST_F(SysTrayTest, RemovingTwiceSendsOneDelete) {
    auto tray = AddedTray(6);
    shell.calls.clear();
    tray->RemoveTrayIcon();
    tray->RemoveTrayIcon();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(shell.calls[0].record.uFlags, 0u);
    EXPECT_EQ(shell.calls[0].record.uID, kIconId);
    tray.reset();
    EXPECT_EQ(shell.calls.size(), 1u);

    // An instance that still shows its icon removes it when it ends.
    AddedTray(5).reset();
    EXPECT_EQ(Last().message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(SysTrayTest, RestorePutsTheIconBackOnlyAfterAnAdd) {
    clsSysTray fresh(shell, Shell(6));
    fresh.InitializeTray(FirstIcon(), L"Plexor");
    fresh.Restore(kTrayMessage);
    EXPECT_TRUE(shell.calls.empty());

    auto tray = AddedTray(6);
    tray->Tip(L"Polyplane: Viewing Desktop 2");
    tray->Icon(SecondIcon());
    tray->ShowBalloon(L"Viewing Desktop 2", L"Polyplane Aktuell:", 1);
    shell.calls.clear();
    tray->Restore(kTrayMessage);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(shell.calls[1].message, static_cast<DWORD>(NIM_SETVERSION));
    const NOTIFYICONDATAA& record = shell.calls[0].record;
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(FieldString(record.szTip), "Polyplane: Viewing Desktop 2");
    EXPECT_EQ(record.hIcon, SecondIcon());
    EXPECT_EQ(record.uCallbackMessage, kTrayMessage);
    EXPECT_EQ(record.hWnd, window.Handle());
    EXPECT_EQ(record.uID, kIconId);
}

TEST_F(SysTrayTest, UnreadableShellVersionGivesTheOldestRecordWithoutBalloons) {
    clsSysTray tray(shell, [] { return std::optional<unsigned>(); });
    EXPECT_FALSE(tray.isBalloonCapable());
    tray.AddTrayIcon(window.Handle(), kIconId, kTrayMessage);
    EXPECT_EQ(shell.calls[0].record.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
    tray.ShowBalloon(L"text", L"title", 1);
    EXPECT_EQ(shell.calls.size(), 2u);
    EXPECT_FALSE(tray.isBalloonCapable());
}

TEST(TrayAnimation, TargetIsASmallRectangleNearTheMiddleOfTheArea) {
    struct Case {
        RECT area;
        RECT target;
    } cases[] = {
        {{900, 700, 1000, 740}, {948, 718, 950, 720}},
        {{901, 700, 1000, 741}, {948, 718, 950, 720}},
        // Narrower than 4 pixels: the division truncates toward zero.
        {{10, 10, 11, 11}, {9, 9, 11, 11}},
        {{10, 10, 12, 12}, {9, 9, 11, 11}},
        // No width: the whole area.
        {{50, 60, 50, 90}, {50, 60, 50, 90}},
        {{50, 60, 40, 90}, {50, 60, 40, 90}},
    };
    for (const Case& c : cases) {
        RECT target = TrayAnimationTarget(c.area);
        EXPECT_EQ(target.left, c.target.left);
        EXPECT_EQ(target.top, c.target.top);
        EXPECT_EQ(target.right, c.target.right);
        EXPECT_EQ(target.bottom, c.target.bottom);
    }
}
