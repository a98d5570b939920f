#include "MessageBoxRecorder.h"
#include "TestWindows.h"
#include "WindowSubclasser.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kFirst = WM_APP + 1;
constexpr UINT kSecond = WM_APP + 2;
constexpr UINT kThird = WM_APP + 3;

struct ExpectedReport {
    std::wstring routine;
    std::wstring message;
};

// The box and the log entry of one report of the main form's subclasser.
void ExpectReports(const MessageBoxRecorder& boxes, const RecordingEventLog& log,
                   const std::vector<ExpectedReport>& expected) {
    ASSERT_EQ(boxes.Shown().size(), expected.size());
    ASSERT_EQ(log.entries.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(boxes.Shown()[i].text, expected[i].message + L".");
        EXPECT_EQ(boxes.Shown()[i].caption, L"Error in frmSettings." + expected[i].routine);
        EXPECT_EQ(boxes.Shown()[i].style, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_EQ(log.entries[i], L"frmSettings." + expected[i].routine + L": " + expected[i].message);
    }
}

class SubclasserTest : public testing::Test {
protected:
    Trace trace;
    TraceWindow window{trace};
    TraceCallback callback{trace};
    RecordingEventLog log;
    WindowSubclasser hub{L"frmSettings", log};

    HWND Window() const { return window.Handle(); }
    LRESULT Send(UINT uMsg) { return SendMessageW(Window(), uMsg, 0, 0); }
    void Subclass() { ASSERT_TRUE(hub.sc_Subclass(Window(), 0, &callback)); }
};

}  // namespace

TEST_F(SubclasserTest, WatchedMessageRunsBeforeThenPreviousProcedureThenAfter) {
    Subclass();
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE | WHEN_AFTER);
    hub.sc_WatchMsg(Window(), kSecond, WHEN_AFTER);
    LRESULT seenAfter = 0;
    callback.react = [&](bool bBefore, bool&, LRESULT& lReturn, HWND, UINT uMsg, LONG_PTR&) {
        if (!bBefore && uMsg == kFirst) {
            seenAfter = lReturn;
            lReturn = 77;  // the after call decides the message's result
        }
    };

    EXPECT_EQ(Send(kFirst), 77);
    EXPECT_EQ(seenAfter, OwnResult(kFirst));
    EXPECT_EQ(Send(kSecond), OwnResult(kSecond));
    EXPECT_EQ(Send(kThird), OwnResult(kThird));
    EXPECT_EQ(trace, (Trace{L"before:1", L"proc:1", L"after:1", L"proc:2", L"after:2", L"proc:3"}));
}

TEST_F(SubclasserTest, HandledInBeforeCallSkipsPreviousProcedureAndReturnsCallbackResult) {
    struct Case {
        bool handled;
        LRESULT expected;
        Trace expectedTrace;
    } cases[] = {
        {true, 4321, {L"before:1", L"after:1"}},
        // Not handled: the previous procedure's result replaces the callback's.
        {false, OwnResult(kFirst), {L"before:1", L"proc:1", L"after:1"}},
    };
    Subclass();
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE | WHEN_AFTER);
    for (const Case& c : cases) {
        trace.clear();
        LRESULT seenAfter = -1;
        callback.react = [&](bool bBefore, bool& bHandled, LRESULT& lReturn, HWND, UINT, LONG_PTR&) {
            if (bBefore) {
                lReturn = 4321;
                bHandled = c.handled;
            } else {
                seenAfter = lReturn;
            }
        };
        EXPECT_EQ(Send(kFirst), c.expected) << "handled " << c.handled;
        EXPECT_EQ(seenAfter, c.expected);
        EXPECT_EQ(trace, c.expectedTrace);
    }
}

