#pragma once
// The tables that turn a desktop's stored hotkey (two list positions) into a modifier
// flag and a virtual-key code. The options dialog shows the same names in its lists.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

inline constexpr int kHotkeyTableSize = 51;  // list positions 0 … 50
inline constexpr int kModifierNameCount = 4;

struct HotkeyKey {
    std::wstring name;
    UINT virtualKey = 0;
};

struct HotkeyTables {
    // TAB, RETURN, PAGE UP, PAGE DOWN, INSERT, DELETE, 0 … 9, A … W, F1 … F12.
    std::array<HotkeyKey, kHotkeyTableSize> keys;
    // ALT, CTRL, SHIFT, WIN.
    std::array<std::wstring, kModifierNameCount> modifierNames;
    // MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN; positions 4 … 50 hold 0.
    std::array<UINT, kHotkeyTableSize> modifierFlags{};
};

// Both tables, filled afresh.
HotkeyTables FillHotkeyTables();

// A stored hotkey: modifier position + "," + key position.
struct HotkeyChoice {
    int modifier = 0;
    int key = 0;
};

// The two positions of a stored "Hotkey" text; raises error 9 when it has fewer than two
// parts, 13 (or 6) when a part is no number. Positions are not range-checked here.
HotkeyChoice ParseHotkeySetting(const std::wstring& text);
// True when both positions are within the tables.
bool IsInTables(const HotkeyChoice& choice);
