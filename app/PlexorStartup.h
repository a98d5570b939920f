#pragma once
// The start-up steps the program's dialogs and tray provide to Main: the language layer,
// the language dialog at start, and the main form, run until it is unloaded. The splash
// screen and the help object are not there yet.
#include "ShellNotifyIcon.h"
#include "Startup.h"

class PlexorStartupHooks : public StartupHooks {
public:
    explicit PlexorStartupHooks(ShellNotifyIcon& shell = TheSystemShellNotifyIcon()) : shell_(shell) {}

    void InitLanguage() override;
    void RunLanguageDialogAtStart() override;
    // Loads frmSettings and processes window messages until the form is unloaded.
    void LoadMainForm() override;

private:
    ShellNotifyIcon& shell_;
};
