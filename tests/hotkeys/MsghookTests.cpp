#include "HotkeyTestWindow.h"
#include "Msghook.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

TEST(Msghook, RaisesMessageOnlyForTheMessagesSwitchedOn) {
    HotkeyTestWindow window;
    std::vector<Seen> seen;
    msghook::Msghook hook([&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        seen.push_back({message, wParam, lParam});
    });
    ASSERT_TRUE(hook.HwndHook(window.Handle()));
    EXPECT_EQ(hook.HwndHook(), window.Handle());

    SendMessageW(window.Handle(), WM_HOTKEY, 7, 8);
    EXPECT_TRUE(seen.empty()) << "nothing is raised before the message is switched on";
    EXPECT_EQ(window.HotkeysSeen(), 1);

    hook.Message(WM_HOTKEY, true);
    EXPECT_TRUE(hook.Message(WM_HOTKEY));
    SendMessageW(window.Handle(), WM_HOTKEY, 7, 8);
    SendMessageW(window.Handle(), WM_USER, 1, 2);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_HOTKEY));
    EXPECT_EQ(seen[0].wParam, 7u);
    EXPECT_EQ(seen[0].lParam, 8);
    EXPECT_EQ(window.HotkeysSeen(), 1) << "the handler did not pass it on";

    hook.Message(WM_HOTKEY, false);
    SendMessageW(window.Handle(), WM_HOTKEY, 7, 8);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(window.HotkeysSeen(), 2);
}

TEST(Msghook, TheHandlerPassesTheMessageOnAndSetsItsResult) {
    HotkeyTestWindow window;
    msghook::Msghook* self = nullptr;
    msghook::Msghook hook([&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        self->InvokeWindowProc(message, wParam, lParam);
        result = 42;
    });
    self = &hook;
    hook.HwndHook(window.Handle());
    hook.Message(WM_HOTKEY, true);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_HOTKEY, 1, 0), 42);
    EXPECT_EQ(window.HotkeysSeen(), 1);
    EXPECT_EQ(hook.InvokeWindowProc(WM_HOTKEY, 1, 0), 0) << "outside the event there is nothing to pass on";
    EXPECT_EQ(window.HotkeysSeen(), 1);
}

TEST(Msghook, LetsGoOfItsWindowWhenUnhookedOrDestroyed) {
    int raised = 0;
    msghook::Msghook hook([&](UINT, WPARAM, LPARAM, LRESULT&) { ++raised; });
    hook.Message(WM_HOTKEY, true);
    {
        HotkeyTestWindow window;
        hook.HwndHook(window.Handle());
        ASSERT_TRUE(hook.HwndHook(nullptr));
        SendMessageW(window.Handle(), WM_HOTKEY, 1, 0);
        EXPECT_EQ(raised, 0);
        EXPECT_EQ(window.HotkeysSeen(), 1);
        hook.HwndHook(window.Handle());
    }
    EXPECT_EQ(hook.HwndHook(), nullptr) << "a destroyed window is let go";
    EXPECT_FALSE(hook.HwndHook(reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1234))));
}

}  // namespace
