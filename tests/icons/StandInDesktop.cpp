#include "StandInDesktop.h"

#include "HelperProcess.h"

#include "StandInProtocol.h"

#include <commctrl.h>

StandInDesktop::StandInDesktop(const std::vector<std::wstring>& arguments) {
    StartedProcess started;
    bool isReady = StartHelperProgram(L"explorer_standin.exe", arguments, 20000, started);
    process_ = std::move(started.process);
    processId_ = started.processId;
    threadId_ = started.threadId;
    if (!isReady) return;
    progman_ = FindWindowExW(GetDesktopWindow(), nullptr, L"Progman", L"Program Manager");
}

StandInDesktop::~StandInDesktop() {
    if (!process_) return;
    if (progman_) PostMessageW(progman_, WM_CLOSE, 0, 0);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    // While its list view goes, a hooked stand-in still reports to this thread: take the
    // reports so that it need not wait for their time-outs.
    const ULONGLONG deadline = GetTickCount64() + 5000;
    for (;;) {
        ULONGLONG now = GetTickCount64();
        DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        HANDLE process = process_.Get();
        DWORD result = MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0) return;
        if (result != WAIT_OBJECT_0 + 1) break;
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    TerminateProcess(process_.Get(), 1);
}

HWND StandInDesktop::View() const { return FindWindowExW(progman_, nullptr, L"SHELLDLL_DefView", nullptr); }

HWND StandInDesktop::ListView() const { return FindWindowExW(View(), nullptr, L"SysListView32", nullptr); }

LRESULT StandInDesktop::SendText(ULONG_PTR command, const std::wstring& text) {
    COPYDATASTRUCT data = {};
    data.dwData = command;
    data.cbData = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(text.c_str());
    return SendMessageW(progman_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

int StandInDesktop::Add(const std::wstring& captionAndPlace) {
    return static_cast<int>(SendText(standin::kAddItem, captionAndPlace));
}

bool StandInDesktop::Rename(int index, const std::wstring& caption) {
    return SendText(standin::kRenameItem, std::to_wstring(index) + L"|" + caption) != 0;
}

bool StandInDesktop::Delete(int index) { return SendMessageW(progman_, standin::kDeleteItem, index, 0) != 0; }

POINT StandInDesktop::Position(int index) const {
    LRESULT packed = SendMessageW(progman_, standin::kItemPosition, index, 0);
    if (packed == -1) return {-1, -1};
    return {static_cast<LONG>(packed & 0xFFFF), static_cast<LONG>((packed >> 16) & 0xFFFF)};
}

void StandInDesktop::Move(int index, POINT point) {
    SendMessageW(progman_, standin::kMoveItem, index, (point.x & 0xFFFF) | ((point.y & 0xFFFF) << 16));
}

int StandInDesktop::Count() const { return static_cast<int>(SendMessageW(ListView(), LVM_GETITEMCOUNT, 0, 0)); }

LONG_PTR StandInDesktop::ListViewStyle() const { return GetWindowLongPtrW(ListView(), GWL_STYLE); }

HWND StandInDesktop::OpenDialog() {
    return reinterpret_cast<HWND>(SendMessageW(progman_, standin::kOpenDialog, 0, 0));
}

void StandInDesktop::CloseDialog() { SendMessageW(progman_, standin::kCloseDialog, 0, 0); }

int StandInDesktop::MovesBeforeArrangeOff() const {
    return static_cast<int>(SendMessageW(progman_, standin::kMovesBeforeArrangeOff, 0, 0));
}

void StandInDesktop::Repaint() { SendMessageW(progman_, standin::kRepaint, 0, 0); }

POINT Pt(int x, int y) { return POINT{x, y}; }

bool SamePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }
