#include "KeyedImageList.h"
#include "MenuCaption.h"
#include "MenuExtended.h"
#include "MenuStyleDialog.h"
#include "DialogDriver.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

TEST(MenuCaption, TextAndImageKey) {
    struct Case {
        const wchar_t *caption, *text, *key;
    } cases[] = {
        {L"&New Desktop|#q_Key1", L"&New Desktop", L"q_Key1"},
        {L"Goto Desktop 1", L"Goto Desktop 1", L""},
        {L"a|b", L"a", L""},
        {L"|#none", L"", L"none"},
        {L"x|#", L"x", L""},
        {L"", L"", L""},
    };
    for (const Case& c : cases) {
        MenuCaption parsed = ParseMenuCaption(c.caption);
        EXPECT_EQ(parsed.text, c.text);
        EXPECT_EQ(parsed.imageKey, c.key);
    }
}

HICON SolidIcon(COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP colourBits = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colourBits);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all = {0, 0, 16, 16};
    FillRect(dc, &all, brush);
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    std::vector<BYTE> maskBits(16 * 16 / 8, 0);  // all opaque
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, maskBits.data());
    ICONINFO info = {TRUE, 0, 0, mask, colourBits};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colourBits);
    return icon;
}

// A top-level window that records the commands it receives.
class OwnerWindow {
public:
    OwnerWindow() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"MenuTestOwner";
        RegisterClassW(&wc);
        window = CreateWindowExW(0, L"MenuTestOwner", L"owner", WS_OVERLAPPEDWINDOW, 100, 100, 200, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), this);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
    }
    ~OwnerWindow() { DestroyWindow(window); }

    HWND window;
    std::vector<UINT> commands;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto self = reinterpret_cast<OwnerWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == WM_COMMAND) self->commands.push_back(LOWORD(wParam));
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
};

class HelpRecorder : public MenuEventSink {
public:
    void MenuHelp(const std::wstring& text, const std::wstring&, bool enabled) override {
        texts.push_back(text);
        enabledFlags.push_back(enabled);
    }
    std::vector<std::wstring> texts;
    std::vector<bool> enabledFlags;
};

// Colour of the screen point (x, y) as the menu window shows it, once it has painted.
COLORREF PixelOf(HWND menuWindow, int x, int y) {
    UpdateWindow(menuWindow);
    POINT at = {x, y};
    ScreenToClient(menuWindow, &at);
    HDC dc = GetDC(menuWindow);
    COLORREF colour = GetPixel(dc, at.x, at.y);
    ReleaseDC(menuWindow, dc);
    return colour;
}

// Runs action on the popup menu window once it is open, from inside the menu's loop.
class MenuDriver {
public:
    explicit MenuDriver(std::function<void(HWND menuWindow)> action) : action_(std::move(action)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 50, OnTimer);
    }
    ~MenuDriver() {
        if (timer_) KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool ran = false;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!current_ || !menu || !IsWindowVisible(menu)) return;
        KillTimer(nullptr, id);
        current_->timer_ = 0;
        current_->ran = true;
        current_->action_(menu);
    }
    static inline MenuDriver* current_ = nullptr;
    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
};

void PressKey(HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 0);
    PostMessageW(window, WM_KEYUP, key, 0xC0000000);
}

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return text;
}

class MenuExtendedTest : public testing::Test {
protected:
    MenuExtendedTest() : images(16, 16) {
        red = SolidIcon(RGB(255, 0, 0));
        images.Add(L"none", red);
        images.Add(L"q_Key1", red);
        menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 1, L"Goto Desktop 1");
        AppendMenuW(menu, MF_STRING, 2, L"&New Desktop|#q_Key1");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING | MF_GRAYED, 3, L"Hilfe\tF1");
        AppendMenuW(menu, MF_STRING, 4, L"E&nde");
        programPath = L"C:\\Programs\\MenuTest" + std::to_wstring(GetCurrentProcessId());
    }
    ~MenuExtendedTest() override {
        DestroyMenu(menu);
        DestroyIcon(red);
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Hexaplane\\MenuExtended", programPath.c_str());
    }

    OwnerWindow owner;
    KeyedImageList images;
    HICON red;
    HMENU menu;
    std::wstring programPath;
    HelpRecorder help;
};

