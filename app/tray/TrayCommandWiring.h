#pragma once
// Plugs the hotkeys, the add and remove commands, the exit dialog and the watchdog into
// the main form's hook interfaces. Create it before the main form (it starts the watchdog
// before the form's first switch hides anything) and keep it until the form is gone.
// The main form's other hooks (icon layouts, options, help, About) go on to inner.
#include "FrmExit.h"
#include "HotkeyHooks.h"
#include "Hotkeys.h"
#include "MainFormHooks.h"
#include "Watchdog.h"

#include <memory>

class TrayCommandWiring : public HotkeyHooks, public MainFormHooks {
public:
    explicit TrayCommandWiring(MainFormHooks* inner = nullptr);
    ~TrayCommandWiring() override;

    // HotkeyHooks
    void FillHotkeyTables() override;
    void RegisterDesktopHotkey(HWND mainWindow, int desktop) override;
    void ReleaseDesktopHotkey(HWND mainWindow, int desktop) override;
    void HookHotkeyMessages(HWND mainWindow) override;

    // MainFormHooks: the three commands of this part.
    void AddNewDesktop(FrmSettings& form) override;
    void RemoveOldDesktop(FrmSettings& form) override;
    void ShowExitDialog(FrmSettings& form) override;

    // MainFormHooks: the rest, passed on.
    UINT SetUpIconTweaking(HWND mainWindow) override { return inner_.SetUpIconTweaking(mainWindow); }
    void ReleaseIconTweaking() override { inner_.ReleaseIconTweaking(); }
    void LocateDesktopWindows() override { inner_.LocateDesktopWindows(); }
    void ReadAllDesktopIcons() override { inner_.ReadAllDesktopIcons(); }
    void SaveIconLayout(int16_t desktop) override { inner_.SaveIconLayout(desktop); }
    void RestoreIconLayout(int16_t desktop) override { inner_.RestoreIconLayout(desktop); }
    void IconHookReport(WPARAM wParam, LPARAM lParam, bool& bHandled, LRESULT& lReturn) override {
        inner_.IconHookReport(wParam, lParam, bHandled, lReturn);
    }
    void ShowOptionsDialog(FrmSettings& form) override { inner_.ShowOptionsDialog(form); }
    void SetHelpFile(const wchar_t* path) override { inner_.SetHelpFile(path); }
    void ShowHelpContents(HWND mainWindow) override { inner_.ShowHelpContents(mainWindow); }
    void ShowAboutBox(FrmSettings& form) override { inner_.ShowAboutBox(form); }

    const DesktopHotkeys& Hotkeys() const { return hotkeys_; }
    const Watchdog& TheWatchdog() const { return watchdog_; }
    FrmExit* ExitDialog() const { return exitDialog_.get(); }

private:
    class ExitHost;

    MainFormHooks defaults_;
    MainFormHooks& inner_;
    Watchdog watchdog_;
    DesktopHotkeys hotkeys_;
    std::unique_ptr<ExitHost> exitHost_;
    std::unique_ptr<FrmExit> exitDialog_;
};