TEST_F(SubclasserTest, WatchingTheSameMessageTwiceKeepsOneSlot) {
    MessageBoxRecorder boxes;
    Subclass();
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    const MessageTable& before = hub.zMap_hWnd(Window())->before;
    EXPECT_EQ(before.count, 1);

    // Also when a freed slot comes first: the message keeps the slot it has.
    hub.sc_WatchMsg(Window(), kSecond, WHEN_BEFORE);
    hub.sc_UnwatchMsg(Window(), kFirst, WHEN_BEFORE);
    hub.sc_WatchMsg(Window(), kSecond, WHEN_BEFORE);
    EXPECT_EQ(before.count, 2);
    EXPECT_EQ(before.slots[0], 0u);
    EXPECT_EQ(before.slots[1], kSecond);

    // One unwatch takes it out completely.
    hub.sc_UnwatchMsg(Window(), kSecond, WHEN_BEFORE);
    Send(kSecond);
    EXPECT_EQ(trace, (Trace{L"proc:2"}));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(SubclasserTest, ThirtyThirdMessageReportsOverflowAndIsNotWatched) {
    MessageBoxRecorder boxes;
    Subclass();
    for (UINT i = 0; i < MSG_ENTRIES; ++i) hub.sc_WatchMsg(Window(), WM_APP + 10 + i, WHEN_AFTER);
    EXPECT_TRUE(boxes.Shown().empty());

    hub.sc_WatchMsg(Window(), kFirst, WHEN_AFTER);
    ExpectReports(boxes, log,
                  {{L"zAddMsg",
                    L"Message table overflow. Either increase the value of Const MSG_ENTRIES or "
                    L"use ALL_MESSAGES instead of specific message values"}});
    Send(kFirst);
    Send(WM_APP + 10 + MSG_ENTRIES - 1);
    EXPECT_EQ(trace, (Trace{L"proc:1", L"proc:41", L"after:41"}));

    // A freed slot makes room again.
    hub.sc_UnwatchMsg(Window(), WM_APP + 10, WHEN_AFTER);
    hub.sc_WatchMsg(Window(), kFirst, WHEN_AFTER);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    trace.clear();
    Send(kFirst);
    EXPECT_EQ(trace, (Trace{L"proc:1", L"after:1"}));
}

TEST_F(SubclasserTest, UnwatchingAnAbsentMessageReportsItsHexadecimalNumber) {
    MessageBoxRecorder boxes;
    Subclass();
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    hub.sc_UnwatchMsg(Window(), kFirst, WHEN_AFTER);       // never in the after-table
    hub.sc_UnwatchMsg(Window(), 0xC0DE, WHEN_BEFORE);
    hub.sc_UnwatchMsg(Window(), 0xFFFFFFFE, WHEN_BEFORE);
    hub.sc_UnwatchMsg(Window(), kFirst, WHEN_BEFORE);      // present: no report
    hub.sc_UnwatchMsg(Window(), kFirst, WHEN_BEFORE);      // gone now
    ExpectReports(boxes, log,
                  {{L"zDelMsg", L"Message &H8001 not found in table"},
                   {L"zDelMsg", L"Message &HC0DE not found in table"},
                   {L"zDelMsg", L"Message &HFFFFFFFE not found in table"},
                   {L"zDelMsg", L"Message &H8001 not found in table"}});
}

TEST_F(SubclasserTest, AllMessagesWatchesEveryMessageUntilASpecificOneIsWatched) {
    Subclass();
    hub.sc_WatchMsg(Window(), ALL_MESSAGES, WHEN_BEFORE);
    Send(kFirst);
    Send(kThird);
    EXPECT_EQ(trace, (Trace{L"before:1", L"proc:1", L"before:3", L"proc:3"}));

    hub.sc_WatchMsg(Window(), kThird, WHEN_BEFORE);
    trace.clear();
    Send(kFirst);
    Send(kThird);
    EXPECT_EQ(trace, (Trace{L"proc:1", L"before:3", L"proc:3"}));

    hub.sc_UnwatchMsg(Window(), ALL_MESSAGES, WHEN_BEFORE);
    trace.clear();
    Send(kThird);
    EXPECT_EQ(trace, (Trace{L"proc:3"}));
}

TEST_F(SubclasserTest, UnsubclassingInsideTheCallbackKeepsTheWindowWorking) {
    MessageBoxRecorder boxes;
    Subclass();
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE | WHEN_AFTER);
    hub.sc_WatchMsg(Window(), kSecond, WHEN_BEFORE);
    callback.react = [&](bool bBefore, bool&, LRESULT&, HWND hWnd, UINT uMsg, LONG_PTR&) {
        if (bBefore && uMsg == kFirst) hub.sc_UnSubclass(hWnd);
    };

    // The message itself still reaches the previous procedure; its after call is gone.
    EXPECT_EQ(Send(kFirst), OwnResult(kFirst));
    EXPECT_EQ(trace, (Trace{L"before:1", L"proc:1"}));
    EXPECT_EQ(hub.LiveBlockCount(), 0u);

    trace.clear();
    EXPECT_EQ(Send(kFirst), OwnResult(kFirst));
    EXPECT_EQ(Send(kSecond), OwnResult(kSecond));
    EXPECT_EQ(trace, (Trace{L"proc:1", L"proc:2"}));

    EXPECT_EQ(hub.zMap_hWnd(Window()), nullptr);
    ExpectReports(boxes, log, {{L"zMap_hWnd", L"Window handle isn't subclassed"}});
}

