#include "WindowOwnerProcess.h"

#include "HelperProcess.h"

#include <algorithm>

namespace {

struct Search {
    DWORD processId;
    std::vector<std::pair<LONG_PTR, HWND>> found;
};

BOOL CALLBACK CollectOwned(HWND hwnd, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    LONG_PTR position = GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    if (owner == search.processId && position > 0) search.found.emplace_back(position, hwnd);
    return TRUE;
}

// Under Wine without a window manager (a bare Xvfb display) hiding a window the X11
// driver treats as managed waits two seconds for a window manager that never answers.
// The helper's windows are declared unmanaged; on Windows the key means nothing.
void DeclareHelperWindowsUnmanaged() {
    const wchar_t key[] = L"Software\\Wine\\AppDefaults\\engine_window_owner.exe\\X11 Driver";
    const wchar_t no[] = L"N";
    RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Managed", REG_SZ, no, sizeof no);
}

}  // namespace

WindowOwnerProcess::WindowOwnerProcess(const std::vector<std::wstring>& windows) {
    DeclareHelperWindowsUnmanaged();
    StartedProcess started;
    bool isReady = StartHelperProgram(L"engine_window_owner.exe", windows, 20000, started);
    process_ = std::move(started.process);
    processId_ = started.processId;
    threadId_ = started.threadId;
    if (!isReady) return;

    Search search{processId_, {}};
    EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&search));
    std::sort(search.found.begin(), search.found.end());
    for (const auto& [position, hwnd] : search.found) windows_.push_back(hwnd);
}

WindowOwnerProcess::~WindowOwnerProcess() {
    if (!process_) return;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    if (WaitForSingleObject(process_.Get(), 5000) != WAIT_OBJECT_0) TerminateProcess(process_.Get(), 1);
}

HWND WindowOwnerProcess::Window(int n) const {
    return n >= 1 && static_cast<size_t>(n) <= windows_.size() ? windows_[n - 1] : nullptr;
}

bool IsShown(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }
