#include "PasswordHash.h"

#include <gtest/gtest.h>

namespace {

// Few iterations keep the tests quick; the stored count is honoured when checking.
constexpr unsigned long kQuick = 1000;

TEST(PasswordHash, StoredFormIsAHashNotTheText) {
    std::wstring stored = HashPassword(L"geheim", kQuick);
    EXPECT_TRUE(IsPasswordHash(stored));
    EXPECT_EQ(stored.find(L"geheim"), std::wstring::npos);
    EXPECT_EQ(stored.rfind(L"PBKDF2-SHA256$1000$", 0), 0u);
    EXPECT_EQ(stored.size(), std::wstring(L"PBKDF2-SHA256$1000$").size() + 32 + 1 + 64);
    // A fresh salt each time: equal passwords do not give equal stored values.
    EXPECT_NE(HashPassword(L"geheim", kQuick), stored);
}

TEST(PasswordHash, OnlyTheRightPasswordMatches) {
    std::wstring stored = HashPassword(L"Kennwort \x00e4\x03b1\x65e5", kQuick);
    EXPECT_TRUE(CheckPassword(stored, L"Kennwort \x00e4\x03b1\x65e5").matches);
    EXPECT_FALSE(CheckPassword(stored, L"Kennwort \x00e4\x03b1").matches);
    EXPECT_FALSE(CheckPassword(stored, L"kennwort \x00e4\x03b1\x65e5").matches);
    EXPECT_FALSE(CheckPassword(stored, L"").matches);
    EXPECT_FALSE(CheckPassword(stored, L"Kennwort \x00e4\x03b1\x65e5").needsUpgrade);
}

TEST(PasswordHash, DefaultStrengthHashMatches) {
    std::wstring stored = HashPassword(L"pw");
    EXPECT_EQ(stored.rfind(L"PBKDF2-SHA256$100000$", 0), 0u);
    EXPECT_TRUE(CheckPassword(stored, L"pw").matches);
}

TEST(PasswordHash, PlainTextOfAnOlderVersionMatchesAndAsksForAnUpgrade) {
    PasswordCheck right = CheckPassword(L"alt", L"alt");
    EXPECT_TRUE(right.matches);
    EXPECT_TRUE(right.needsUpgrade);
    PasswordCheck wrong = CheckPassword(L"alt", L"falsch");
    EXPECT_FALSE(wrong.matches);
    EXPECT_FALSE(wrong.needsUpgrade);
}

TEST(PasswordHash, DamagedHashNeverMatches) {
    std::wstring stored = HashPassword(L"pw", kQuick);
    const std::wstring damaged[] = {
        stored.substr(0, stored.size() - 1),                         // truncated hash
        L"PBKDF2-SHA256$0$" + stored.substr(stored.find(L'$', 14) + 1),  // zero iterations
        L"PBKDF2-SHA256$x$00$00",
        L"PBKDF2-SHA256$",
        L"PBKDF2-SHA256$99999999999$" + stored.substr(stored.find(L'$', 14) + 1),
    };
    for (const std::wstring& value : damaged) {
        EXPECT_FALSE(CheckPassword(value, L"pw").matches) << std::string(value.begin(), value.end());
        EXPECT_FALSE(CheckPassword(value, value).matches);
    }
}

}  // namespace
