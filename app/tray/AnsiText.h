#pragma once
// Text in the ANSI code page, for the stored formats and records that need it (icon
// layout files, the icon hook's shared block, list view records of another process).
#include <string>
#include <string_view>

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);
// The text up to its first NUL, converted from the ANSI code page.
std::wstring FromAnsiBuffer(const char* buffer, size_t capacity);
