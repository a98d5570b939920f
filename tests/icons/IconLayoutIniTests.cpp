#include "IconLayoutIni.h"
#include "ShellRoutines.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

TEST(ReadWriteINI, WritesAndReadsInAnyLetterCaseOfTheMode) {
    TempFolder folder;
    const std::wstring file = folder.Path() + L"layout.twk";
    EXPECT_EQ(ReadWriteINI(file, L"Write", L"Settings", L"Icon1", L"12;0;0;0;0"), L"ok");
    EXPECT_EQ(ReadWriteINI(file, L"get", L"Settings", L"Icon1", L""), L"12;0;0;0;0");
    EXPECT_EQ(ReadWriteINI(file, L"GET", L"Settings", L"Icon2", L"fallback"), L"fallback");
    EXPECT_EQ(ReadWriteINI(file, L"READ", L"Settings", L"Icon1", L""), L"");
}

TEST(ReadWriteINI, AnEmptyValueRemovesTheKeyAndClearingEmptiesTheSection) {
    TempFolder folder;
    const std::wstring file = folder.Path() + L"layout.twk";
    ReadWriteINI(file, L"WRITE", L"Positions", L"Icon1", L"1;2");
    ReadWriteINI(file, L"WRITE", L"Positions", L"Icon2", L"3;4");
    ReadWriteINI(file, L"WRITE", L"Settings", L"Icon1", L"x");
    EXPECT_EQ(ReadWriteINI(file, L"WRITE", L"Positions", L"Icon1", L""), L"ok");
    EXPECT_EQ(ReadWriteINI(file, L"GET", L"Positions", L"Icon1", L"gone"), L"gone");
    EXPECT_EQ(ReadWriteINI(file, L"WRITE", L"Positions", L"", L"", true), L"ok");
    EXPECT_EQ(ReadWriteINI(file, L"GET", L"Positions", L"Icon2", L"gone"), L"gone");
    EXPECT_EQ(ReadWriteINI(file, L"GET", L"Settings", L"Icon1", L""), L"x");
}

TEST(ReadWriteINI, AReadNeverGivesMoreThan274Characters) {
    TempFolder folder;
    const std::wstring file = folder.Path() + L"layout.twk";
    const std::wstring longText(600, L'c');
    ReadWriteINI(file, L"WRITE", L"Settings", L"IconCaption1", longText);
    EXPECT_EQ(ReadWriteINI(file, L"GET", L"Settings", L"IconCaption1", L"", false, 2000), std::wstring(274, L'c'));
    EXPECT_EQ(ReadWriteINI(file, L"GET", L"Settings", L"IconCaption1", L"", false, 10), std::wstring(274, L'c'));
}

TEST(ReadWriteINI, AWriteIntoAMissingFolderIsNoSuccess) {
    TempFolder folder;
    EXPECT_EQ(ReadWriteINI(folder.Path() + L"missing\\layout.twk", L"WRITE", L"Settings", L"Icon1", L"1"), L"");
}

TEST(SpecialFolderPath, IsTheSystemFolderWithATrailingBackslash) {
    const std::wstring appData = SpecialFolderPath(CSIDL_USER_APPDATA);
    ASSERT_FALSE(appData.empty());
    EXPECT_EQ(appData.back(), L'\\');
    EXPECT_EQ(appData, FO_SpecialfolderGet(CSIDL_USER_APPDATA) + L"\\");
}
