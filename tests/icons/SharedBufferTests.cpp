#include "SharedBuffer.h"
#include "StandInDesktop.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(SharedBuffer, MemoryInTheWindowsProcessKeepsWhatIsWritten) {
    StandInDesktop desktop({L"item:Alpha.txt"});
    ASSERT_TRUE(desktop.Started());
    SharedBuffer buffer = AllocShared(64, {}, desktop.ListView(), false);
    ASSERT_TRUE(buffer.Valid());
    EXPECT_EQ(buffer.Size(), 64u);
    const char text[] = "in the other process";
    ASSERT_TRUE(buffer.Write(text, sizeof text, 8));
    char back[sizeof text] = {};
    ASSERT_TRUE(buffer.Read(back, sizeof back, 8));
    EXPECT_STREQ(back, text);
    EXPECT_FALSE(buffer.Write(text, sizeof text, 60));  // past the end
    FreeShared(buffer);
    EXPECT_FALSE(buffer.Valid());
    FreeShared(buffer);  // nothing left to free
}

TEST(SharedBuffer, TwoMappingsOfOneNameShareTheirBytes) {
    SharedBuffer first = AllocShared(1024, "Hexaplane.Test.SharedBuffer", nullptr, true);
    SharedBuffer second = AllocShared(1024, "Hexaplane.Test.SharedBuffer", nullptr, true);
    ASSERT_TRUE(first.Valid());
    ASSERT_TRUE(second.Valid());
    const char caption[] = "Caption";
    ASSERT_TRUE(first.Write(caption, sizeof caption, 100));
    char back[sizeof caption] = {};
    ASSERT_TRUE(second.Read(back, sizeof back, 100));
    EXPECT_STREQ(back, caption);
}

TEST(SharedBuffer, WithoutAWindowThereIsNoMemoryInAnotherProcess) {
    EXPECT_FALSE(AllocShared(36, {}, nullptr, false).Valid());
    EXPECT_FALSE(AllocShared(0, {}, nullptr, true).Valid());
}
