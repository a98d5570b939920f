#include "RecordingShell.h"
#include "TestWindows.h"
#include "TrayAnimation.h"
#include "clsSysTray.h"

#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK PlainProcedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

HWND CreatePlain(const wchar_t* className, DWORD style, RECT r, HWND parent) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PlainProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, className, L"", style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, windowClass.hInstance, nullptr);
}

// A taskbar of this process with a notification area at (900, 700)-(1000, 740), found
// before the system's own because it is the newest.
class FakeTaskbar {
public:
    FakeTaskbar() {
        taskbar_ = CreatePlain(L"Shell_TrayWnd", WS_POPUP, {0, 700, 1024, 740}, nullptr);
        area_ = CreatePlain(L"TrayNotifyWnd", WS_CHILD | WS_VISIBLE, {900, 0, 1000, 40}, taskbar_);
    }
    ~FakeTaskbar() { DestroyWindow(taskbar_); }
    HWND Area() const { return area_; }

private:
    HWND taskbar_ = nullptr;
    HWND area_ = nullptr;
};

RECT WindowRect(HWND hWnd) {
    RECT r{};
    GetWindowRect(hWnd, &r);
    return r;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(TrayAnimation, MinimisedWindowIsRefusedAndLeftAsItIs) {
    FakeTaskbar taskbar;
    ASSERT_EQ(FindNotificationArea(), taskbar.Area());
    Trace trace;
    TraceWindow window(trace);
    ShowWindow(window.Handle(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(window.Handle()));

    clsSysTray tray;
    EXPECT_FALSE(tray.MinimizeAnimated(window.Handle()));
    EXPECT_TRUE(IsIconic(window.Handle()));
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
}

TEST(TrayAnimation, WindowGoesIntoTheTrayOnceAndComesBackToItsPlace) {
    FakeTaskbar taskbar;
    ASSERT_EQ(FindNotificationArea(), taskbar.Area());
    Trace trace;
    TraceWindow window(trace);
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    const RECT before = WindowRect(window.Handle());

    RecordingShell shell;
    clsSysTray tray(shell);
    EXPECT_FALSE(tray.RestoreAnimated(window.Handle()));  // not minimised
    ASSERT_TRUE(tray.MinimizeAnimated(window.Handle()));
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_TRUE(IsIconic(window.Handle()));

    // Already minimised (and hidden): refused.
    EXPECT_FALSE(tray.MinimizeAnimated(window.Handle()));
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_TRUE(IsIconic(window.Handle()));

    ASSERT_TRUE(tray.RestoreAnimated(window.Handle()));
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_FALSE(IsIconic(window.Handle()));
    EXPECT_TRUE(SameRect(WindowRect(window.Handle()), before));
    EXPECT_TRUE(shell.calls.empty());
}

TEST(TrayAnimation, WithoutANotificationAreaTheWindowIsLeftAlone) {
    // Wine's own taskbar has no notification area child.
    ASSERT_EQ(FindNotificationArea(), nullptr);
    Trace trace;
    TraceWindow window(trace);
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    clsSysTray tray;
    EXPECT_FALSE(tray.MinimizeAnimated(window.Handle()));
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_FALSE(IsIconic(window.Handle()));
}

TEST(SystemTray, IconIsAddedToAndRemovedFromTheRealTray) {
    // The desktop process creates the taskbar while the first program starts: wait for it.
    for (int tries = 0; tries < 200 && !FindWindowW(L"Shell_TrayWnd", nullptr); ++tries) Sleep(50);
    ASSERT_NE(FindWindowW(L"Shell_TrayWnd", nullptr), nullptr);

    Trace trace;
    TraceWindow window(trace);
    RecordingShell shell(true);
    {
        clsSysTray tray(shell);
        tray.InitializeTray(LoadIconW(nullptr, IDI_APPLICATION), L"Plexor");
        tray.AddTrayIcon(window.Handle(), 1, WM_APP + 20);
        tray.RemoveTrayIcon();
    }
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_TRUE(shell.calls[0].answer);
    EXPECT_EQ(shell.calls[0].record.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V3_SIZE));
    EXPECT_EQ(shell.calls[2].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_TRUE(shell.calls[2].answer);
}
