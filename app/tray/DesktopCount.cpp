#include "DesktopCount.h"

#include "DesktopModel.h"
#include "EngineLocations.h"
#include "FailureReport.h"
#include "HiddenWindowsJournal.h"
#include "MessageBoxSeam.h"
#include "MessagePump.h"
#include "NumberText.h"
#include "Reg_cls.h"
#include "SystemText.h"
#include "WindowRecovery.h"

#include <string>
#include <vector>

namespace {

constexpr FailureSite kAddSite{L"mnuAddNewDesktop_Click", ModuleKind::Form, L"frmSettings"};
constexpr FailureSite kRemoveSite{L"mnuRemoveOldDesktop_Click", ModuleKind::Form, L"frmSettings"};
constexpr UINT kInformation = MB_OK | MB_ICONINFORMATION;
constexpr UINT kDeleteQuestion = 4132;  // Yes and No, question icon, system-modal

std::wstring CountKey() { return CurrentEngineLocations().appKey + L"\\Desktop"; }

// Writes "Count" and takes the value read back as the number of desktops.
int32_t WriteAndReadBackCount(int32_t count) {
    Reg_cls registry;
    long written = registry.ValueWrite(HKEY_CURRENT_USER, CountKey(), L"Count", std::to_wstring(count), REG_SZ);
    // A count that did not reach the registry must not be announced as done.
    if (written != 0) throw AppError(written, ProgramName() + L".Reg_cls", DllErrorText(static_cast<DWORD>(written)));
    PumpPendingMessages();
    int32_t readBack = LongOfText(registry.ValueRead(HKEY_CURRENT_USER, CountKey(), L"Count", L"1", REG_SZ));
    TheDesktopModel().desktopCount = readBack;
    return readBack;
}

void DeleteDesktopSettings(int desktop) {
    Reg_cls registry;
    const EngineLocations& where = CurrentEngineLocations();
    for (const wchar_t* setting : {L"Name", L"hasHotkey", L"Hotkey", L"ShowNames", L"Wallpaper"})
        registry.ValueDelete(HKEY_CURRENT_USER, DesktopSettingKey(where, setting), std::to_wstring(desktop));
}

void RebuildMenus(DesktopCountHost& host) {
    PumpPendingMessages();
    host.createDesktopMenus(false);
    PumpPendingMessages();
}

}  // namespace

void mnuAddNewDesktop_Click(DesktopCountHost& host) {
    RunReported(kAddSite, [&] {
        const int32_t current = TheDesktopModel().desktopCount;
        if (current + 1 > kMostDesktops) {
            ShowMessageBox(L"You cannot have more than 1024 desktops.", L"Information", kInformation);
            return;
        }
        const int32_t count = WriteAndReadBackCount(current + 1);
        host.ResizeDesktopPictures(count);
        RebuildMenus(host);
        ShowMessageBox(L"Desktop " + std::to_wstring(count) + L" has been created successfully.", L"Information",
                       kInformation);
    });
}

void mnuRemoveOldDesktop_Click(DesktopCountHost& host) {
    RunReported(kRemoveSite, [&] {
        DesktopModel& model = TheDesktopModel();
        if (model.desktopCount - 1 < kFewestDesktops) {
            ShowMessageBox(L"You cannot have less than 1 desktop.", L"Information", kInformation);
            return;
        }
        const int32_t count = WriteAndReadBackCount(model.desktopCount - 1);
        const int removed = count;  // the old highest number
        host.ResizeDesktopPictures(count);

        if (ShowMessageBox(L"Einstellungen f\u00fcr diesen Desktop auch l\u00f6schen?", L"Desktop l\u00f6schen!",
                           kDeleteQuestion) == IDYES)
            DeleteDesktopSettings(removed);

        if (model.currentDesktop >= count) host.mnuDesktop_Click(0);
        MoveWindowsToMainDesktop(removed);

        RebuildMenus(host);
        ShowMessageBox(L"Desktop " + std::to_wstring(count + 1) + L" has been deleted successfully.", L"Information",
                       kInformation);
    });
}

void MoveWindowsToMainDesktop(int removedDesktop) {
    DesktopModel& model = TheDesktopModel();
    if (removedDesktop <= 0 || removedDesktop >= kDesktopLimit || removedDesktop == model.currentDesktop) return;
    const std::vector<RecordedWindow> moving = model.Recorded(removedDesktop);
    if (moving.empty()) return;
    model.RecordLeftDesktop(removedDesktop, {});

    if (model.currentDesktop == 0) {
        for (const RecordedWindow& window : moving) {
            if (StillTheRecordedWindow(window)) ShowWindow(window.hwnd, SW_SHOW);
        }
    } else {
        std::vector<RecordedWindow> mainDesktop = model.Recorded(0);
        for (const RecordedWindow& window : moving) {
            if (!StillTheRecordedWindow(window)) continue;
            if (mainDesktop.size() < static_cast<size_t>(kWindowSlotLimit))
                mainDesktop.push_back(window);
            else
                ShowWindow(window.hwnd, SW_SHOW);  // no slot left: shown rather than lost
        }
        model.RecordLeftDesktop(0, std::move(mainDesktop));
    }
    // The journal follows, so a recovery after a crash finds them under desktop 0.
    RunReported(kRemoveSite, [&] {
        WriteHiddenWindowsJournal(CurrentEngineLocations().storeRoot, model, model.currentDesktop);
    });
}
