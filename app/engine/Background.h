#pragma once
// The Windows desktop background: the wallpaper path and the desktop colour as the
// system stores them, applying a wallpaper, and redrawing the shell's desktop view.
#include <windows.h>

#include <cstdint>
#include <string>

// The shell's desktop view ("SHELLDLL_DefView") and its icon list view ("SysListView32"),
// located by the tray; either is 0 while not found.
struct DesktopViewWindows {
    HWND desktopView = nullptr;
    HWND desktopListView = nullptr;
};
DesktopViewWindows& TheDesktopViewWindows();

// The current wallpaper path ("control panel\desktop" "wallpaper"); empty when none.
std::wstring getBackground();
// The current desktop colour as R + 256·G + 65536·B, from "control panel\colors"
// "background"; a missing or malformed value is reported and gives 0.
int32_t getBackColor();
// The colour of a "background" text: three numbers separated by single blanks.
// Raises error 9 for fewer than three parts, 13 for a part that is no number.
int32_t BackColorOfText(const std::wstring& text);
// Applies path as the wallpaper; "None" empties the stored wallpaper value first.
// desktop is accepted for the callers' sake and not used. True when the system accepted it.
bool setBackground(int16_t desktop, const std::wstring& path);
// Empties the stored wallpaper value; 0 on success, else the error number.
long setBackgroundNone();
// Makes the desktop view redraw: whole = the shell's refresh command, else the icons
// (item < 0: all of them); synchronous sends, otherwise posts.
void DesktopViewRefresh(bool whole, bool synchronous, int32_t item);

inline constexpr wchar_t kSystemDesktopKey[] = L"control panel\\desktop";
inline constexpr wchar_t kSystemColorsKey[] = L"control panel\\colors";
