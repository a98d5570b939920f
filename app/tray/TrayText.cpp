#include "TrayText.h"

#include <windows.h>

#include <cstring>

namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Length of the character starting at text[i]: 2 for a surrogate pair, else 1.
size_t CharLength(const std::wstring& text, size_t i) {
    return IsHighSurrogate(text[i]) && i + 1 < text.size() ? 2 : 1;
}

}  // namespace

std::wstring FieldText(const std::wstring& text, size_t maxChars) {
    std::wstring result = text.substr(0, text.find(L'\0'));
    if (result.size() <= maxChars) return result;
    size_t end = 0;
    while (end < result.size() && end + CharLength(result, end) <= maxChars)
        end += CharLength(result, end);
    return result.substr(0, end);
}

void StoreAnsiField(char* field, size_t fieldSize, const std::wstring& text) {
    std::memset(field, 0, fieldSize);
    if (fieldSize == 0) return;
    const std::wstring kept = text.substr(0, text.find(L'\0'));
    size_t used = 0;
    for (size_t i = 0; i < kept.size();) {
        size_t length = CharLength(kept, i);
        char converted[8];
        int bytes = WideCharToMultiByte(CP_ACP, 0, kept.data() + i, static_cast<int>(length),
                                        converted, sizeof converted, nullptr, nullptr);
        if (bytes <= 0 || used + bytes > fieldSize - 1) break;
        std::memcpy(field + used, converted, bytes);
        used += bytes;
        i += length;
    }
}
