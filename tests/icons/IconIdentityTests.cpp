#include "IconIdentity.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(IconIdentity, IsTheZipCrcOfTheStandardCheckText) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(IconIdentity(L"123456789"), L"-873187034");
}

TEST(IconIdentity, OfTheEmptyCaptionIsZero) { EXPECT_EQ(IconIdentity(L""), L"0"); }

TEST(IconIdentity, IgnoresLetterCase) {
    EXPECT_EQ(IconIdentity(L"ReadMe.TXT"), IconIdentity(L"readme.txt"));
    EXPECT_EQ(IconIdentity(L"readme.txt"), L"576293640");
}

TEST(IconIdentity, OfUmlautsIsTheCrcOfTheirAnsiBytes) {
    if (GetACP() != 1252) GTEST_SKIP() << "expected values are for code page 1252, this system uses " << GetACP();
    // zlib.crc32 of the cp1252 bytes of the lower-cased captions, as signed numbers.
    EXPECT_EQ(IconIdentity(L"Gr\u00d6\u00dfe.txt"), L"653355344");
    EXPECT_EQ(IconIdentity(L"\u00dcbersicht f\u00fcr J\u00f6rg.lnk"), L"-1247852982");
    // Not the CRC of the UTF-8 bytes.
    EXPECT_NE(IconIdentity(L"gr\u00f6\u00dfe.txt"), L"-1836384072");
}
