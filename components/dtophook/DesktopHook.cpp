// The library's exports. HookDesktop installs a call-window-procedure hook on the thread of
// the desktop list view, so this library is loaded into the desktop's process and reports
// the list view's changes from there (ReportingHook.cpp); UnhookDesktop removes it.
#include "DesktopHookProtocol.h"
#include "HookBlocks.h"
#include "ReportingHook.h"

#include <cstring>

namespace {

HMODULE thisModule = nullptr;

// The installing side: the hook and the blocks it made, for the one hook of this process.
struct Installation {
    WindowsHook hook;
    dtophook::HookBlocks blocks;
};

Installation& TheInstallation() {
    static Installation installation;
    return installation;
}

struct DesktopWindows {
    HWND view = nullptr;
    HWND listView = nullptr;
};

DesktopWindows FindDesktopWindows() {
    DesktopWindows found;
    HWND progman = FindWindowExA(GetDesktopWindow(), nullptr, "Progman", "Program Manager");
    if (progman) found.view = FindWindowExA(progman, nullptr, "SHELLDLL_DefView", nullptr);
    if (found.view) found.listView = FindWindowExA(found.view, nullptr, "SysListView32", nullptr);
    return found;
}

void CopyName(char* target, const std::string& name) {
    if (!target) return;
    std::strncpy(target, name.c_str(), dtophook::kBlockNameChars - 1);
    target[dtophook::kBlockNameChars - 1] = '\0';
}

void Uninstall() {
    Installation& installation = TheInstallation();
    if (installation.blocks.Held()) installation.blocks.State()->reporting = 0;
    installation.hook.Reset();
    installation.blocks.Release();
}

}  // namespace

extern "C" BOOL WINAPI HookDesktop(HWND mainWindow, char* stateBlockName, char* notificationBlockName,
                                   UINT32* reportMessage) {
    using namespace dtophook;
    Uninstall();
    DesktopWindows desktop = FindDesktopWindows();
    if (!desktop.listView || !IsWindow(mainWindow)) return FALSE;
    DWORD threadId = GetWindowThreadProcessId(desktop.listView, nullptr);
    Installation& installation = TheInstallation();
    if (!installation.blocks.Acquire(threadId, true)) return FALSE;

    StateBlock& state = *installation.blocks.State();
    state.reporting = 0;
    state.message = ReportMessage();
    state.mainWindow = reinterpret_cast<UINT_PTR>(mainWindow);
    state.listView = reinterpret_cast<UINT_PTR>(desktop.listView);
    state.desktopView = reinterpret_cast<UINT_PTR>(desktop.view);

    installation.hook.Reset(SetWindowsHookExW(WH_CALLWNDPROCRET, ReportingHookProc, thisModule, threadId));
    if (!installation.hook) {
        Uninstall();
        return FALSE;
    }
    // The first message to the hooked thread loads this library there; the attach command
    // makes it open the blocks before any report can be due.
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(desktop.view, state.message, kCommand, kCommandAttach, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                             5000, &ignored)) {
        Uninstall();
        return FALSE;
    }
    state.reporting = 1;
    CopyName(stateBlockName, StateBlockName(threadId));
    CopyName(notificationBlockName, NotificationBlockName(threadId));
    if (reportMessage) *reportMessage = state.message;
    return TRUE;
}

extern "C" BOOL WINAPI UnhookDesktop() {
    Uninstall();
    return TRUE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        thisModule = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded by FreeLibrary (not at process end): close what this process holds.
        dtophook::ReleaseReportingBlocks();
        Uninstall();
    }
    return TRUE;
}
