#include "MessageBoxRecorder.h"
#include "ScopedHandle.h"
#include "TestWindows.h"
#include "WindowSubclasser.h"

#include "SystemText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The helper process and its window; closes the window and waits for the process at the end.
class ForeignWindow {
public:
    explicit ForeignWindow(const std::wstring& title) {
        std::wstring commandLine = L"\"" + (ProgramFolder() + L"tray_foreign_window.exe") + L"\" " + title;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &info))
            return;
        process_.Reset(info.hProcess);
        CloseHandle(info.hThread);
        // Waits for the window to exist, not for a time: gives up only when the helper ends.
        while (!window_ && WaitForSingleObject(process_.Get(), 20) == WAIT_TIMEOUT)
            window_ = FindWindowW(L"HexaplaneForeignWindow", title.c_str());
    }
    ~ForeignWindow() {
        if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
        if (process_ && WaitForSingleObject(process_.Get(), 10000) != WAIT_OBJECT_0)
            TerminateProcess(process_.Get(), 1);
    }
    HWND Handle() const { return window_; }

private:
    KernelHandle process_;
    HWND window_ = nullptr;
};

}  // namespace

TEST(ForeignWindow, WindowOfAnotherProcessIsRefused) {
    MessageBoxRecorder boxes;
    RecordingEventLog log;
    Trace trace;
    TraceCallback callback(trace);
    ForeignWindow foreign(L"HexaplaneForeign" + std::to_wstring(GetCurrentProcessId()));
    ASSERT_NE(foreign.Handle(), nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(foreign.Handle(), &owner);
    ASSERT_NE(owner, GetCurrentProcessId());

    WindowSubclasser hub(L"frmSettings", log);
    EXPECT_FALSE(hub.sc_Subclass(foreign.Handle(), 0, &callback));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Window handle belongs to another process.");
    EXPECT_EQ(boxes.Shown()[0].caption, L"Error in frmSettings.sc_Subclass");
    EXPECT_EQ(log.entries, (std::vector<std::wstring>{
                               L"frmSettings.sc_Subclass: Window handle belongs to another process"}));
    EXPECT_EQ(hub.LiveBlockCount(), 0u);
}
