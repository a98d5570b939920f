#include "AnsiText.h"

#include <windows.h>

std::string ToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), size, nullptr, nullptr);
    return ansi;
}

std::wstring FromAnsi(std::string_view text) {
    if (text.empty()) return {};
    int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::wstring FromAnsiBuffer(const char* buffer, size_t capacity) {
    size_t length = 0;
    while (length < capacity && buffer[length] != '\0') ++length;
    return FromAnsi(std::string_view(buffer, length));
}
