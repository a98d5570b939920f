#include "TaskWindows.h"

#include <gtest/gtest.h>

namespace {

HICON dragIcon = nullptr;

LRESULT CALLBACK DragIconProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUERYDRAGICON) return reinterpret_cast<LRESULT>(dragIcon);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A window of its own class (with the given class icons) that is destroyed with the object.
class IconWindow {
public:
    IconWindow(const wchar_t* className, HICON classIcon, HICON classSmallIcon, DWORD style = WS_OVERLAPPEDWINDOW) {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DragIconProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className;
        windowClass.hIcon = classIcon;
        windowClass.hIconSm = classSmallIcon;
        RegisterClassExW(&windowClass);
        hwnd_ = CreateWindowW(className, L"Icons", style, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    }
    ~IconWindow() { DestroyWindow(hwnd_); }
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_;
};

TEST(GetIcons, TakesTheFirstIconFoundInTheFixedOrder) {
    const HICON small = LoadIconW(nullptr, IDI_APPLICATION);
    const HICON classSmall = LoadIconW(nullptr, IDI_WARNING);
    const HICON classBig = LoadIconW(nullptr, IDI_ERROR);
    const HICON drag = LoadIconW(nullptr, IDI_INFORMATION);
    dragIcon = drag;

    IconWindow withOwnIcon(L"HexaplaneIconsA", classBig, classSmall);
    SendMessageW(withOwnIcon.Get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    EXPECT_EQ(GetIcons(withOwnIcon.Get()), small) << "the window's small icon comes first";

    IconWindow withClassIcons(L"HexaplaneIconsB", classBig, classSmall);
    EXPECT_EQ(GetIcons(withClassIcons.Get()), classSmall) << "then the class's small icon";

    IconWindow withDragIconOnly(L"HexaplaneIconsC", nullptr, nullptr);
    EXPECT_EQ(GetIcons(withDragIconOnly.Get()), drag) << "the drag icon comes last";

    dragIcon = nullptr;
    EXPECT_EQ(GetIcons(withDragIconOnly.Get()), nullptr) << "no icon anywhere gives 0";
}

TEST(TaskWindow, NeedsBothVisibleAndBorder) {
    IconWindow window(L"HexaplaneTaskWindow", nullptr, nullptr);
    EXPECT_FALSE(TaskWindow(window.Get())) << "not yet visible";
    ShowWindow(window.Get(), SW_SHOWNOACTIVATE);
    EXPECT_TRUE(TaskWindow(window.Get()));
    SetWindowLongPtrW(window.Get(), GWL_STYLE, WS_POPUP | WS_VISIBLE);
    EXPECT_FALSE(TaskWindow(window.Get())) << "visible without a border";
    EXPECT_FALSE(TaskWindow(nullptr));
}

}  // namespace
