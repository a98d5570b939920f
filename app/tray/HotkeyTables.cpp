#include "HotkeyTables.h"

#include "AppError.h"
#include "NumberText.h"

#include <vector>

HotkeyTables FillHotkeyTables() {
    HotkeyTables tables;
    tables.keys[0] = {L"TAB", VK_TAB};
    tables.keys[1] = {L"RETURN", VK_RETURN};
    tables.keys[2] = {L"PAGE UP", VK_PRIOR};
    tables.keys[3] = {L"PAGE DOWN", VK_NEXT};
    tables.keys[4] = {L"INSERT", VK_INSERT};
    tables.keys[5] = {L"DELETE", VK_DELETE};
    for (int index = 6; index <= 15; ++index)  // the digits: index + 42 is "0" … "9"
        tables.keys[index] = {std::wstring(1, static_cast<wchar_t>(index + 42)), static_cast<UINT>(index + 42)};
    for (int index = 16; index <= 38; ++index)  // the letters A … W (X, Y and Z are not there)
        tables.keys[index] = {std::wstring(1, static_cast<wchar_t>(index + 49)), static_cast<UINT>(index + 49)};
    for (int index = 39; index <= 50; ++index)  // F1 … F12
        tables.keys[index] = {L"F" + std::to_wstring(index - 38), static_cast<UINT>(index + 73)};

    tables.modifierNames = {L"ALT", L"CTRL", L"SHIFT", L"WIN"};
    tables.modifierFlags.fill(0);
    tables.modifierFlags[0] = MOD_ALT;
    tables.modifierFlags[1] = MOD_CONTROL;
    tables.modifierFlags[2] = MOD_SHIFT;
    tables.modifierFlags[3] = MOD_WIN;
    return tables;
}

HotkeyChoice ParseHotkeySetting(const std::wstring& text) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(L',', start);
        parts.push_back(text.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
        if (comma == std::wstring::npos) break;
        start = comma + 1;
    }
    if (parts.size() < 2) throw RuntimeFailure(RuntimeError::SubscriptOutOfRange);
    return {IntegerOfText(parts[0]), IntegerOfText(parts[1])};
}

bool IsInTables(const HotkeyChoice& choice) {
    return choice.modifier >= 0 && choice.modifier < kHotkeyTableSize && choice.key >= 0 &&
           choice.key < kHotkeyTableSize;
}
