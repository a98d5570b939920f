#include "AppError.h"
#include "DesktopModel.h"
#include "TaskWindows.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

HWND FakeHandle(uintptr_t n) { return reinterpret_cast<HWND>(n); }

std::vector<RecordedWindow> Windows(int count, int firstHandle = 1) {
    std::vector<RecordedWindow> windows;
    for (int i = 0; i < count; ++i)
        windows.push_back({FakeHandle(firstHandle + i), 100, L"Window " + std::to_wstring(firstHandle + i)});
    return windows;
}

long ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& e) {
        return e.Number();
    }
    return 0;
}

TEST(DesktopModel, StartsEmptyAndReadsUnusedSlotsAsZero) {
    DesktopModel model;
    EXPECT_EQ(model.currentDesktop, 0);
    EXPECT_EQ(model.previousDesktop, 0);
    EXPECT_EQ(model.windowCount(0), 0);
    EXPECT_EQ(model.windowCount(1023), 0);
    EXPECT_EQ(model.hwndTable(1023, 1023), nullptr);
    EXPECT_EQ(model.captionTable(512, 7), L"");
}

TEST(DesktopModel, LeavingADesktopReplacesWhatItHeld) {
    DesktopModel model;
    model.RecordLeftDesktop(3, Windows(5));
    EXPECT_EQ(model.windowCount(3), 5);
    EXPECT_EQ(model.hwndTable(3, 4), FakeHandle(5));
    EXPECT_EQ(model.captionTable(3, 0), L"Window 1");

    model.RecordLeftDesktop(3, Windows(2, 40));
    EXPECT_EQ(model.windowCount(3), 2);
    EXPECT_EQ(model.hwndTable(3, 0), FakeHandle(40));
    EXPECT_EQ(model.hwndTable(3, 2), nullptr);
    EXPECT_EQ(model.windowCount(2), 0);
}

TEST(DesktopModel, NumbersOutsideTheTablesRaiseSubscriptOutOfRange) {
    DesktopModel model;
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"desktop -1", [&] { model.windowCount(-1); }},
        {"desktop 1024", [&] { model.windowCount(1024); }},
        {"slot -1", [&] { model.hwndTable(0, -1); }},
        {"slot 1024", [&] { model.captionTable(0, 1024); }},
        {"record desktop 1024", [&] { model.RecordLeftDesktop(1024, Windows(1)); }},
        {"1025 windows", [&] { model.RecordLeftDesktop(0, Windows(1025)); }},
    };
    for (const auto& [name, action] : cases) EXPECT_EQ(ErrorOf(action), 9) << name;
    EXPECT_EQ(model.windowCount(0), 0) << "a refused record changes nothing";
}

TEST(DesktopModel, OnlyRecordedWindowsCostMemory) {
    DesktopModel idle;
    EXPECT_LT(idle.MemoryInUse(), 1024u);

    DesktopModel busy;
    for (int desktop = 0; desktop < kDesktopLimit; ++desktop) busy.RecordLeftDesktop(desktop, Windows(10));
    EXPECT_EQ(busy.windowCount(1023), 10);
    // 10240 windows with their captions: well under a megabyte, far from a full 1024 x 1024 table.
    EXPECT_LT(busy.MemoryInUse(), 1024u * 1024u);
    EXPECT_GT(busy.MemoryInUse(), 10240u * sizeof(RecordedWindow));

    busy.ForgetAllWindows();
    EXPECT_LT(busy.MemoryInUse(), 1024u);
}

TopLevelWindow Top(uintptr_t handle, LONG_PTR style, const std::wstring& title) {
    return {FakeHandle(handle), style, 7, title};
}

TEST(ChooseWindowsToHide, OnlyTitledVisibleBorderedWindowsOtherThanTheMainForm) {
    const LONG_PTR overlapped = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    const std::vector<TopLevelWindow> windows = {
        Top(1, overlapped, L"Editor"),
        Top(2, overlapped, L""),                                  // untitled
        Top(3, WS_POPUP | WS_VISIBLE, L"Popup"),                  // no border
        Top(4, WS_OVERLAPPEDWINDOW, L"Hidden"),                   // not visible
        Top(5, overlapped, L"Main form"),                         // the program's own window
        Top(6, WS_POPUP | WS_BORDER | WS_VISIBLE, L"Bordered"),   // a border is enough
        Top(7, WS_CAPTION | WS_VISIBLE, L"Caption"),            // a caption has a border
    };
    std::vector<RecordedWindow> chosen = ChooseWindowsToHide(windows, FakeHandle(5));
    std::vector<HWND> handles;
    for (const auto& window : chosen) handles.push_back(window.hwnd);
    EXPECT_EQ(handles, (std::vector<HWND>{FakeHandle(1), FakeHandle(6), FakeHandle(7)}));
    EXPECT_EQ(chosen[0].caption, L"Editor");
    EXPECT_EQ(chosen[0].processId, 7u);
}

TEST(ChooseWindowsToHide, WindowsPastTheLastSlotStayVisible) {
    std::vector<TopLevelWindow> windows;
    for (uintptr_t i = 1; i <= 1030; ++i) windows.push_back(Top(i, WS_OVERLAPPEDWINDOW | WS_VISIBLE, L"W"));
    std::vector<RecordedWindow> chosen = ChooseWindowsToHide(windows, nullptr);
    ASSERT_EQ(chosen.size(), 1024u);
    EXPECT_EQ(chosen.front().hwnd, FakeHandle(1));
    EXPECT_EQ(chosen.back().hwnd, FakeHandle(1024));

    DesktopModel model;
    model.RecordLeftDesktop(0, chosen);  // every chosen window fits the table
    EXPECT_EQ(model.windowCount(0), 1024);
}

}  // namespace
