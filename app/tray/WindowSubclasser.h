#pragma once
// Routes chosen messages of windows of this process to an owner's callback, before and/or
// after the window's previous procedure. Each subclassed window has one block with two
// message tables; the blocks live in a collection keyed by the window handle. Failures are
// logged as error entries and shown in a message box titled after the owner's type name.
#include "ErrorEventLog.h"
#include "SubclassBlock.h"

#include <windows.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class WindowSubclasser {
public:
    // ownerTypeName names the owner in every report ("frmSettings" for the main form).
    explicit WindowSubclasser(std::wstring ownerTypeName,
                              ErrorEventLog& log = TheApplicationEventLog());
    // Takes the stub off every window still carrying one.
    ~WindowSubclasser();
    WindowSubclasser(const WindowSubclasser&) = delete;
    WindowSubclasser& operator=(const WindowSubclasser&) = delete;

    bool sc_Subclass(HWND hWnd, LONG_PTR userValue, SubclassCallback* callback);
    void sc_UnSubclass(HWND hWnd);
    void sc_UnSubclassAll();
    // when: WHEN_BEFORE, WHEN_AFTER or both.
    void sc_WatchMsg(HWND hWnd, UINT uMsg, int when);
    void sc_UnwatchMsg(HWND hWnd, UINT uMsg, int when);
    LRESULT sc_CallPrevProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    LONG_PTR sc_UserParam(HWND hWnd);
    void sc_UserParam(HWND hWnd, LONG_PTR value);

    void zAddMsg(UINT uMsg, MessageTable& table);
    void zDelMsg(UINT uMsg, MessageTable& table);
    // The block of a subclassed window; nullptr (after a report) when there is none.
    SubclassBlock* zMap_hWnd(HWND hWnd);
    void zReport(const std::wstring& routine, const std::wstring& message);

    // Whether the window is in the collection; reports nothing.
    bool IsSubclassed(HWND hWnd) const;

    // Blocks still attached to a window: the subclassed ones plus those unsubclassed but
    // not yet released by their window's next message.
    size_t LiveBlockCount() const { return live_.size(); }

private:
    friend LRESULT CALLBACK SubclassStub(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    using Entry = std::pair<HWND, std::shared_ptr<SubclassBlock>>;
    std::vector<Entry>::iterator FindEntry(HWND hWnd);
    void ReleaseBlock(SubclassBlock* block);

    std::wstring ownerTypeName_;
    ErrorEventLog& log_;
    // The collection, keyed by window, oldest first; absent until the first successful
    // subclassing and again after sc_UnSubclassAll.
    std::optional<std::vector<Entry>> collection_;
    // Every block whose stub is installed, including unsubclassed ones awaiting release.
    std::vector<std::shared_ptr<SubclassBlock>> live_;
};
