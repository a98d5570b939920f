#include "IconIdentity.h"

#include "AnsiText.h"

#include <windows.h>

#include <array>

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

std::wstring LowerCase(const std::wstring& text) {
    std::wstring lower = text;
    if (!lower.empty()) CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
    return lower;
}

}  // namespace

uint32_t Crc32(std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) crc = kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

int32_t IconIdentityValue(const std::wstring& caption) {
    if (caption.empty()) return 0;
    return static_cast<int32_t>(Crc32(ToAnsi(LowerCase(caption))));
}

std::wstring IconIdentity(const std::wstring& caption) { return std::to_wstring(IconIdentityValue(caption)); }
