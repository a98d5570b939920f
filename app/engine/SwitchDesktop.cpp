#include "SwitchDesktop.h"

#include "AppError.h"
#include "Background.h"
#include "DesktopFiles.h"
#include "DesktopModel.h"
#include "EngineLocations.h"
#include "FailureReport.h"
#include "HiddenWindowsJournal.h"
#include "PathRoutines.h"
#include "NumberText.h"
#include "Reg_cls.h"
#include "TaskWindows.h"

#include <string>
#include <vector>

namespace {

constexpr FailureSite kSwitchSite{L"switchDesktop", ModuleKind::Module, L"modWindowFunctions"};
constexpr DWORD kDisplayModeFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;  // 0x1C0000

SwitchHooks& CurrentSwitchHooks(SwitchHooks* chosen = nullptr, bool choose = false) {
    static SwitchHooks defaults;
    static SwitchHooks* installed = nullptr;
    if (choose) installed = chosen;
    return installed ? *installed : defaults;
}

// Runs the actions of one switch: a failing action is reported and the next one runs.
class SwitchActions {
public:
    template <typename Action>
    bool Run(Action&& action) {
        try {
            action();
            return true;
        } catch (...) {
            AppError error = CurrentExceptionAsError();
            ShowFailureReport(error, kSwitchSite);
            lastError_ = error.Number();
            return false;
        }
    }
    long LastError() const { return lastError_; }

private:
    long lastError_ = 0;
};

void RaiseFileError(long number) {
    if (number != 0) throw RuntimeFailure(number);
}

std::wstring TrimBlanks(const std::wstring& text) {
    size_t begin = text.find_first_not_of(L' ');
    if (begin == std::wstring::npos) return {};
    return text.substr(begin, text.find_last_not_of(L' ') - begin + 1);
}

// The parts of a text split at a separator; an empty text has no parts.
std::vector<std::wstring> SplitAt(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    if (text.empty()) return parts;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::wstring::npos ? std::wstring::npos : at - start));
        if (at == std::wstring::npos) return parts;
        start = at + 1;
    }
}

const std::wstring& PartOf(const std::vector<std::wstring>& parts, size_t index) {
    if (index >= parts.size()) throw RuntimeFailure(RuntimeError::SubscriptOutOfRange);
    return parts[index];
}

bool IsCurrentDisplayMode(const DEVMODEW& wanted) {
    DEVMODEW current = {};
    current.dmSize = sizeof current;
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &current)) return false;
    return current.dmPelsWidth == wanted.dmPelsWidth && current.dmPelsHeight == wanted.dmPelsHeight &&
           current.dmBitsPerPel == wanted.dmBitsPerPel;
}

// The system reuses the handle of a closed window: a handle that now belongs to another
// process names some other program's window, which must not be shown.
bool StillTheRecordedWindow(const RecordedWindow& window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window.hwnd, &processId);
    return processId != 0 && processId == window.processId;
}

void HideAndRecordTaskWindows(SwitchActions& actions, DesktopModel& model, int16_t desktop,
                              const std::wstring& storeRoot) {
    // Recorded and journalled first, hidden afterwards: no window is ever hidden
    // without a record of it.
    bool recorded = actions.Run([&] {
        std::vector<RecordedWindow> chosen =
            ChooseWindowsToHide(ListTopLevelWindows(), CurrentSwitchHooks().MainFormWindow());
        model.RecordLeftDesktop(desktop, std::move(chosen));
    });
    if (!recorded) return;
    actions.Run([&] { WriteHiddenWindowsJournal(storeRoot, model, -1); });
    for (const RecordedWindow& window : model.Recorded(desktop)) ShowWindow(window.hwnd, SW_HIDE);
}

}  // namespace

void UseSwitchHooks(SwitchHooks* hooks) { CurrentSwitchHooks(hooks, true); }