TEST_F(SubclasserTest, UnsubclassedInANestedMessageTheStubStaysUntilTheOutermostReturns) {
    Subclass();
    hub.sc_WatchMsg(Window(), kFirst, WHEN_AFTER);
    hub.sc_WatchMsg(Window(), kSecond, WHEN_BEFORE);
    hub.sc_WatchMsg(Window(), kThird, WHEN_BEFORE);
    size_t blocksAfterNested = 99;
    window.onMessage = [&](UINT uMsg, WPARAM, LPARAM) -> LRESULT {
        if (uMsg == kFirst) {
            SendMessageW(Window(), kSecond, 0, 0);  // unsubclasses from inside
            blocksAfterNested = hub.LiveBlockCount();
            SendMessageW(Window(), kThird, 0, 0);   // still through the stub, no longer watched
        }
        return OwnResult(uMsg);
    };
    callback.react = [&](bool bBefore, bool&, LRESULT&, HWND hWnd, UINT uMsg, LONG_PTR&) {
        if (uMsg == kSecond) hub.sc_UnSubclass(hWnd);
    };

    EXPECT_EQ(Send(kFirst), OwnResult(kFirst));
    EXPECT_EQ(blocksAfterNested, 1u);
    EXPECT_EQ(hub.LiveBlockCount(), 0u);
    EXPECT_EQ(trace, (Trace{L"proc:1", L"before:2", L"proc:2", L"proc:3"}));

    trace.clear();
    EXPECT_EQ(Send(kThird), OwnResult(kThird));
    EXPECT_EQ(trace, (Trace{L"proc:3"}));
}

TEST_F(SubclasserTest, UnsubclassedWindowKeepsItsStubUntilItsNextMessage) {
    Subclass();
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    hub.sc_UnSubclass(Window());
    EXPECT_EQ(hub.LiveBlockCount(), 1u);
    EXPECT_EQ(Send(kFirst), OwnResult(kFirst));
    EXPECT_EQ(hub.LiveBlockCount(), 0u);
    EXPECT_EQ(trace, (Trace{L"proc:1"}));

    // The window can be subclassed again.
    Subclass();
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    trace.clear();
    Send(kFirst);
    EXPECT_EQ(trace, (Trace{L"before:1", L"proc:1"}));
}

TEST_F(SubclasserTest, FailuresReportTheirTextAndLeaveTheWindowAsItWas) {
    MessageBoxRecorder boxes;
    // Before the first subclassing.
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    hub.sc_UnSubclass(Window());
    EXPECT_EQ(hub.sc_CallPrevProc(Window(), kFirst, 0, 0), 0);

    HWND destroyed = TraceWindow(trace).Handle();
    EXPECT_FALSE(hub.sc_Subclass(destroyed, 0, &callback));
    EXPECT_FALSE(hub.sc_Subclass(nullptr, 0, &callback));
    EXPECT_FALSE(hub.sc_Subclass(Window(), 0, nullptr));
    Subclass();
    EXPECT_FALSE(hub.sc_Subclass(Window(), 0, &callback));
    TraceWindow other(trace);
    hub.sc_UnSubclass(other.Handle());
    ExpectReports(boxes, log,
                  {{L"zMap_hWnd", L"Subclassing hasn't been started"},
                   {L"sc_UnSubclass", L"Window handle isn't subclassed"},
                   {L"zMap_hWnd", L"Subclassing hasn't been started"},
                   {L"sc_Subclass", L"Invalid window handle"},
                   {L"sc_Subclass", L"Invalid window handle"},
                   {L"sc_Subclass", L"Callback method not found"},
                   {L"sc_Subclass", L"Window handle is already subclassed"},
                   {L"zMap_hWnd", L"Window handle isn't subclassed"}});

    // The refused second subclassing left the first one alone.
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    trace.clear();
    Send(kFirst);
    EXPECT_EQ(trace, (Trace{L"before:1", L"proc:1"}));
    EXPECT_EQ(hub.LiveBlockCount(), 1u);
}

