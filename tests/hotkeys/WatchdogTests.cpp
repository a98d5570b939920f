#include "EngineTestPlaces.h"
#include "HiddenWindowsJournal.h"
#include "ScopedHandle.h"
#include "WatchdogCommandLine.h"
#include "WindowOwnerProcess.h"
#include "WindowRecovery.h"

#include "HelperProcess.h"
#include "SystemText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Waits until every window is shown, at most deadlineMs; the time it took, or -1.
long long MillisecondsUntilShown(const std::vector<HWND>& windows, ULONGLONG since, ULONGLONG deadlineMs) {
    for (;;) {
        bool all = true;
        for (HWND window : windows) all = all && IsShown(window);
        ULONGLONG elapsed = GetTickCount64() - since;
        if (all) return static_cast<long long>(elapsed);
        if (elapsed > deadlineMs) return -1;
        Sleep(10);
    }
}

DWORD ExitCodeOf(HANDLE process) {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
}

std::string FileText(const std::wstring& path) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    char buffer[64] = {};
    DWORD got = 0;
    if (file) ReadFile(file.Get(), buffer, sizeof buffer - 1, &got, nullptr);
    return std::string(buffer, got);
}

// The Plexor stand-in, started and run to the point where desktop 2 is shown and
// desktop 1's windows are hidden and journalled.
class WatchedProgram {
public:
    explicit WatchedProgram(const EngineTestPlaces& places) : pidFile_(places.Desktop().Path() + L"..watchdog.pid") {
        swprintf(readyName_, 64, L"HexaplaneStandInReady-%lu", GetCurrentProcessId());
        swprintf(endName_, 64, L"HexaplaneStandInEnd-%lu", GetCurrentProcessId());
        ready_.Reset(CreateEventW(nullptr, TRUE, FALSE, readyName_));
        end_.Reset(CreateEventW(nullptr, TRUE, FALSE, endName_));
        const EngineLocations& where = places.Locations();
        // A trailing backslash is doubled, or it would escape the closing quote.
        auto quoted = [](const std::wstring& text) {
            return L"\"" + text + (!text.empty() && text.back() == L'\\' ? L"\\\"" : L"\"");
        };
        std::wstring commandLine = quoted(ProgramFolder() + L"plexor_stand_in.exe") + L" " + readyName_ + L" " +
                                   endName_ + L" " + quoted(where.storeRoot) + L" " + quoted(where.appKey) + L" " +
                                   quoted(where.desktopFolder) + L" " + quoted(where.installationKeyParent) + L" " +
                                   quoted(pidFile_);
        StartedProcess started;
        bool isReady = StartAndWaitUntilReady(commandLine, ready_.Get(), 30000, started);
        process_ = std::move(started.process);
        if (!isReady) return;
        DWORD watchdogId = static_cast<DWORD>(std::strtoul(FileText(pidFile_).c_str(), nullptr, 10));
        watchdog_.Reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, watchdogId));
    }
    ~WatchedProgram() {
        if (process_) TerminateProcess(process_.Get(), 1);
        DeleteFileW(pidFile_.c_str());
    }

    bool Started() const { return static_cast<bool>(watchdog_); }
    HANDLE Process() const { return process_.Get(); }
    HANDLE WatchdogProcess() const { return watchdog_.Get(); }
    void EndNormally() { SetEvent(end_.Get()); }

private:
    std::wstring pidFile_;
    wchar_t readyName_[64];
    wchar_t endName_[64];
    KernelHandle ready_, end_, process_, watchdog_;
};

class WatchdogTest : public testing::Test {
protected:
    EngineTestPlaces places;
    SystemBackgroundGuard background;
};

