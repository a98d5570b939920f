#pragma once
// Numbers read from setting texts the way the settings were always read: decimal (or
// &H hexadecimal) text, blanks around it allowed; error 13 for a text that is no number,
// 6 for one out of range.
#include <cstdint>
#include <string>

int32_t LongOfText(const std::wstring& text);
// A 16-bit number: -32768 … 32767.
int16_t IntegerOfText(const std::wstring& text);