TEST_F(MenuExtendedTest, PopupDrawsImagesDeliversTheChosenItemAndKeepsCaptions) {
    MenuExtended component;
    ASSERT_TRUE(component.Attach(owner.window, programPath, &images, 2, &help));
    COLORREF imagePixel = 0, plainPixel = 0;
    MenuDriver driver([&](HWND menuWindow) {
        RECT withImage, withoutImage;
        GetMenuItemRect(nullptr, menu, 1, &withImage);
        GetMenuItemRect(nullptr, menu, 0, &withoutImage);
        imagePixel = PixelOf(menuWindow, withImage.left + 3 + 8, (withImage.top + withImage.bottom) / 2);
        plainPixel = PixelOf(menuWindow, withoutImage.left + 3 + 8, (withoutImage.top + withoutImage.bottom) / 2);
        PressKey(menuWindow, VK_DOWN);
        PressKey(menuWindow, VK_DOWN);
        PressKey(menuWindow, VK_RETURN);
    });
    UINT chosen = component.Popup(owner.window, menu);
    ASSERT_TRUE(driver.ran);
    EXPECT_EQ(chosen, 2u);
    EXPECT_EQ(owner.commands, std::vector<UINT>{2});
    EXPECT_EQ(imagePixel, RGB(255, 0, 0));
    EXPECT_NE(plainPixel, RGB(255, 0, 0));
    EXPECT_EQ(MenuText(menu, 1), L"&New Desktop|#q_Key1");
    EXPECT_EQ(MenuText(menu, 3), L"Hilfe\tF1");
    ASSERT_FALSE(help.texts.empty());
    EXPECT_NE(std::find(help.texts.begin(), help.texts.end(), L"&New Desktop"), help.texts.end());
}

TEST_F(MenuExtendedTest, DismissedMenuDeliversNothing) {
    MenuExtended component;
    component.Attach(owner.window, programPath, &images, 2, &help);
    MenuDriver driver([&](HWND menuWindow) { PressKey(menuWindow, VK_ESCAPE); });
    EXPECT_EQ(component.Popup(owner.window, menu), 0u);
    EXPECT_TRUE(driver.ran);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuExtendedTest, DetachedWindowGetsPlainMenus) {
    MenuExtended component;
    component.Attach(owner.window, programPath, &images, 2, &help);
    component.Detach(owner.window, &images, &help);
    EXPECT_FALSE(component.IsAttached());
    COLORREF imagePixel = 0;
    MenuDriver driver([&](HWND menuWindow) {
        RECT withImage;
        GetMenuItemRect(nullptr, menu, 1, &withImage);
        imagePixel = PixelOf(menuWindow, withImage.left + 3 + 8, (withImage.top + withImage.bottom) / 2);
        PressKey(menuWindow, VK_ESCAPE);
    });
    component.Popup(owner.window, menu);
    EXPECT_TRUE(driver.ran);
    EXPECT_NE(imagePixel, RGB(255, 0, 0));
    EXPECT_TRUE(help.texts.empty());
}

TEST_F(MenuExtendedTest, StyleDialogChoiceIsKeptPerProgram) {
    MenuExtended component;
    component.Attach(owner.window, programPath, &images, 2, &help);
    EXPECT_EQ(component.Style(), MenuStyle::Flat);
    DialogDriver choose([](HWND dialog) {
        ClickButton(dialog, IDC_MENUSTYLE_CLASSIC);
        ClickButton(dialog, IDOK);
    });
    EXPECT_TRUE(component.StyleDialog(owner.window));
    EXPECT_EQ(component.Style(), MenuStyle::Classic);

    DialogDriver cancel([](HWND dialog) {
        ClickButton(dialog, IDC_MENUSTYLE_FLAT);
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_FALSE(component.StyleDialog(owner.window));
    EXPECT_EQ(component.Style(), MenuStyle::Classic);

    MenuExtended later;
    later.Attach(owner.window, programPath, &images, 2, &help);
    EXPECT_EQ(later.Style(), MenuStyle::Classic);
}

}  // namespace
