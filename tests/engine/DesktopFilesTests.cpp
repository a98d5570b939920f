#include "DesktopFiles.h"
#include "ScopedHandle.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::wstring> NamesOf(const std::vector<PlainFile>& files) {
    std::vector<std::wstring> names;
    for (const auto& file : files) names.push_back(file.name);
    std::sort(names.begin(), names.end());
    return names;
}

KernelHandle LockExclusively(const std::wstring& path) {
    return KernelHandle(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST(DesktopFiles, CopyGoesOnPastALockedFileAndOnlyCopiesSmallOnes) {
    TempFolder source, target;
    source.WriteFile(L"a.txt", 10);
    std::wstring locked = source.WriteFile(L"b.txt", 20);
    source.WriteFile(L"c.txt", 100000);
    source.WriteFile(L"d.txt", 100001);
    KernelHandle lock = LockExclusively(locked);
    ASSERT_TRUE(lock);

    SmallFilesCopy copy = CopySmallFiles(source.Path(), target.Path());
    EXPECT_EQ(copy.lastError, 70);
    EXPECT_EQ(NamesOf(copy.copied), (std::vector<std::wstring>{L"a.txt", L"c.txt"}));
    EXPECT_EQ(FileSizeOf(target.Path() + L"c.txt"), 100000);
    EXPECT_EQ(FileSizeOf(target.Path() + L"d.txt"), -1);

    EXPECT_EQ(DeleteCopiedFiles(source.Path(), copy.copied, target.Path()), 0);
    EXPECT_EQ(FileSizeOf(source.Path() + L"a.txt"), -1);
    EXPECT_EQ(FileSizeOf(locked), 20) << "a file whose copy failed stays";
    EXPECT_EQ(FileSizeOf(source.Path() + L"d.txt"), 100001);
}

TEST(DesktopFiles, ADifferentFileAtTheTargetIsNeverReplaced) {
    TempFolder source, target;
    source.WriteFile(L"same.txt", 50, 's');
    target.WriteFile(L"same.txt", 50, 's');
    source.WriteFile(L"clash.txt", 50, 'n');
    target.WriteFile(L"clash.txt", 70, 'o');

    SmallFilesCopy copy = CopySmallFiles(source.Path(), target.Path());
    EXPECT_EQ(copy.lastError, 58);
    EXPECT_EQ(NamesOf(copy.copied), std::vector<std::wstring>{L"same.txt"}) << "an identical file counts as copied";
    EXPECT_EQ(FileSizeOf(target.Path() + L"clash.txt"), 70);

    EXPECT_EQ(DeleteCopiedFiles(source.Path(), copy.copied, target.Path()), 0);
    EXPECT_EQ(FileSizeOf(source.Path() + L"same.txt"), -1);
    EXPECT_EQ(FileSizeOf(source.Path() + L"clash.txt"), 50);
}

TEST(DesktopFiles, DeletesOnlyWhenTheCopyHasTheOriginalsSize) {
    TempFolder source, target;
    source.WriteFile(L"kept.txt", 30);
    source.WriteFile(L"gone.txt", 30);
    SmallFilesCopy copy = CopySmallFiles(source.Path(), target.Path());
    ASSERT_EQ(copy.lastError, 0);
    target.WriteFile(L"kept.txt", 29);  // the copy was damaged afterwards

    EXPECT_EQ(DeleteCopiedFiles(source.Path(), copy.copied, target.Path()), 0);
    EXPECT_EQ(FileSizeOf(source.Path() + L"kept.txt"), 30);
    EXPECT_EQ(FileSizeOf(source.Path() + L"gone.txt"), -1);
}

TEST(DesktopFiles, ACopyIntoAMissingFolderLosesNothing) {
    TempFolder source;
    source.WriteFile(L"a.txt", 10);
    SmallFilesCopy copy = CopySmallFiles(source.Path(), source.Path() + L"missing\\");
    EXPECT_EQ(copy.lastError, 76);
    EXPECT_TRUE(copy.copied.empty());
    EXPECT_EQ(FileSizeOf(source.Path() + L"a.txt"), 10);
}

}  // namespace
