#include "Startup.h"

#include "AppError.h"
#include "DesktopFiles.h"
#include "DesktopModel.h"
#include "EngineLocations.h"
#include "FailureReport.h"
#include "FileRoutines.h"
#include "PathRoutines.h"
#include "ShellRoutines.h"
#include "SystemText.h"

namespace {

constexpr FailureSite kMainSite{L"Main", ModuleKind::Module, L"Main_mod"};
constexpr FailureSite kCheckFirstUserRunSite{L"CheckFirstUserRun", ModuleKind::Module, L"Main_mod"};
constexpr FailureSite kMainInitSite{L"Main_Init", ModuleKind::Module, L"Main_mod"};

StartupHooks* installedHooks = nullptr;

StartupHooks& CurrentStartupHooks() {
    static StartupHooks defaults;
    return installedHooks ? *installedHooks : defaults;
}

void RaiseIfFailed(long number) {
    if (number != 0) throw AppError(number, ProgramName() + L".Reg_cls", DllErrorText(static_cast<DWORD>(number)));
}

}  // namespace

void UseStartupHooks(StartupHooks* hooks) { installedHooks = hooks; }

Reg_cls& SharedRegistry() {
    static Reg_cls registry;
    return registry;
}

void Main() {
    RunReported(kMainSite, [] {
        ComCtlInit();
        SharedRegistry() = Reg_cls();
        Reg_cls& registry = SharedRegistry();
        const EngineLocations& where = CurrentEngineLocations();
        StartupHooks& hooks = CurrentStartupHooks();

        if (registry.ValueRead(HKEY_CURRENT_USER, where.appKey, L"ShowSplash", L"0", REG_SZ) != L"0")
            hooks.ShowSplash();
        TheDesktopModel().useIcons =
            registry.ValueRead(HKEY_CURRENT_USER, where.appKey, L"UseIcons", L"0", REG_SZ) != L"0";
        hooks.InitLanguage();
        hooks.RunLanguageDialogAtStart();
        CheckFirstUserRun();
        hooks.CreateHelpObject();
        Main_Init();
        hooks.LoadMainForm();
    });
}

void CheckFirstUserRun() {
    RunReported(kCheckFirstUserRunSite, [] {
        Reg_cls& registry = SharedRegistry();
        const EngineLocations& where = CurrentEngineLocations();
        DesktopModel& model = TheDesktopModel();

        model.installationKey = registry.ValueRead(HKEY_CURRENT_USER, where.appKey, L"Key", L"", REG_SZ);
        if (!model.installationKey.empty()) return;
        model.installationKey = L"{" + NewGuidString() + L"}";
        // A key that was not stored would be made anew at the next start and orphan the
        // password settings below the old one.
        RaiseIfFailed(registry.ValueWrite(HKEY_CURRENT_USER, where.appKey, L"Key", model.installationKey, REG_SZ));
        registry.KeyCreate(HKEY_CURRENT_USER, where.installationKeyParent + model.installationKey);
    });
}

void Main_Init() {
    RunReported(kMainInitSite, [] {
        Reg_cls& registry = SharedRegistry();
        const EngineLocations& where = CurrentEngineLocations();

        const std::wstring wallpaperKey = DesktopSettingKey(where, L"Wallpaper");
        if (registry.KeyExists(HKEY_CURRENT_USER, wallpaperKey) != 0) registry.KeyCreate(HKEY_CURRENT_USER, wallpaperKey);

        const std::wstring storeFolder0 = StoreFolderOf(where, 0);
        std::wstring storeRootFolder = where.storeRoot;
        if (!storeRootFolder.empty() && storeRootFolder.back() == L'\\') storeRootFolder.pop_back();
        if (!FO_FolderExists(storeRootFolder)) CreateStoreFolder(storeFolder0);
        CreateStoreFolder(storeFolder0);

        // A backup of desktop 0's small files. A different file of the same name already
        // waiting in store folder 0 (left by a run that ended on another desktop) is kept.
        CopySmallFiles(AddBackslash(where.desktopFolder), storeFolder0);
    });
}

void ProgramEndStep() {
    ComCtlTerminate();
    CurrentStartupHooks().ReleaseHelpObject();
}