TEST_F(WatchdogTest, AKilledProgramsHiddenWindowsAreShownWithinASecond) {
    WindowOwnerProcess one({L"titled:One A", L"titled:One B", L"titled:One C"});
    ASSERT_TRUE(one.Started());
    WatchedProgram program(places);
    ASSERT_TRUE(program.Started()) << "stand-in exit code " << ExitCodeOf(program.Process());
    for (HWND window : one.Windows()) ASSERT_FALSE(IsShown(window));

    ASSERT_TRUE(TerminateProcess(program.Process(), 9));
    const ULONGLONG killed = GetTickCount64();
    long long took = MillisecondsUntilShown(one.Windows(), killed, 1000);
    EXPECT_GE(took, 0) << "every hidden window is visible again within a second";
    std::printf("hidden windows visible again %lld ms after TerminateProcess\n", took);
    ASSERT_EQ(WaitForSingleObject(program.WatchdogProcess(), 10000), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(program.WatchdogProcess()), 1u) << "the watchdog recovered";
}

TEST_F(WatchdogTest, ANormalEndLeavesEverythingAsItIs) {
    WindowOwnerProcess one({L"titled:One A", L"titled:One B"});
    ASSERT_TRUE(one.Started());
    WatchedProgram program(places);
    ASSERT_TRUE(program.Started()) << "stand-in exit code " << ExitCodeOf(program.Process());

    program.EndNormally();
    ASSERT_EQ(WaitForSingleObject(program.Process(), 10000), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(program.Process()), 0u);
    ASSERT_EQ(WaitForSingleObject(program.WatchdogProcess(), 10000), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(program.WatchdogProcess()), 0u) << "the watchdog ended quietly";
    for (HWND window : one.Windows()) EXPECT_FALSE(IsShown(window));
}

TEST(WindowRecovery, OnlyWindowsStillOfTheirRecordedProcessAreShown) {
    WindowOwnerProcess owner({L"titled:Own", L"titled:Reused", L"titled:Visible"});
    ASSERT_TRUE(owner.Started());
    HWND own = owner.Window(1), reused = owner.Window(2), visible = owner.Window(3);
    ShowWindow(own, SW_HIDE);
    ShowWindow(reused, SW_HIDE);

    HiddenWindowsJournal journal;
    journal.windows.push_back({1, 0, {own, owner.ProcessId(), L"Own"}});
    // The handle now names a window of another process than the one recorded.
    journal.windows.push_back({1, 1, {reused, GetCurrentProcessId(), L"Reused"}});
    journal.windows.push_back({1, 2, {visible, owner.ProcessId(), L"Visible"}});
    journal.windows.push_back(
        {1, 3, {reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7ffe)), owner.ProcessId(), L"Gone"}});

    EXPECT_EQ(ShowJournalledWindows(journal), 1);
    EXPECT_GE(MillisecondsUntilShown({own}, GetTickCount64(), 5000), 0);
    EXPECT_FALSE(IsShown(reused));
    EXPECT_TRUE(IsShown(visible));
}

TEST(WatchdogCommandLine, CarriesBothHandlesTheProcessIdAndTheJournal) {
    WatchdogArguments arguments;
    arguments.programProcess = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x1a4));
    arguments.programProcessId = 4242;
    arguments.normalEnd = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x2b8));
    arguments.journalPath = L"C:\\Users\\A B\\AppData\\Plexor\\HiddenWindows.txt";
    auto parsed = ParseWatchdogCommandLine(FormatWatchdogCommandLine(L"C:\\Program Files\\PlexorWatchdog.exe", arguments));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->programProcess, arguments.programProcess);
    EXPECT_EQ(parsed->programProcessId, 4242u);
    EXPECT_EQ(parsed->normalEnd, arguments.normalEnd);
    EXPECT_EQ(parsed->journalPath, arguments.journalPath);
    for (const wchar_t* wrong : {L"w.exe", L"w.exe 1a4 4242 2b8", L"w.exe zz 4242 2b8 \"j\"", L"w.exe 1a4 x 2b8 \"j\""})
        EXPECT_FALSE(ParseWatchdogCommandLine(wrong).has_value()) << wrong;
}

}  // namespace
