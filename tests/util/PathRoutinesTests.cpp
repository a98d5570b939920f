#include "PathRoutines.h"
#include "SystemText.h"

#include <gtest/gtest.h>

TEST(PathRoutines, PiecesOfPaths) {
    struct Case {
        std::wstring path, folder, file, extension, base;
    } cases[] = {
        {L"C:\\a\\b.txt", L"C:\\a\\", L"b.txt", L"txt", L"C:\\a\\b"},
        {L"C:file.txt", L"C:", L"C:file.txt", L"txt", L"C:file"},
        {L"file.txt", L"", L"file.txt", L"txt", L"file"},
        {L"archive.tar.gz", L"", L"archive.tar.gz", L"gz", L"archive.tar"},
        {L"C:\\dir\\", L"C:\\dir\\", L"", L"", L"C:\\dir\\"},
        {L"name.", L"", L"name.", L"", L"name."},
        {L".profile", L"", L".profile", L"profile", L""},
        {L"x", L"", L"x", L"", L""},
        {L"", L"", L"", L"", L""},
        {L"C:\\\x03b1\x03b2\\\x65e5\x672c.doc", L"C:\\\x03b1\x03b2\\", L"\x65e5\x672c.doc", L"doc",
         L"C:\\\x03b1\x03b2\\\x65e5\x672c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path.begin(), c.path.end()));
        EXPECT_EQ(PathFolderPart(c.path), c.folder);
        EXPECT_EQ(PathFilePart(c.path), c.file);
        EXPECT_EQ(FileExtension(c.path), c.extension);
        EXPECT_EQ(FileBaseName(c.path), c.base);
    }
}

TEST(PathRoutines, AddBackslash) {
    EXPECT_EQ(AddBackslash(L""), L"\\");
    EXPECT_EQ(AddBackslash(L"C:\\x"), L"C:\\x\\");
    EXPECT_EQ(AddBackslash(L"C:\\x\\"), L"C:\\x\\");
    EXPECT_EQ(AddBackslashIfAny(L""), L"");
    EXPECT_EQ(AddBackslashIfAny(L"C:\\x"), L"C:\\x\\");
}

TEST(PathRoutines, TrimAtNull) {
    EXPECT_EQ(TrimAtNull(std::wstring(L"abc\0def", 7)), L"abc");
    EXPECT_EQ(TrimAtNull(L"abc"), L"abc");
    EXPECT_EQ(TrimAtNull(std::wstring(3, L'\0')), L"");
}

TEST(SystemText, DllErrorTextGivesTheSystemTextWithoutLineBreak) {
    std::wstring text;
    EXPECT_GT(DllErrorText(ERROR_FILE_NOT_FOUND, text), 0u);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of(L"\r\n"), std::wstring::npos);

    EXPECT_EQ(DllErrorText(0x2FFFFFFF, text), 0u);
    EXPECT_EQ(text, L"No such error");
}

TEST(SystemText, ProgramNameIsTheModuleFileNameWithoutExtension) {
    EXPECT_EQ(ProgramName(), L"util_tests");
}
