#include "Background.h"
#include "EngineTestPlaces.h"
#include "MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <vector>

namespace {

TEST(Background, GetBackColorReadsTheSystemColour) {
    SystemBackgroundGuard guard;
    WriteUserValue(kSystemColorsKey, L"background", L"58 110 165");
    EXPECT_EQ(getBackColor(), 10841658);
}

TEST(Background, AMalformedOrMissingColourIsReportedAndGivesZero) {
    SystemBackgroundGuard guard;
    struct Case {
        const wchar_t* value;  // nullptr: no value
        const wchar_t* report;
    };
    const Case cases[] = {
        {L"58 110", L"Error 9 (Subscript out of range) in procedure getBackColor of Modul modWindowFunctions"},
        {L"red green blue", L"Error 13 (Type mismatch) in procedure getBackColor of Modul modWindowFunctions"},
        {nullptr, L"Error 9 (Subscript out of range) in procedure getBackColor of Modul modWindowFunctions"},
    };
    for (const Case& c : cases) {
        if (c.value)
            WriteUserValue(kSystemColorsKey, L"background", c.value);
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kSystemColorsKey, L"background");
        MessageBoxRecorder boxes;
        EXPECT_EQ(getBackColor(), 0);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text, c.report);
        EXPECT_EQ(boxes.Shown()[0].caption, L"Hexaplane");
    }
}

TEST(Background, NoneEmptiesTheStoredValueBeforeAskingTheSystem) {
    SystemBackgroundGuard guard;
    WriteUserValue(kSystemDesktopKey, L"wallpaper", L"C:\\old.bmp");
    EXPECT_EQ(setBackgroundNone(), 0);
    EXPECT_EQ(getBackground(), L"");

    WriteUserValue(kSystemDesktopKey, L"wallpaper", L"C:\\old.bmp");
    setBackground(0, L"None");
    EXPECT_EQ(getBackground(), L"None");

    EXPECT_TRUE(setBackground(0, L""));
    EXPECT_EQ(getBackground(), L"");
}

TEST(Background, AWallpaperPathIsHandedToTheSystem) {
    SystemBackgroundGuard guard;
    TempFolder folder;
    // A one-pixel bitmap in a folder whose name is outside the ANSI code page.
    std::wstring sub = folder.Subfolder(L"\x65e5\x672c");
    const unsigned char bitmap[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0,
                                    0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                    0, 0, 255, 0, 0, 0};
    std::wstring path = sub + L"one.bmp";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bitmap, sizeof bitmap, &written, nullptr);
    CloseHandle(file);

    EXPECT_TRUE(setBackground(4, path));
    EXPECT_EQ(getBackground(), path);
}

TEST(Background, RefreshSendsTheShellCommandAndRedrawsToTheFoundWindows) {
    struct Recorder {
        static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_COMMAND || message == LVM_REDRAWITEMS)
                log().push_back({message, wParam, lParam});
            if (message == LVM_GETITEMCOUNT) return 5;
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        struct Entry {
            UINT message;
            WPARAM wParam;
            LPARAM lParam;
        };
        static std::vector<Entry>& log() {
            static std::vector<Entry> entries;
            return entries;
        }
    };
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = Recorder::Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"HexaplaneRefreshRecorder";
    RegisterClassW(&windowClass);
    HWND view = CreateWindowW(L"HexaplaneRefreshRecorder", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HWND list = CreateWindowW(L"HexaplaneRefreshRecorder", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);

    TheDesktopViewWindows() = {view, list};
    DesktopViewRefresh(true, true, -1);
    DesktopViewRefresh(false, true, -1);
    DesktopViewRefresh(false, true, 3);
    DesktopViewRefresh(true, false, -1);  // posted: arrives with the next message pump
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    TheDesktopViewWindows() = {};
    DesktopViewRefresh(true, false, -1);  // nothing found: nothing is posted anywhere
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE));

    const auto& log = Recorder::log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(log[0].wParam, 28931u);
    EXPECT_EQ(log[1].message, static_cast<UINT>(LVM_REDRAWITEMS));
    EXPECT_EQ(log[1].wParam, 0u);
    EXPECT_EQ(log[1].lParam, 4);
    EXPECT_EQ(log[2].wParam, 3u);
    EXPECT_EQ(log[2].lParam, 3);
    EXPECT_EQ(log[3].message, static_cast<UINT>(WM_COMMAND));
    DestroyWindow(view);
    DestroyWindow(list);
}

}  // namespace
