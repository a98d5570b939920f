#pragma once
// The identity of a desktop icon in a layout file: the CRC-32 (as in ZIP and PNG) of its
// caption in lower case and in the ANSI code page, as a signed 32-bit number in decimal.
#include <cstdint>
#include <string>
#include <string_view>

uint32_t Crc32(std::string_view bytes);
int32_t IconIdentityValue(const std::wstring& caption);
// "0" for the empty caption.
std::wstring IconIdentity(const std::wstring& caption);
