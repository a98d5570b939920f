#include "Background.h"
#include "DesktopModel.h"
#include "EngineTestPlaces.h"
#include "HiddenWindowsJournal.h"
#include "MessageBoxRecorder.h"
#include "ScopedHandle.h"
#include "SwitchDesktop.h"
#include "WindowOwnerProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class SwitchDesktop : public testing::Test {
protected:
    EngineTestPlaces places;
    SystemBackgroundGuard background;

    std::wstring DesktopFile(const std::wstring& name) const { return places.Desktop().Path() + name; }
};

TEST_F(SwitchDesktop, HidesAndRecordsOnlyTitledBorderedWindows) {
    WindowOwnerProcess owner({L"titled:Letter", L"untitled", L"borderless:Clock", L"titled:Sheet"});
    ASSERT_TRUE(owner.Started());
    HWND letter = owner.Window(1), untitled = owner.Window(2), clock = owner.Window(3), sheet = owner.Window(4);

    EXPECT_EQ(switchDesktop(1, 2), 0);

    EXPECT_FALSE(IsShown(letter));
    EXPECT_FALSE(IsShown(sheet));
    EXPECT_TRUE(IsShown(untitled)) << "a window without a title stays on every desktop";
    EXPECT_TRUE(IsShown(clock)) << "a window without a border stays on every desktop";

    const DesktopModel& model = TheDesktopModel();
    EXPECT_EQ(model.currentDesktop, 2);
    EXPECT_EQ(model.previousDesktop, 1);
    std::vector<HWND> recorded;
    for (const auto& window : model.Recorded(1)) {
        if (window.processId == owner.ProcessId()) recorded.push_back(window.hwnd);
    }
    EXPECT_EQ(recorded.size(), 2u);
    EXPECT_NE(std::find(recorded.begin(), recorded.end(), letter), recorded.end());
    EXPECT_NE(std::find(recorded.begin(), recorded.end(), sheet), recorded.end());

    // The journal names every hidden window with its process and title.
    auto journal = ReadHiddenWindowsJournal(places.Locations().storeRoot);
    ASSERT_TRUE(journal.has_value());
    EXPECT_EQ(journal->shownDesktop, 2);
    bool letterJournalled = false;
    for (const auto& entry : journal->windows) {
        if (entry.window.hwnd == letter) {
            letterJournalled = entry.desktop == 1 && entry.window.processId == owner.ProcessId() &&
                               entry.window.caption == L"Letter";
        }
    }
    EXPECT_TRUE(letterJournalled);
}

TEST_F(SwitchDesktop, GoingAwayAndBackShowsEachDesktopsOwnWindows) {
    WindowOwnerProcess first({L"titled:One A", L"titled:One B"});
    ASSERT_TRUE(first.Started());

    ASSERT_EQ(switchDesktop(1, 2), 0);
    EXPECT_FALSE(IsShown(first.Window(1)));
    EXPECT_FALSE(IsShown(first.Window(2)));

    WindowOwnerProcess second({L"titled:Two A"});  // opened while desktop 2 is shown
    ASSERT_TRUE(second.Started());
    ASSERT_EQ(switchDesktop(2, 1), 0);
    EXPECT_TRUE(IsShown(first.Window(1)));
    EXPECT_TRUE(IsShown(first.Window(2)));
    EXPECT_FALSE(IsShown(second.Window(1)));
    EXPECT_EQ(TheDesktopModel().windowCount(2), 1);

    ASSERT_EQ(switchDesktop(1, 2), 0);
    EXPECT_TRUE(IsShown(second.Window(1)));
    EXPECT_FALSE(IsShown(first.Window(1)));

    auto journal = ReadHiddenWindowsJournal(places.Locations().storeRoot);
    ASSERT_TRUE(journal.has_value());
    size_t onDesktop1 = 0;
    for (const auto& entry : journal->windows) onDesktop1 += entry.desktop == 1 ? 1 : 0;
    EXPECT_EQ(onDesktop1, 2u);
    ASSERT_EQ(switchDesktop(2, 1), 0);
}