long switchDesktop(int16_t from, int16_t to) {
    const EngineLocations& where = CurrentEngineLocations();
    DesktopModel& model = TheDesktopModel();
    SwitchActions actions;
    Reg_cls registry;
    const std::wstring desktopFolder = AddBackslash(where.desktopFolder);
    const std::wstring fromStore = StoreFolderOf(where, from);
    const std::wstring toStore = StoreFolderOf(where, to);
    const std::wstring fromName = std::to_wstring(from);
    const std::wstring toName = std::to_wstring(to);
    const std::wstring wallpaperKey = DesktopSettingKey(where, L"Wallpaper");
    const std::wstring resolutionKey = DesktopSettingKey(where, L"Resolution");
    const std::wstring colorDepthKey = DesktopSettingKey(where, L"ColorDepth");

    // Leaving desktop from.
    actions.Run([&] { CreateStoreFolder(fromStore); });
    SmallFilesCopy filesLeft;
    actions.Run([&] {
        filesLeft = CopySmallFiles(desktopFolder, fromStore);
        RaiseFileError(filesLeft.lastError);
    });
    actions.Run([&] { CurrentSwitchHooks().SaveIconLayout(from); });
    HideAndRecordTaskWindows(actions, model, from, where.storeRoot);

    actions.Run([&] { registry.ValueWrite(HKEY_CURRENT_USER, wallpaperKey, fromName, getBackground(), REG_SZ); });
    actions.Run([&] {
        registry.ValueWrite(HKEY_CURRENT_USER, DesktopSettingKey(where, L"Backcolor"), fromName,
                            std::to_wstring(getBackColor()), REG_SZ);
    });
    DEVMODEW mode = {};
    mode.dmSize = sizeof mode;
    bool haveMode = actions.Run([&] {
        if (!EnumDisplaySettingsW(nullptr, ENUM_REGISTRY_SETTINGS, &mode))
            throw RuntimeFailure(RuntimeError::InvalidCall);
    });
    const std::wstring leftResolution =
        std::to_wstring(mode.dmPelsWidth) + L"x" + std::to_wstring(mode.dmPelsHeight);
    const std::wstring leftColorDepth = std::to_wstring(mode.dmBitsPerPel);
    if (haveMode) {
        actions.Run([&] { registry.ValueWrite(HKEY_CURRENT_USER, resolutionKey, fromName, leftResolution, REG_SZ); });
        actions.Run([&] { registry.ValueWrite(HKEY_CURRENT_USER, colorDepthKey, fromName, leftColorDepth, REG_SZ); });
    }

    // Entering desktop to.
    actions.Run([&] {
        for (const RecordedWindow& window : model.Recorded(to)) {
            if (StillTheRecordedWindow(window)) ShowWindow(window.hwnd, SW_SHOW);
        }
    });
    actions.Run([&] { WriteHiddenWindowsJournal(where.storeRoot, model, to); });
    actions.Run([&] {
        std::wstring wallpaper = registry.ValueRead(HKEY_CURRENT_USER, wallpaperKey, toName, L"", REG_SZ);
        setBackground(to, TrimBlanks(wallpaper).empty() ? std::wstring(L"None") : wallpaper);
    });
    // Without the display's stored mode there is nothing sound to apply.
    if (haveMode) {
        std::vector<std::wstring> resolution;
        std::wstring colorDepth;
        actions.Run([&] {
            resolution = SplitAt(registry.ValueRead(HKEY_CURRENT_USER, resolutionKey, toName, leftResolution, REG_SZ),
                                 L'x');
        });
        actions.Run([&] { colorDepth = registry.ValueRead(HKEY_CURRENT_USER, colorDepthKey, toName, leftColorDepth, REG_SZ); });
        mode.dmFields = kDisplayModeFields;
        actions.Run([&] { mode.dmPelsWidth = LongOfText(PartOf(resolution, 0)); });
        actions.Run([&] { mode.dmPelsHeight = LongOfText(PartOf(resolution, 1)); });
        actions.Run([&] { mode.dmBitsPerPel = IntegerOfText(colorDepth); });
        actions.Run([&] {
            // A mode the display already has is not set again: a mode change costs a
            // flicker of the screen and a broadcast to every window.
            if (IsCurrentDisplayMode(mode)) return;
            if (ChangeDisplaySettingsW(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL)
                ChangeDisplaySettingsW(&mode, CDS_UPDATEREGISTRY);
        });
    }
    actions.Run([&] { RaiseFileError(DeleteCopiedFiles(desktopFolder, filesLeft.copied, fromStore)); });
    SmallFilesCopy filesEntered;
    actions.Run([&] {
        filesEntered = CopySmallFiles(toStore, desktopFolder);
        RaiseFileError(filesEntered.lastError);
    });
    actions.Run([&] { RaiseFileError(DeleteCopiedFiles(toStore, filesEntered.copied, desktopFolder)); });

    model.previousDesktop = from;
    model.currentDesktop = to;
    return actions.LastError();
}
