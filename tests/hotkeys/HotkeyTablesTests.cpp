#include "HotkeyTables.h"

#include <gtest/gtest.h>

namespace {

TEST(HotkeyTables, KeysByPosition) {
    const HotkeyTables tables = FillHotkeyTables();
    struct Case {
        int index;
        const wchar_t* name;
        UINT virtualKey;
    } cases[] = {
        {0, L"TAB", 9},      {1, L"RETURN", 13}, {2, L"PAGE UP", 33}, {3, L"PAGE DOWN", 34}, {4, L"INSERT", 45},
        {5, L"DELETE", 46},  {6, L"0", 48},      {15, L"9", 57},      {16, L"A", 65},        {21, L"F", 70},
        {38, L"W", 87},      {39, L"F1", 112},   {47, L"F9", 120},    {48, L"F10", 121},     {50, L"F12", 123},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tables.keys[c.index].name, c.name) << c.index;
        EXPECT_EQ(tables.keys[c.index].virtualKey, c.virtualKey) << c.index;
    }
    for (const HotkeyKey& key : tables.keys) {
        EXPECT_NE(key.name, L"X");
        EXPECT_NE(key.name, L"Y");
        EXPECT_NE(key.name, L"Z");
    }
}

TEST(HotkeyTables, FourModifiersAndBareKeysBeyond) {
    const HotkeyTables tables = FillHotkeyTables();
    EXPECT_EQ(tables.modifierNames, (std::array<std::wstring, 4>{L"ALT", L"CTRL", L"SHIFT", L"WIN"}));
    EXPECT_EQ(tables.modifierFlags[0], static_cast<UINT>(MOD_ALT));
    EXPECT_EQ(tables.modifierFlags[1], static_cast<UINT>(MOD_CONTROL));
    EXPECT_EQ(tables.modifierFlags[2], static_cast<UINT>(MOD_SHIFT));
    EXPECT_EQ(tables.modifierFlags[3], static_cast<UINT>(MOD_WIN));
    for (int index = 4; index < kHotkeyTableSize; ++index) EXPECT_EQ(tables.modifierFlags[index], 0u) << index;
}

TEST(HotkeyTables, StoredSettingGivesBothPositions) {
    HotkeyChoice choice = ParseHotkeySetting(L"1,21");
    EXPECT_EQ(choice.modifier, 1);
    EXPECT_EQ(choice.key, 21);
    EXPECT_TRUE(IsInTables(choice));
    EXPECT_FALSE(IsInTables(ParseHotkeySetting(L"0,51")));
    EXPECT_FALSE(IsInTables(ParseHotkeySetting(L"-1,3")));
    for (const wchar_t* malformed : {L"", L"5", L"a,b", L"1,"}) EXPECT_ANY_THROW(ParseHotkeySetting(malformed)) << malformed;
}

}  // namespace