TEST_F(SwitchDesktop, AReusedHandleOfAnotherProcessIsNotShown) {
    WindowOwnerProcess owner({L"titled:Hidden by its program", L"titled:Hidden on desktop 2"});
    ASSERT_TRUE(owner.Started());
    HWND foreign = owner.Window(1), own = owner.Window(2);
    ShowWindow(foreign, SW_HIDE);
    ShowWindow(own, SW_HIDE);
    // As if the window recorded under this handle had closed and another program's
    // hidden window had got the handle since.
    TheDesktopModel().RecordLeftDesktop(2, {{foreign, owner.ProcessId() + 1, L"Closed long ago"},
                                            {own, owner.ProcessId(), L"Hidden on desktop 2"}});

    ASSERT_EQ(switchDesktop(1, 2), 0);
    EXPECT_FALSE(IsShown(foreign));
    EXPECT_TRUE(IsShown(own));
}

TEST_F(SwitchDesktop, SmallFilesFollowTheirDesktopAndLargerOnesStay) {
    places.Desktop().WriteFile(L"exact.bin", 100000);
    places.Desktop().WriteFile(L"over.bin", 100001);
    std::wstring folder = places.Desktop().Subfolder(L"folder");
    places.Desktop().WriteFile(L"folder\\inside.txt", 10);

    ASSERT_EQ(switchDesktop(1, 2), 0);
    EXPECT_EQ(FileSizeOf(DesktopFile(L"exact.bin")), -1);
    EXPECT_EQ(FileSizeOf(places.StoreFolder(1) + L"exact.bin"), 100000);
    EXPECT_EQ(FileSizeOf(DesktopFile(L"over.bin")), 100001);
    EXPECT_EQ(FileSizeOf(folder + L"inside.txt"), 10);

    ASSERT_EQ(switchDesktop(2, 1), 0);
    EXPECT_EQ(FileSizeOf(DesktopFile(L"exact.bin")), 100000);
    EXPECT_EQ(FileSizeOf(places.StoreFolder(1) + L"exact.bin"), -1) << "the store folder of the shown desktop is empty";
    EXPECT_EQ(FileSizeOf(DesktopFile(L"over.bin")), 100001);
}

TEST_F(SwitchDesktop, SameNamedFilesOfTwoDesktopsEachStayWithTheirDesktop) {
    places.Desktop().WriteFile(L"notes.txt", 11, '1');
    ASSERT_EQ(switchDesktop(1, 2), 0);
    EXPECT_EQ(FileSizeOf(DesktopFile(L"notes.txt")), -1);
    places.Desktop().WriteFile(L"notes.txt", 22, '2');

    ASSERT_EQ(switchDesktop(2, 1), 0);
    EXPECT_EQ(FileSizeOf(DesktopFile(L"notes.txt")), 11);
    EXPECT_EQ(FileSizeOf(places.StoreFolder(2) + L"notes.txt"), 22);
    ASSERT_EQ(switchDesktop(1, 2), 0);
    EXPECT_EQ(FileSizeOf(DesktopFile(L"notes.txt")), 22);
    EXPECT_EQ(FileSizeOf(places.StoreFolder(1) + L"notes.txt"), 11);
}

