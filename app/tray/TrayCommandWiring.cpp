#include "TrayCommandWiring.h"

#include "DesktopCount.h"
#include "EngineLocations.h"
#include "FrmSettings.h"

namespace {

// The main form as the add and remove commands see it.
class FormCountHost : public DesktopCountHost {
public:
    explicit FormCountHost(FrmSettings& form) : form_(form) {}
    void createDesktopMenus(bool unRegHotKeys) override { form_.createDesktopMenus(unRegHotKeys); }
    void mnuDesktop_Click(int16_t Index) override { form_.mnuDesktop_Click(Index); }
    // The form's picture slots grow when a picture is stored; nothing to resize here.

private:
    FrmSettings& form_;
};

}  // namespace

// The main form as the exit dialog sees it.
class TrayCommandWiring::ExitHost : public ExitDialogHost {
public:
    ExitHost(FrmSettings& form, Watchdog& watchdog) : form_(form), watchdog_(watchdog) {}
    void publicCallDesktop() override { form_.publicCallDesktop(); }
    void ExitingNormally() override { watchdog_.ExitNormally(); }
    void UnloadMainForm() override { form_.Unload(); }

private:
    FrmSettings& form_;
    Watchdog& watchdog_;
};

TrayCommandWiring::TrayCommandWiring(MainFormHooks* inner)
    : inner_(inner ? *inner : defaults_),
      watchdog_(StartWatchdog(CurrentEngineLocations().storeRoot)),
      hotkeys_([](int16_t desktop) {
          if (FrmSettings* form = LoadedMainForm()) form->mnuDesktop_Click(desktop);
      }) {}

TrayCommandWiring::~TrayCommandWiring() = default;

void TrayCommandWiring::FillHotkeyTables() { hotkeys_.FillHotkeyTables(); }

void TrayCommandWiring::RegisterDesktopHotkey(HWND mainWindow, int desktop) {
    hotkeys_.RegisterDesktopHotkey(mainWindow, desktop);
}

void TrayCommandWiring::ReleaseDesktopHotkey(HWND mainWindow, int desktop) {
    hotkeys_.ReleaseDesktopHotkey(mainWindow, desktop);
}

void TrayCommandWiring::HookHotkeyMessages(HWND mainWindow) { hotkeys_.HookHotkeyMessages(mainWindow); }

void TrayCommandWiring::AddNewDesktop(FrmSettings& form) {
    FormCountHost host(form);
    mnuAddNewDesktop_Click(host);
}

void TrayCommandWiring::RemoveOldDesktop(FrmSettings& form) {
    FormCountHost host(form);
    mnuRemoveOldDesktop_Click(host);
}

void TrayCommandWiring::ShowExitDialog(FrmSettings& form) {
    if (!exitDialog_) {
        exitHost_ = std::make_unique<ExitHost>(form, watchdog_);
        exitDialog_ = std::make_unique<FrmExit>(*exitHost_);
    }
    exitDialog_->Show();
}
