#pragma once
// Desktop passwords are never stored as text: the stored form is a salted, slow hash
//   "PBKDF2-SHA256$<iterations>$<salt, 32 hex digits>$<hash, 64 hex digits>"
// (PBKDF2 with HMAC-SHA256 over the password's UTF-8 bytes). A stored value without that
// prefix is a plain-text password of an older version: it still matches, and the caller
// replaces it by its hash after a successful login.
#include <string>

inline constexpr unsigned long kPasswordHashIterations = 100000;

// The stored form of password, with a fresh random salt. Empty text when the system's
// cryptography fails.
std::wstring HashPassword(const std::wstring& password, unsigned long iterations = kPasswordHashIterations);

bool IsPasswordHash(const std::wstring& stored);

struct PasswordCheck {
    bool matches = false;
    bool needsUpgrade = false;  // matched a plain-text value, which should now be hashed
};

PasswordCheck CheckPassword(const std::wstring& stored, const std::wstring& entered);
