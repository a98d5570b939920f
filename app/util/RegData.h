#pragma once
// The loosely typed value the registry class reads and writes: empty, text, a 32-bit
// integer or a byte array, with the conversions between them.
#include <windows.h>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

using RegBytes = std::vector<BYTE>;
using RegData = std::variant<std::monostate, std::wstring, int32_t, RegBytes>;

// Text of a value: numbers as decimal text, empty as "". A byte array raises 13.
std::wstring RegDataToText(const RegData& value);
// Integer of a value: text must be a decimal (or &H hexadecimal) number, else 13;
// out of range raises 6.
int32_t RegDataToLong(const RegData& value);
