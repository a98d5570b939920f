#pragma once
// Real windows for the tray tests: a window whose own procedure writes every application
// message it gets to a trace, a subclass callback writing to the same trace, and an error
// log that keeps its entries.
#include "ErrorEventLog.h"
#include "SubclassCallback.h"

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Messages from WM_APP on are the tests' own; the window answers them with
// OwnResult(message) unless onMessage is set.
inline LRESULT OwnResult(UINT uMsg) { return 0x100 + static_cast<LRESULT>(uMsg - WM_APP); }

using Trace = std::vector<std::wstring>;
std::wstring TraceEntry(const wchar_t* what, UINT uMsg);

class TraceWindow {
public:
    explicit TraceWindow(Trace& trace);
    ~TraceWindow();
    TraceWindow(const TraceWindow&) = delete;
    TraceWindow& operator=(const TraceWindow&) = delete;

    HWND Handle() const { return hWnd_; }
    // Replaces the answer to the tests' own messages (after the trace entry "proc").
    std::function<LRESULT(UINT uMsg, WPARAM, LPARAM)> onMessage;

private:
    static LRESULT CALLBACK Procedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    Trace& trace_;
    HWND hWnd_ = nullptr;
};

class TraceCallback : public SubclassCallback {
public:
    explicit TraceCallback(Trace& trace) : trace_(trace) {}

    // Runs for every call after its trace entry ("before" or "after").
    std::function<void(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND hWnd, UINT uMsg,
                       LONG_PTR& userValue)>
        react;

    void zHubProc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND hWnd, UINT uMsg,
                  WPARAM wParam, LPARAM lParam, LONG_PTR& userValue) override;

private:
    Trace& trace_;
};

class RecordingEventLog : public ErrorEventLog {
public:
    void WriteError(const std::wstring& entry) override { entries.push_back(entry); }
    std::vector<std::wstring> entries;
};
