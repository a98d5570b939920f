#include "DesktopIconTweaking.h"

#include "AnsiText.h"
#include "Background.h"
#include "DesktopHookProtocol.h"
#include "DesktopIconItems.h"
#include "DesktopWindows.h"
#include "IconLayouts.h"
#include "MessageBoxSeam.h"
#include "SubclassBlock.h"
#include "WindowSubclasser.h"

#include <cstring>

namespace {

// Report codes the form knows and leaves alone, with the message result unchanged.
constexpr int32_t kIgnoredReports[] = {7, 8, 26, 287, 289};

bool IsIgnoredReport(int32_t code) {
    for (int32_t ignored : kIgnoredReports)
        if (code == ignored) return true;
    return false;
}

// Lets the messages waiting for this thread run, as the rebuild does once the desktop view
// is hidden and refreshed.
void PumpWaitingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit request for the message loop that owns it.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

DesktopIconTweaking::DesktopIconTweaking(HWND mainWindow, IconMirror& lvDtop, RebuildTimer& tmrRebuild,
                                         WindowSubclasser* hub, std::wstring hookLibrary)
    : mainWindow_(mainWindow), mirror_(lvDtop), timer_(tmrRebuild), hub_(hub), hookLibraryPath_(std::move(hookLibrary)) {}

DesktopIconTweaking::~DesktopIconTweaking() { ReleaseIconTweaking(); }

std::wstring DesktopIconTweaking::DefaultHookLibraryPath() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program(path, length);
    return program.substr(0, program.find_last_of(L'\\') + 1) + dtophook::kLibraryFileName;
}

bool DesktopIconTweaking::SetupIconTweaking() {
    if (IsActiveDesktop()) {
        ShowMessageBox(L"Active Desktop is the current desktop mode.\r\n"
                       L"Cannot tweak icons in that mode. Would you like to automatically \r\n"
                       L"start if you remove the Active Desktop mode?",
                       L"Active Desktop", MB_YESNO | MB_ICONQUESTION, mainWindow_);
        return true;
    }
    LocateDesktopWindows();
    if (DesktopIconCount() == 0) {
        ShowMainWindow();
        ShowMessageBox(L"No Icons Found the Desktop", L"Cannot Customize", MB_OK | MB_ICONEXCLAMATION, mainWindow_);
        return true;
    }

    char stateBlockName[dtophook::kBlockNameChars] = {};
    char notificationBlockName[dtophook::kBlockNameChars] = {};
    UINT32 message = 0;
    BOOL hooked = FALSE;
    if (!hookLibrary_) hookLibrary_.Reset(LoadLibraryW(hookLibraryPath_.c_str()));
    if (hookLibrary_) {
        auto hookDesktop =
            reinterpret_cast<dtophook::HookDesktopFunction>(GetProcAddress(hookLibrary_.Get(), "HookDesktop"));
        if (hookDesktop) hooked = hookDesktop(mainWindow_, stateBlockName, notificationBlockName, &message);
    }
    if (!hooked || message == 0) {
        // Tweaking stays on without reports: the mirror is still built once.
        ShowMainWindow();
        ShowMessageBox(L"Cannot communicate with the desktop.", L"Error", MB_OK | MB_ICONHAND, mainWindow_);
    } else {
        tweakMessage_ = message;
        if (hub_) hub_->sc_WatchMsg(mainWindow_, tweakMessage_, WHEN_BEFORE);
        if (!OpenHookBlocks(stateBlockName, notificationBlockName)) {
            ReleaseIconTweaking();
            ShowMainWindow();
            ShowMessageBox(L"Cannot tweak desktop at this time. ", L"Error", MB_OK | MB_ICONEXCLAMATION, mainWindow_);
            tweakMessage_ = 0;
            return true;
        }
    }
    RebuildListView();
    if (std::optional<size_t> selected = mirror_.Selected()) mirror_.EnsureVisible(*selected);
    return false;
}

bool DesktopIconTweaking::OpenHookBlocks(const char* stateBlockName, const char* notificationBlockName) {
    notificationBlock_ = AllocShared(dtophook::kBlockSize, notificationBlockName, nullptr, true);
    if (!notificationBlock_) return false;
    stateBlock_ = AllocShared(dtophook::kBlockSize, stateBlockName, nullptr, true);
    return stateBlock_.Valid();
}

void DesktopIconTweaking::ReleaseIconTweaking() {
    if (tweakMessage_ != 0) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(TheDesktopViewWindows().desktopView, tweakMessage_, dtophook::kCommand,
                            dtophook::kCommandStopReports, SMTO_ABORTIFHUNG | SMTO_NORMAL, 5000, &ignored);
        if (hookLibrary_) {
            auto unhookDesktop =
                reinterpret_cast<dtophook::UnhookDesktopFunction>(GetProcAddress(hookLibrary_.Get(), "UnhookDesktop"));
            if (unhookDesktop) unhookDesktop();
        }
    }
    tweakMessage_ = 0;
    FreeShared(notificationBlock_);
    FreeShared(stateBlock_);
}

void DesktopIconTweaking::ShowMainWindow() const {
    if (mainWindow_) ShowWindow(mainWindow_, SW_SHOW);
}

