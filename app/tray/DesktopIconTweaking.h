#pragma once
// The main form's part of the desktop icons: the icon hook (our dtophook.dll) and its
// shared blocks, the reports it sends as tweakMessage, the rebuild of the mirror lvDtop
// and the rebuild timer tmrRebuild, and the layout operations of the switch. The form
// owns one of these with its mirror and timer; everything runs on its thread.
#include "IconMirror.h"
#include "RebuildTimer.h"
#include "ScopedHandle.h"
#include "SharedBuffer.h"

#include <windows.h>

#include <cstdint>
#include <string>

class WindowSubclasser;

class DesktopIconTweaking {
public:
    static constexpr UINT kRebuildDelay = 500;

    // hub: the subclasser of mainWindow that gets tweakMessage watched (may be null when
    // the caller routes the message itself). hookLibrary: full path of the hook library.
    DesktopIconTweaking(HWND mainWindow, IconMirror& lvDtop, RebuildTimer& tmrRebuild, WindowSubclasser* hub,
                        std::wstring hookLibrary = DefaultHookLibraryPath());
    ~DesktopIconTweaking();
    DesktopIconTweaking(const DesktopIconTweaking&) = delete;
    DesktopIconTweaking& operator=(const DesktopIconTweaking&) = delete;

    // The hook library beside the program: its folder + "\dtophook.dll".
    static std::wstring DefaultHookLibraryPath();

    // Installs the hook and fills the mirror; true when icon tweaking is off.
    bool SetupIconTweaking();
    // Stops and removes the hook and frees the shared blocks.
    void ReleaseIconTweaking();
    UINT tweakMessage() const { return tweakMessage_; }

    // The zHubProc branch of tweakMessage (before the window's procedure): wParam = code,
    // lParam = item index. Marks every report handled.
    void OnTweakReport(WPARAM code, LPARAM index, bool& bHandled, LRESULT& lReturn);

    // Reconciles the mirror with the desktop, keeping the data of icons still there.
    void RebuildListView();
    // The timer's event: rebuilds, or retries later while a dialog of the desktop is open.
    void tmrRebuild_Timer();
    bool rebuildBusy() const { return rebuildBusy_; }
    // Rebuilds run so far (each adds, keeps and removes entries as needed).
    int RebuildsRun() const { return rebuildsRun_; }

    // Full read of the desktop icons into the mirror; nothing while a rebuild runs.
    void ReadAllIcons();
    void SaveIconLayout(int16_t desktop);
    void RestoreIconLayout(int16_t desktop);

private:
    void RestartRebuildTimer();
    bool OpenHookBlocks(const char* stateBlockName, const char* notificationBlockName);
    std::wstring ReportCaption() const;
    int32_t ReportImage() const;
    void ShowMainWindow() const;

    HWND mainWindow_;
    IconMirror& mirror_;
    RebuildTimer& timer_;
    WindowSubclasser* hub_;
    std::wstring hookLibraryPath_;
    LoadedModule hookLibrary_;
    UINT tweakMessage_ = 0;
    SharedBuffer notificationBlock_;
    SharedBuffer stateBlock_;
    bool rebuildBusy_ = false;
    int rebuildsRun_ = 0;
};
