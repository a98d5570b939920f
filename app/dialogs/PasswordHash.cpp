#include "PasswordHash.h"

#include "ScopedHandle.h"

#include <windows.h>
#include <bcrypt.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

constexpr std::wstring_view kPrefix = L"PBKDF2-SHA256$";
constexpr size_t kSaltBytes = 16;
constexpr size_t kHashBytes = 32;
constexpr unsigned long kMaxIterations = 10000000;

using Bytes = std::vector<uint8_t>;


struct AlgorithmTraits {
    using Handle = BCRYPT_ALG_HANDLE;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { BCryptCloseAlgorithmProvider(h, 0); }
};
using AlgorithmHandle = ScopedHandle<AlgorithmTraits>;

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

bool Derive(const std::wstring& password, const Bytes& salt, unsigned long iterations, Bytes& hash) {
    AlgorithmHandle provider;
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(provider.Receive(), BCRYPT_SHA256_ALGORITHM, nullptr,
                                                    BCRYPT_ALG_HANDLE_HMAC_FLAG)))
        return false;
    std::string secret = Utf8(password);
    hash.assign(kHashBytes, 0);
    return BCRYPT_SUCCESS(BCryptDeriveKeyPBKDF2(
        provider.Get(), reinterpret_cast<PUCHAR>(secret.data()), static_cast<ULONG>(secret.size()),
        const_cast<PUCHAR>(salt.data()), static_cast<ULONG>(salt.size()), iterations, hash.data(),
        static_cast<ULONG>(hash.size()), 0));
}

std::wstring Hex(const Bytes& bytes) {
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring text;
    for (uint8_t b : bytes) {
        text.push_back(digits[b >> 4]);
        text.push_back(digits[b & 15]);
    }
    return text;
}

bool FromHex(std::wstring_view text, size_t expectedBytes, Bytes& bytes) {
    if (text.size() != expectedBytes * 2) return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        int value = 0;
        for (wchar_t c : {text[i], text[i + 1]}) {
            int digit = (c >= L'0' && c <= L'9') ? c - L'0'
                        : (c >= L'A' && c <= L'F') ? c - L'A' + 10
                        : (c >= L'a' && c <= L'f') ? c - L'a' + 10
                                                   : -1;
            if (digit < 0) return false;
            value = value * 16 + digit;
        }
        bytes.push_back(static_cast<uint8_t>(value));
    }
    return true;
}

// Compares without stopping at the first difference, so the time taken tells nothing.
bool SameBytes(const Bytes& a, const Bytes& b) {
    if (a.size() != b.size()) return false;
    uint8_t difference = 0;
    for (size_t i = 0; i < a.size(); ++i) difference |= a[i] ^ b[i];
    return difference == 0;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    std::string x = Utf8(a), y = Utf8(b);
    return SameBytes(Bytes(x.begin(), x.end()), Bytes(y.begin(), y.end()));
}

struct ParsedHash {
    unsigned long iterations = 0;
    Bytes salt, hash;
};

bool Parse(const std::wstring& stored, ParsedHash& parsed) {
    if (stored.compare(0, kPrefix.size(), kPrefix) != 0) return false;
    std::wstring_view rest(stored);
    rest.remove_prefix(kPrefix.size());
    size_t first = rest.find(L'$');
    size_t second = first == std::wstring_view::npos ? first : rest.find(L'$', first + 1);
    if (second == std::wstring_view::npos || first == 0 || first > 8) return false;
    unsigned long iterations = 0;
    for (wchar_t c : rest.substr(0, first)) {
        if (c < L'0' || c > L'9') return false;
        iterations = iterations * 10 + (c - L'0');
    }
    if (iterations == 0 || iterations > kMaxIterations) return false;
    parsed.iterations = iterations;
    return FromHex(rest.substr(first + 1, second - first - 1), kSaltBytes, parsed.salt) &&
           FromHex(rest.substr(second + 1), kHashBytes, parsed.hash);
}

}  // namespace

std::wstring HashPassword(const std::wstring& password, unsigned long iterations) {
    Bytes salt(kSaltBytes);
    if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, salt.data(), static_cast<ULONG>(salt.size()),
                                        BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        return std::wstring();
    Bytes hash;
    if (!Derive(password, salt, iterations, hash)) return std::wstring();
    return std::wstring(kPrefix) + std::to_wstring(iterations) + L"$" + Hex(salt) + L"$" + Hex(hash);
}

bool IsPasswordHash(const std::wstring& stored) {
    return stored.compare(0, kPrefix.size(), kPrefix) == 0;
}

PasswordCheck CheckPassword(const std::wstring& stored, const std::wstring& entered) {
    if (!IsPasswordHash(stored)) {
        bool matches = SameText(stored, entered);
        return {matches, matches};
    }
    ParsedHash parsed;
    Bytes hash;
    // A damaged hash never matches: no password opens a desktop whose hash cannot be read.
    if (!Parse(stored, parsed) || !Derive(entered, parsed.salt, parsed.iterations, hash)) return {};
    return {SameBytes(hash, parsed.hash), false};
}
