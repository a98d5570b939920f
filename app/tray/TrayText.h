#pragma once
// The tray record's fixed text fields: a text is kept up to its first NUL and cut to the
// characters the field can hold with its terminator; in the ANSI field it is cut again
// where the converted text would not fit, never inside a character.
#include <cstddef>
#include <string>

// The text before its first NUL, at most maxChars UTF-16 characters (a surrogate pair is
// kept whole or dropped whole).
std::wstring FieldText(const std::wstring& text, size_t maxChars);

// Writes text in the ANSI code page into field (fieldSize bytes), NUL-terminated, the rest
// of the field zero.
void StoreAnsiField(char* field, size_t fieldSize, const std::wstring& text);

template <size_t N>
void StoreAnsiField(char (&field)[N], const std::wstring& text) {
    StoreAnsiField(field, N, text);
}