TEST_F(SwitchDesktop, ALockedFileIsReportedAndNotLost) {
    places.Desktop().WriteFile(L"free.txt", 5);
    std::wstring lockedPath = places.Desktop().WriteFile(L"locked.txt", 7);
    CreateDirectoryW(places.Locations().storeRoot.c_str(), nullptr);
    CreateDirectoryW(places.StoreFolder(2).c_str(), nullptr);
    std::wstring storedLocked = places.StoreFolder(2) + L"held.txt";
    HANDLE create = CreateFileW(storedLocked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(create);
    KernelHandle deskLock(CreateFileW(lockedPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    KernelHandle storeLock(CreateFileW(storedLocked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(deskLock);
    ASSERT_TRUE(storeLock);
    MessageBoxRecorder boxes;

    EXPECT_EQ(switchDesktop(1, 2), 70);

    ASSERT_FALSE(boxes.Shown().empty());
    for (const auto& box : boxes.Shown()) {
        EXPECT_EQ(box.text, L"Error 70 (Permission denied) in procedure switchDesktop of Modul modWindowFunctions");
        EXPECT_EQ(box.caption, L"Hexaplane");
        EXPECT_EQ(box.style, static_cast<UINT>(MB_OK));
    }
    EXPECT_EQ(FileSizeOf(lockedPath), 7) << "the desktop file that could not be copied stays";
    EXPECT_EQ(FileSizeOf(storedLocked), 0) << "the stored file that could not be copied stays";
    EXPECT_EQ(FileSizeOf(DesktopFile(L"held.txt")), -1);
    EXPECT_EQ(FileSizeOf(DesktopFile(L"free.txt")), -1);
    EXPECT_EQ(FileSizeOf(places.StoreFolder(1) + L"free.txt"), 5);
    EXPECT_EQ(TheDesktopModel().currentDesktop, 2) << "the switch is carried through";

    deskLock.Reset();
    storeLock.Reset();
    boxes.Clear();
    EXPECT_EQ(switchDesktop(2, 1), 0);
    EXPECT_EQ(FileSizeOf(DesktopFile(L"free.txt")), 5);
    // It lay in the desktop folder while desktop 2 was shown, so it went with desktop 2.
    EXPECT_EQ(FileSizeOf(places.StoreFolder(2) + L"locked.txt"), 7);
    EXPECT_EQ(FileSizeOf(places.StoreFolder(2) + L"held.txt"), 0) << "desktop 2's file now waits with desktop 2";
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(SwitchDesktop, SavesTheDesktopLeftAndAppliesTheStoredWallpaper) {
    struct Case {
        const wchar_t* stored;
        const wchar_t* applied;
    };
    const Case cases[] = {{L"", L"None"}, {L"   ", L"None"}, {L"C:\\walls\\two.bmp", L"C:\\walls\\two.bmp"}};
    for (const Case& c : cases) {
        std::string stored(c.stored, c.stored + wcslen(c.stored));
        setBackground(1, L"C:\\walls\\one.bmp");
        WriteUserValue(kSystemColorsKey, L"background", L"58 110 165");
        places.SetAppValue(L"Wallpaper", L"2", c.stored);

        ASSERT_EQ(switchDesktop(1, 2), 0) << stored;
        EXPECT_EQ(getBackground(), c.applied) << stored;
        EXPECT_EQ(places.AppValue(L"Wallpaper", L"1"), L"C:\\walls\\one.bmp");
        EXPECT_EQ(places.AppValue(L"Backcolor", L"1"), L"10841658");
        const std::wstring resolution = places.AppValue(L"Resolution", L"1");
        EXPECT_NE(resolution.find(L'x'), std::wstring::npos) << std::string(resolution.begin(), resolution.end());
        EXPECT_NE(places.AppValue(L"ColorDepth", L"1"), L"<absent>");
    }
}

TEST_F(SwitchDesktop, ABadStoredResolutionCostsOneReportPerFailingAction) {
    places.SetAppValue(L"Resolution", L"2", L"800");
    places.SetAppValue(L"ColorDepth", L"2", L"deep");
    MessageBoxRecorder boxes;
    EXPECT_EQ(switchDesktop(1, 2), 13);
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].text,
              L"Error 9 (Subscript out of range) in procedure switchDesktop of Modul modWindowFunctions");
    EXPECT_EQ(boxes.Shown()[1].text, L"Error 13 (Type mismatch) in procedure switchDesktop of Modul modWindowFunctions");
    EXPECT_EQ(TheDesktopModel().currentDesktop, 2);
}

TEST_F(SwitchDesktop, TheMainFormsWindowIsNeverHidden) {
    WindowOwnerProcess owner({L"titled:Main form stand-in", L"titled:Other"});
    ASSERT_TRUE(owner.Started());
    struct MainFormHooks : SwitchHooks {
        HWND form = nullptr;
        std::vector<int16_t> layoutsSaved;
        HWND MainFormWindow() override { return form; }
        void SaveIconLayout(int16_t desktop) override { layoutsSaved.push_back(desktop); }
    } hooks;
    hooks.form = owner.Window(1);
    UseSwitchHooks(&hooks);

    EXPECT_EQ(switchDesktop(0, 3), 0);
    UseSwitchHooks(nullptr);
    EXPECT_TRUE(IsShown(owner.Window(1)));
    EXPECT_FALSE(IsShown(owner.Window(2)));
    EXPECT_EQ(hooks.layoutsSaved, std::vector<int16_t>{0});
}

}  // namespace