TEST_F(SubclasserTest, UserValueReachesTheCallbackAndKeepsItsChanges) {
    ASSERT_TRUE(hub.sc_Subclass(Window(), 41, &callback));
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE | WHEN_AFTER);
    std::vector<LONG_PTR> seen;
    callback.react = [&](bool, bool&, LRESULT&, HWND, UINT, LONG_PTR& userValue) {
        seen.push_back(userValue);
        ++userValue;
    };
    Send(kFirst);
    EXPECT_EQ(seen, (std::vector<LONG_PTR>{41, 42}));
    EXPECT_EQ(hub.sc_UserParam(Window()), 43);
    hub.sc_UserParam(Window(), 7);
    Send(kFirst);
    EXPECT_EQ(seen.back(), 8);
}

TEST_F(SubclasserTest, CallPrevProcReachesThePreviousProcedure) {
    Subclass();
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    callback.react = [&](bool bBefore, bool& bHandled, LRESULT& lReturn, HWND hWnd, UINT uMsg, LONG_PTR&) {
        lReturn = hub.sc_CallPrevProc(hWnd, uMsg, 0, 0) + 1;
        bHandled = true;
    };
    EXPECT_EQ(Send(kFirst), OwnResult(kFirst) + 1);
    EXPECT_EQ(trace, (Trace{L"before:1", L"proc:1"}));

    // Outside any message the callback is not involved.
    trace.clear();
    EXPECT_EQ(hub.sc_CallPrevProc(Window(), kFirst, 0, 0), OwnResult(kFirst));
    EXPECT_EQ(trace, (Trace{L"proc:1"}));
}

TEST_F(SubclasserTest, UnSubclassAllReleasesEveryWindowAndEndsTheCollection) {
    MessageBoxRecorder boxes;
    TraceWindow second(trace);
    Subclass();
    ASSERT_TRUE(hub.sc_Subclass(second.Handle(), 0, &callback));
    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    hub.sc_WatchMsg(second.Handle(), kFirst, WHEN_BEFORE);

    EXPECT_TRUE(hub.IsSubclassed(Window()));
    EXPECT_TRUE(hub.IsSubclassed(second.Handle()));
    hub.sc_UnSubclassAll();
    EXPECT_FALSE(hub.IsSubclassed(Window()));
    EXPECT_FALSE(hub.IsSubclassed(second.Handle()));
    EXPECT_EQ(hub.LiveBlockCount(), 2u);
    SendMessageW(Window(), kFirst, 0, 0);
    SendMessageW(second.Handle(), kFirst, 0, 0);
    EXPECT_EQ(trace, (Trace{L"proc:1", L"proc:1"}));
    EXPECT_EQ(hub.LiveBlockCount(), 0u);

    hub.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
    ExpectReports(boxes, log, {{L"zMap_hWnd", L"Subclassing hasn't been started"}});
}

TEST_F(SubclasserTest, DestroyedWindowGivesUpItsBlock) {
    MessageBoxRecorder boxes;
    auto doomed = std::make_unique<TraceWindow>(trace);
    HWND handle = doomed->Handle();
    ASSERT_TRUE(hub.sc_Subclass(handle, 0, &callback));
    doomed.reset();
    EXPECT_EQ(hub.LiveBlockCount(), 0u);
    hub.sc_UnSubclass(handle);
    ExpectReports(boxes, log, {{L"zMap_hWnd", L"Window handle isn't subclassed"}});
}

TEST_F(SubclasserTest, EndingTheSubclasserGivesWindowsTheirOwnProcedureBack) {
    {
        WindowSubclasser shortLived(L"frmSettings", log);
        ASSERT_TRUE(shortLived.sc_Subclass(Window(), 0, &callback));
        shortLived.sc_WatchMsg(Window(), kFirst, WHEN_BEFORE);
        Send(kFirst);
    }
    Send(kFirst);
    EXPECT_EQ(trace, (Trace{L"before:1", L"proc:1", L"proc:1"}));
}

TEST(SubclasserReport, ProgramLogTakesTheEntryAndTheBoxStillShows) {
    MessageBoxRecorder boxes;
    WindowSubclasser hub(L"frmSettings");  // the application event log
    hub.zReport(L"sc_Subclass", L"Invalid window handle");
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Invalid window handle.");
    EXPECT_EQ(boxes.Shown()[0].caption, L"Error in frmSettings.sc_Subclass");
}
