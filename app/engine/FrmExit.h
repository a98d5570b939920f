#pragma once
// frmExit: the only way to end the program from its menu. Modeless and topmost, it asks
// what becomes of the programs hidden on other desktops, brings the user back to desktop 0,
// does what was chosen and ends the program through its host.
#include "LanguageRuntime.h"
#include "ScopedHandle.h"

#include <windows.h>

#include <memory>

// What the exit dialog needs from the main form.
class ExitDialogHost {
public:
    virtual ~ExitDialogHost() = default;
    // The switch to desktop 0 without a password prompt (frmSettings.publicCallDesktop).
    virtual void publicCallDesktop() = 0;
    // Unloads every loaded form except frmSettings and this dialog, which unloads itself.
    virtual void UnloadOtherForms() {}
    // Every window has been shown or closed: the program's end is the normal one (the
    // watchdog may end quietly).
    virtual void ExitingNormally() {}
    // Unloads frmSettings; the program then ends. Must not destroy this dialog's object
    // before Command1_Click has returned.
    virtual void UnloadMainForm() = 0;
};

// The two choices, in list order.
enum class ExitChoice { MoveAllToMainDesktop = 0, CloseAllNotOnMainDesktop = 1 };

class FrmExit {
public:
    explicit FrmExit(ExitDialogHost& host);
    ~FrmExit();
    FrmExit(const FrmExit&) = delete;
    FrmExit& operator=(const FrmExit&) = delete;

    // Loads the dialog when it is not loaded and shows it modeless.
    void Show();
    // Unloads the dialog; nothing else changes.
    void Unload();
    bool IsLoaded() const { return dialog_ != nullptr; }
    HWND Window() const { return dialog_; }

    void Command1_Click();
    void Command2_Click();

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load(HWND dialog);
    void ApplyTexts();
    void FillOptions();
    void ml_RuntimeSupport_LanguageChanged(long LanguageID, const std::wstring& Language);
    void Form_Unload();

    ExitDialogHost& host_;
    HWND dialog_ = nullptr;
    HWND tooltip_ = nullptr;
    GdiObject optionsFont_;
    std::unique_ptr<langruntime::RuntimeSupport> ml_RuntimeSupport_;
};
