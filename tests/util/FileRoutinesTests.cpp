#include "FileRoutines.h"
#include "ShellRoutines.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

namespace {

const std::wstring kGreek = L"\x03b5\x03b9\x03ba\x03cc\x03bd\x03b1.txt";
const std::wstring kJapanese = L"\x65e5\x672c\x8a9e\x30d5\x30a1\x30a4\x30eb.txt";

std::vector<std::wstring> NamesIn(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    for (const PlainFile& f : ListPlainFiles(pattern)) names.push_back(f.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileRoutines, CopyMovesFilesUpToTheLimitAndSkipsLargerOnes) {
    TempFolder source, target;
    source.WriteFile(L"exact.bin", 100000);
    source.WriteFile(L"over.bin", 100001);
    source.WriteFile(L"empty.txt", 0);
    EXPECT_EQ(FilesCopy(source.Path() + L"*.*", target.Path(), sizeLimit), 0);
    EXPECT_EQ(FileSizeOf(target.Path() + L"exact.bin"), 100000);
    EXPECT_EQ(FileSizeOf(target.Path() + L"over.bin"), -1);
    EXPECT_EQ(FileSizeOf(target.Path() + L"empty.txt"), 0);

    EXPECT_EQ(FilesCopy(source.Path() + L"*.*", target.Path(), -1), 0);
    EXPECT_EQ(FileSizeOf(target.Path() + L"over.bin"), 100001);
}

TEST(FileRoutines, CopyOverwritesAndSkipsFoldersAndHiddenFiles) {
    TempFolder source, target;
    source.WriteFile(L"a.txt", 10);
    target.WriteFile(L"a.txt", 3);
    source.Subfolder(L"sub");
    std::wstring hidden = source.WriteFile(L"desktop.ini", 5);
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    EXPECT_EQ(FilesCopy(source.Path() + L"*", target.Path(), sizeLimit), 0);
    EXPECT_EQ(FileSizeOf(target.Path() + L"a.txt"), 10);
    EXPECT_EQ(NamesIn(target.Path() + L"*"), std::vector<std::wstring>{L"a.txt"});
}

TEST(FileRoutines, CopyIntoMissingFolderReportsPathNotFound) {
    TempFolder source;
    source.WriteFile(L"a.txt", 10);
    EXPECT_EQ(FilesCopy(source.Path() + L"*", source.Path() + L"missing\\", sizeLimit), 76);
}

TEST(FileRoutines, NamesOutsideTheAnsiCodePageAreListedCopiedAndDeleted) {
    TempFolder source, target;
    source.WriteFile(kGreek, 100);
    source.WriteFile(kJapanese, 200);
    std::vector<std::wstring> expected = {kGreek, kJapanese};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(NamesIn(source.Path() + L"*"), expected);

    EXPECT_EQ(FilesCopy(source.Path() + L"*", target.Path(), sizeLimit), 0);
    EXPECT_EQ(FileSizeOf(target.Path() + kJapanese), 200);
    EXPECT_EQ(FilesKill(source.Path() + L"*", false, false, sizeLimit, target.Path()), 0);
    EXPECT_TRUE(NamesIn(source.Path() + L"*").empty());
    EXPECT_EQ(FileKill(target.Path() + kGreek), 0);
    EXPECT_EQ(NamesIn(target.Path() + L"*"), std::vector<std::wstring>{kJapanese});
}

TEST(FileRoutines, KillRespectsTheLimitAndAPatternMatchingNothingIsNoError) {
    TempFolder folder;
    folder.WriteFile(L"small.txt", 100000);
    folder.WriteFile(L"large.txt", 100001);
    EXPECT_EQ(FilesKill(folder.Path() + L"*.*", false, false, sizeLimit), 0);
    EXPECT_EQ(NamesIn(folder.Path() + L"*"), std::vector<std::wstring>{L"large.txt"});
    EXPECT_EQ(FileKill(folder.Path() + L"*.nothing"), 0);
    EXPECT_EQ(FilesKill(folder.Path() + L"*.nothing", false, false, sizeLimit), 0);
}

TEST(FileRoutines, KillNeverDeletesAFileWhoseCopyIsMissingOrDiffers) {
    TempFolder desktop, store;
    desktop.WriteFile(L"copied.txt", 50);
    desktop.WriteFile(L"uncopied.txt", 50);
    desktop.WriteFile(L"truncated.txt", 50);
    store.WriteFile(L"copied.txt", 50);
    store.WriteFile(L"truncated.txt", 20);

    EXPECT_EQ(FilesKill(desktop.Path() + L"*.*", false, false, sizeLimit, store.Path()), 0);
    EXPECT_EQ(NamesIn(desktop.Path() + L"*"), (std::vector<std::wstring>{L"truncated.txt", L"uncopied.txt"}));
}

TEST(FileRoutines, FailedCopyOfALockedFileLosesNothing) {
    TempFolder desktop, store;
    std::wstring locked = desktop.WriteFile(L"locked.txt", 40);
    desktop.WriteFile(L"free.txt", 40);
    HANDLE lock = CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    long copyResult = FilesCopy(desktop.Path() + L"*.*", store.Path(), sizeLimit);
    FilesKill(desktop.Path() + L"*.*", false, false, sizeLimit, store.Path());
    CloseHandle(lock);

    EXPECT_NE(copyResult, 0);
    EXPECT_EQ(FileSizeOf(locked), 40);
    // Whatever was copied exists exactly once: either still on the desktop or in the store.
    bool freeOnDesktop = FileSizeOf(desktop.Path() + L"free.txt") == 40;
    bool freeInStore = FileSizeOf(store.Path() + L"free.txt") == 40;
    EXPECT_TRUE(freeOnDesktop || freeInStore);
}

TEST(FileRoutines, RecursiveKillEmptiesAndRemovesSubfolders) {
    TempFolder folder;
    std::wstring sub = folder.Subfolder(L"sub");
    CreateDirectoryW((sub + L"deeper").c_str(), nullptr);
    HANDLE h = CreateFileW((sub + L"deeper\\x.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
    folder.WriteFile(L"top.txt", 5);

    EXPECT_EQ(FilesKill(folder.Path() + L"*.*", true, true, -1), 0);
    EXPECT_FALSE(FO_FolderExists(sub));
    EXPECT_FALSE(FO_FolderExists(folder.Path()));
}

TEST(FileRoutines, FolderAndFileTests) {
    TempFolder folder;
    std::wstring file = folder.WriteFile(L"f.txt", 1);
    EXPECT_TRUE(FO_FolderExists(folder.Path()));
    EXPECT_FALSE(FO_FolderExists(file));
    EXPECT_TRUE(FO_FileExists(file));
    EXPECT_FALSE(FO_FileExists(folder.Path()));
    EXPECT_FALSE(FO_FileExists(folder.Path() + L"none"));
    EXPECT_GT(FO_GetFileDate(file), 40000.0);  // a date after 2009
    EXPECT_EQ(FO_GetFileDate(folder.Path() + L"none"), 0.0);

    EXPECT_EQ(FO_FolderCreate(folder.Path() + L"a\\b\\c"), 0);
    EXPECT_TRUE(FO_FolderExists(folder.Path() + L"a\\b\\c"));
    EXPECT_EQ(FO_FolderCreate(folder.Path() + L"a\\b\\c"), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(FolderKill(folder.Path() + L"a\\b\\c"), 0);
    EXPECT_EQ(FolderKill(folder.Path() + L"a\\b\\c"), 0);  // missing: 76 counts as done
    EXPECT_EQ(FolderKill(folder.Path() + L"a"), 0);        // not empty: 75 counts as done
    EXPECT_TRUE(FO_FolderExists(folder.Path() + L"a"));
}

TEST(ShellRoutines, SpecialFoldersExist) {
    for (int csidl : {CSIDL_DESKTOP_FOLDER, CSIDL_USER_APPDATA}) {
        std::wstring path = FO_SpecialfolderGet(csidl);
        EXPECT_FALSE(path.empty());
        EXPECT_TRUE(FO_FolderExists(path));
    }
}

TEST(ShellRoutines, NewGuidStringIs32UpperCaseHexDigitsAndUnique) {
    std::wstring a = NewGuidString();
    std::wstring b = NewGuidString();
    EXPECT_EQ(a.size(), 32u);
    EXPECT_TRUE(std::all_of(a.begin(), a.end(), [](wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'); }));
    EXPECT_NE(a, b);
}

TEST(ShellRoutines, FileTypeNameOfUnregisteredTypesNamesTheExtension) {
    // The files need not exist. An unregistered extension is named after itself, by the
    // shell ("QQZZ File" on Windows, ".qqzz file" under Wine) or by the fallback.
    std::wstring name = FileTypeName(L"C:\\nowhere\\file.qqzz");
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
    EXPECT_NE(name.find(L"qqzz file"), std::wstring::npos) << std::string(name.begin(), name.end());
    EXPECT_FALSE(FileTypeName(L"C:\\nowhere\\noextension").empty());
}

TEST(ShellRoutines, CommonControlsInitialise) {
    EXPECT_TRUE(ComCtlInit());
}

}  // namespace
