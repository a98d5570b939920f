#include "AppError.h"
#include "Reg_cls.h"
#include "SystemText.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

namespace {

class RegClsTest : public testing::Test {
protected:
    // Type and raw bytes of a value as the registry holds it.
    DWORD StoredType(const std::wstring& key, const std::wstring& name) {
        DWORD type = 0;
        EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type,
                               nullptr, nullptr),
                  ERROR_SUCCESS);
        return type;
    }
    void SetRaw(const std::wstring& name, DWORD type, const void* data, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, root.Path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    TempRegistryKey root;
    Reg_cls reg;
};

TEST_F(RegClsTest, ReadUnderMissingKeyCreatesTheKeyAndYieldsTheDefault) {
    std::wstring key = root.Path() + L"\\Wallpaper";
    EXPECT_EQ(reg.KeyExists(HKEY_CURRENT_USER, key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(reg.ValueRead(HKEY_CURRENT_USER, key, L"0", L"(None)", REG_SZ), L"(None)");
    EXPECT_EQ(reg.KeyExists(HKEY_CURRENT_USER, key), 0);
    EXPECT_EQ(reg.ValueRead(HKEY_CURRENT_USER, key, L"0", L"again", REG_SZ), L"again");
}

TEST_F(RegClsTest, ExistingEmptyTextReadsAsEmptyNotAsTheDefault) {
    EXPECT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"Name", std::wstring(), REG_SZ), 0);
    EXPECT_EQ(reg.ValueRead(HKEY_CURRENT_USER, root.Path(), L"Name", L"default", REG_SZ), L"");
    // Data written by another program with just its terminating NUL reads as empty, too.
    wchar_t nul = L'\0';
    SetRaw(L"Other", REG_SZ, &nul, sizeof nul);
    EXPECT_EQ(reg.ValueRead(HKEY_CURRENT_USER, root.Path(), L"Other", L"default", REG_SZ), L"");
}

TEST_F(RegClsTest, TextRoundTripsIncludingNonAnsiCharacters) {
    const std::wstring text = L"Schreibtisch \x03b1\x03b2\x03b3 \x65e5\x672c \x00fc";
    EXPECT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"Name", text, REG_SZ), 0);
    EXPECT_EQ(reg.ValueRead(HKEY_CURRENT_USER, root.Path(), L"Name", L"", REG_SZ), text);
    EXPECT_EQ(StoredType(root.Path(), L"Name"), static_cast<DWORD>(REG_SZ));
}

TEST_F(RegClsTest, EnvironmentReferenceIsStoredExpandableAndReadExpanded) {
    SetEnvironmentVariableW(L"HEXAPLANE_TEST_DIR", L"C:\\pictures");
    ASSERT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"0", std::wstring(L"%HEXAPLANE_TEST_DIR%\\sky.bmp"),
                             REG_EXPAND_SZ),
              0);
    EXPECT_EQ(StoredType(root.Path(), L"0"), static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(reg.ValueRead(HKEY_CURRENT_USER, root.Path(), L"0", L"", REG_SZ), L"C:\\pictures\\sky.bmp");
    EXPECT_EQ(reg.ValueType(), static_cast<DWORD>(REG_EXPAND_SZ));
}

TEST_F(RegClsTest, ExpandableTypeIsChosenByThePercentSigns) {
    struct Case {
        const wchar_t* text;
        DWORD type;
    } cases[] = {
        {L"%A%", REG_EXPAND_SZ}, {L"x%AB%y", REG_EXPAND_SZ}, {L"%%", REG_SZ}, {L"50%", REG_SZ},
        {L"plain", REG_SZ},      {L"100% of 5%", REG_EXPAND_SZ},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type);
        ASSERT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"v", std::wstring(c.text), REG_SZ), 0);
        EXPECT_EQ(StoredType(root.Path(), L"v"), c.type);
        EXPECT_EQ(LooksExpandable(c.text), c.type == REG_EXPAND_SZ);
    }
}

TEST_F(RegClsTest, NumberWrittenAsTextIsStoredAsItsDecimalText) {
    EXPECT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"Count", int32_t(-42), REG_EXPAND_SZ), 0);
    EXPECT_EQ(StoredType(root.Path(), L"Count"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(reg.ValueRead(HKEY_CURRENT_USER, root.Path(), L"Count", L"1", REG_SZ), L"-42");
}

TEST_F(RegClsTest, DwordBinaryAndMultiStringReads) {
    EXPECT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"d", std::wstring(L"305419896"), REG_DWORD), 0);
    reg.ClassKey(HKEY_CURRENT_USER);
    reg.SectionKey(root.Path());
    reg.ValueKey(L"d");
    EXPECT_EQ(reg.Value(), RegData(int32_t(0x12345678)));
    EXPECT_EQ(reg.ValueType(), static_cast<DWORD>(REG_DWORD));

    const BYTE bigEndian[] = {0x12, 0x34, 0x56, 0x78};
    SetRaw(L"be", REG_DWORD_BIG_ENDIAN, bigEndian, 4);
    reg.ValueKey(L"be");
    EXPECT_EQ(reg.Value(), RegData(int32_t(0x12345678)));

    RegBytes bytes = {0, 1, 2, 0xFF};
    EXPECT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"b", bytes, REG_BINARY), 0);
    EXPECT_EQ(reg.Value(), RegData(bytes));

    const wchar_t multi[] = L"one\0two\0";
    SetRaw(L"m", REG_MULTI_SZ, multi, sizeof multi);
    reg.ValueKey(L"m");
    EXPECT_EQ(reg.Value(), RegData(std::wstring(L"one\0two\0", 8)));
}