std::wstring DesktopIconTweaking::ReportCaption() const {
    char caption[dtophook::kCaptionChars + 1] = {};
    notificationBlock_.Read(caption, sizeof caption, offsetof(dtophook::NotificationBlock, caption));
    return FromAnsiBuffer(caption, dtophook::kCaptionChars);
}

int32_t DesktopIconTweaking::ReportImage() const {
    dtophook::ItemRecord32 item = {};
    notificationBlock_.Read(&item, sizeof item, offsetof(dtophook::NotificationBlock, item));
    return item.iImage;
}

void DesktopIconTweaking::RestartRebuildTimer() {
    timer_.SetInterval(0);
    timer_.SetInterval(kRebuildDelay);
}

void DesktopIconTweaking::OnTweakReport(WPARAM code, LPARAM index, bool& bHandled, LRESULT& lReturn) {
    bHandled = true;
    // Codes and indexes are signed 32-bit numbers.
    const auto report = static_cast<int32_t>(code);
    const auto item = static_cast<int32_t>(index);
    const bool itemInMirror = item >= 0 && static_cast<size_t>(item) < mirror_.Count();
    switch (report) {
    case dtophook::kReportCaption:
        if (!rebuildBusy_ && timer_.Interval() == 0 && itemInMirror) {
            const std::wstring caption = ReportCaption();
            mirror_.SetSorted(false);
            std::optional<size_t> entry = mirror_.FindKey(KeyOfIconIndex(item));
            if (entry) {
                mirror_.Modify(*entry, [&](IconEntry& icon) {
                    icon.text = caption;
                    icon.tag = caption;
                    icon.iconIndex.clear();
                });
            }
            mirror_.SetSorted(true);
            if (entry) lReturn = 1;
        }
        break;
    case dtophook::kReportInsert:
    case dtophook::kReportDelete:
        if (!rebuildBusy_) {
            RestartRebuildTimer();
            lReturn = 1;
        }
        break;
    case dtophook::kReportCustomDraw:
        if (!rebuildBusy_ && itemInMirror) {
            std::optional<size_t> entry = mirror_.FindKey(KeyOfIconIndex(item));
            if (!entry) break;
            const std::wstring caption = ReportCaption();
            const IconEntry& icon = mirror_.At(*entry);
            if (icon.tag == caption) {
                if (icon.iconIndex.empty()) {
                    const std::wstring image = std::to_wstring(ReportImage());
                    mirror_.Modify(*entry, [&](IconEntry& changed) { changed.iconIndex = image; });
                }
            } else {
                RestartRebuildTimer();
            }
        }
        break;
    default:
        if (!IsIgnoredReport(report)) lReturn = 0;
        break;
    }
}

void DesktopIconTweaking::tmrRebuild_Timer() {
    timer_.SetInterval(0);
    if (IsDesktopDialogOpen())
        timer_.SetInterval(kRebuildDelay);
    else
        RebuildListView();
}

void DesktopIconTweaking::RebuildListView() {
    ++rebuildsRun_;
    rebuildBusy_ = true;
    const DesktopViewWindows& windows = TheDesktopViewWindows();
    ShowWindow(windows.desktopView, SW_HIDE);
    DesktopViewRefresh(true, true, -1);
    PumpWaitingMessages();

    bool added = false;
    int count = DesktopIconCount();
    if (count > 0) {
        IconItemBuffers buffers = AllocIconItemBuffers(windows.desktopListView);
        if (buffers.Valid()) {
            for (size_t position = 0; position < mirror_.Count(); ++position)
                mirror_.Modify(position, [](IconEntry& entry) { entry.key.clear(); });
            for (int index = 0; index < count; ++index) {
                int image = 0;
                const std::wstring caption = ReadIconItem(index, buffers, &image);
                if (caption.empty()) continue;
                std::optional<size_t> found = mirror_.FindText(caption);
                while (found && !mirror_.At(*found).key.empty()) found = mirror_.FindText(caption, *found + 1);
                size_t position = 0;
                if (found) {
                    position = *found;
                    mirror_.Modify(position, [&](IconEntry& entry) { entry.key = KeyOfIconIndex(index); });
                } else {
                    IconEntry entry;
                    entry.key = KeyOfIconIndex(index);
                    entry.text = caption;
                    entry.tag = caption;
                    position = mirror_.Add(std::move(entry));
                    added = true;
                }
                mirror_.Modify(position, [&](IconEntry& entry) { entry.iconIndex = std::to_wstring(image); });
                UpdateIconPositions(mirror_, index, false, &buffers.item);
            }
            for (size_t position = mirror_.Count(); position-- > 0;)
                if (mirror_.At(position).key.empty()) mirror_.Remove(position);
        }
    }

    rebuildBusy_ = false;
    ShowWindow(windows.desktopView, SW_SHOW);
    if (added) DesktopViewRefresh(false, false, -1);
}

void DesktopIconTweaking::ReadAllIcons() {
    if (rebuildBusy_) return;
    ReadAllIconsInto(mirror_);
}

void DesktopIconTweaking::SaveIconLayout(int16_t desktop) { ::SaveIconLayout(mirror_, desktop); }

void DesktopIconTweaking::RestoreIconLayout(int16_t desktop) { ::RestoreIconLayout(mirror_, desktop); }
