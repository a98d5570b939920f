#pragma once
// The main form's calls into parts that join it later: the desktop icon layouts and the
// icon hook, the options, help, About and exit dialogs, and adding and removing desktops.
// The defaults do nothing visible, except that the exit command ends the program (see
// FrmSettings::EndWithoutExitDialog).
#include <windows.h>

#include <cstdint>

class FrmSettings;

class MainFormHooks {
public:
    virtual ~MainFormHooks() = default;

    // Desktop icon layouts.
    // Sets up the desktop icon hook; returns its message (0 while no hook is active).
    virtual UINT SetUpIconTweaking(HWND mainWindow) { return 0; }
    virtual void ReleaseIconTweaking() {}
    virtual void LocateDesktopWindows() {}
    virtual void ReadAllDesktopIcons() {}
    virtual void SaveIconLayout(int16_t desktop) {}
    virtual void RestoreIconLayout(int16_t desktop) {}
    // A report of the desktop icon hook (its message arrived, before the form's own
    // procedure): bHandled and lReturn as the subclasser's callback has them.
    virtual void IconHookReport(WPARAM wParam, LPARAM lParam, bool& bHandled, LRESULT& lReturn) {}

    // Commands of the tray menu.
    virtual void ShowOptionsDialog(FrmSettings& form) {}
    virtual void SetHelpFile(const wchar_t* path) {}
    virtual void ShowHelpContents(HWND mainWindow) {}
    virtual void ShowAboutBox(FrmSettings& form) {}
    virtual void AddNewDesktop(FrmSettings& form) {}
    virtual void RemoveOldDesktop(FrmSettings& form) {}
    virtual void ShowExitDialog(FrmSettings& form);
};