TEST_F(RegClsTest, WriteFailuresBecomeResultCodes) {
    EXPECT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"b", std::wstring(L"not bytes"), REG_BINARY), 26001);
    EXPECT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"d", std::wstring(L"twelve"), REG_DWORD),
              RuntimeError::TypeMismatch);
    EXPECT_EQ(reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"q", std::wstring(L"x"), 11 /* REG_QWORD */),
              ERROR_INVALID_DATA);
    EXPECT_EQ(reg.ValueWrite(reinterpret_cast<HKEY>(0x12345), L"x", L"y", std::wstring(L"z"), REG_SZ),
              ERROR_INVALID_HANDLE);
}

TEST_F(RegClsTest, BinaryWriteOfNonBytesRaisesWrongData) {
    reg.ClassKey(HKEY_CURRENT_USER);
    reg.SectionKey(root.Path());
    reg.ValueKey(L"b");
    reg.ValueType(REG_BINARY);
    try {
        reg.Value(std::wstring(L"x"));
        FAIL() << "no error raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), 26001);
        EXPECT_EQ(e.Source(), L"Reg_cls");
        EXPECT_EQ(e.Description(), L"Wrong Data");
    }
}

TEST_F(RegClsTest, RaisedErrorCarriesCodeSourceAndSystemText) {
    try {
        reg.ValueRead(reinterpret_cast<HKEY>(0x12345), L"x", L"y", L"", REG_SZ);
        FAIL() << "no error raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), ERROR_INVALID_HANDLE);
        EXPECT_EQ(e.Source(), L"util_tests.Reg_cls");
        EXPECT_EQ(e.Description(), DllErrorText(ERROR_INVALID_HANDLE));
        EXPECT_NE(e.Description(), L"No such error");
    }
    try {
        reg.KeyCreate(reinterpret_cast<HKEY>(0x12345), L"x");
        FAIL() << "no error raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Source(), L"util_tests.cRegistry");
    }
}

TEST_F(RegClsTest, KeyExistsCreateAndDelete) {
    std::wstring key = root.Path() + L"\\Desktop";
    EXPECT_EQ(reg.KeyExists(HKEY_CURRENT_USER, key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(reg.KeyDelete(HKEY_CURRENT_USER, key), 0);  // missing: no error
    EXPECT_EQ(reg.KeyCreate(HKEY_CURRENT_USER, key), 0);
    EXPECT_EQ(reg.KeyExists(HKEY_CURRENT_USER, key), 0);
    reg.ClassKey(HKEY_CURRENT_USER);
    reg.SectionKey(key);
    EXPECT_EQ(reg.KeyExistsP(), 0);
    EXPECT_EQ(reg.KeyDeleteP(), 0);
    EXPECT_EQ(reg.KeyExists(HKEY_CURRENT_USER, key), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegClsTest, ValueDeleteOfMissingValueOrKeyIsNoErrorButThePropertyVariantRaises) {
    EXPECT_EQ(reg.ValueDelete(HKEY_CURRENT_USER, root.Path() + L"\\none", L"x"), 0);
    reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"x", std::wstring(L"1"), REG_SZ);
    EXPECT_EQ(reg.ValueDelete(HKEY_CURRENT_USER, root.Path(), L"x"), 0);
    EXPECT_EQ(reg.ValueRead(HKEY_CURRENT_USER, root.Path(), L"x", L"gone", REG_SZ), L"gone");
    EXPECT_EQ(reg.ValueDelete(HKEY_CURRENT_USER, root.Path(), L"x"), 0);

    reg.ValueKey(L"x");
    EXPECT_THROW(reg.ValueDeleteP(), AppError);
}

TEST_F(RegClsTest, EnumeratesValuesAsTextAndSubkeys) {
    reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"0", std::wstring(L"zero"), REG_SZ);
    reg.ValueWrite(HKEY_CURRENT_USER, root.Path(), L"1", int32_t(7), REG_DWORD);
    reg.KeyCreate(HKEY_CURRENT_USER, root.Path() + L"\\Name");
    reg.KeyCreate(HKEY_CURRENT_USER, root.Path() + L"\\Hotkey");

    std::vector<RegValueRow> values;
    long count = -1;
    EXPECT_EQ(reg.ValuesEnum(HKEY_CURRENT_USER, root.Path(), values, count), 0);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(values[0], RegValueRow(L"0", L"zero"));
    EXPECT_EQ(values[1], RegValueRow(L"1", L"7"));

    std::vector<std::wstring> sections;
    EXPECT_EQ(reg.SectionsEnum(HKEY_CURRENT_USER, root.Path(), sections, count), 0);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(sections, (std::vector<std::wstring>{L"Hotkey", L"Name"}));

    EXPECT_EQ(reg.ValuesEnum(HKEY_CURRENT_USER, root.Path() + L"\\missing", values, count), 0);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(values.empty());
    try {
        reg.SectionsEnum(HKEY_CURRENT_USER, root.Path() + L"\\missing", sections, count);
        FAIL() << "no error raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(e.Source(), L"util_tests.cRegistry");
    }
}

}  // namespace
