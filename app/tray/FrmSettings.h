#pragma once
// frmSettings: Plexor's main form. A window that is never shown: it owns the tray icon,
// receives the tray, shell and display messages through the subclasser, carries the tray
// menu and runs its commands. Every desktop change from the tray goes through its one
// switch request, mnuDesktop_Click.
#include "AxControl.h"
#include "ComPtr.h"
#include "HotkeyHooks.h"
#include "KeyedImageList.h"
#include "KeyedListView.h"
#include "LanguageRuntime.h"
#include "MainFormHooks.h"
#include "MenuExtended.h"
#include "Reg_cls.h"
#include "ScopedHandle.h"
#include "ShellNotifyIcon.h"
#include "SubclassCallback.h"
#include "SwitchDesktop.h"
#include "TrayMenu.h"
#include "WindowSubclasser.h"
#include "clsSysTray.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Name of the tray icon's callback message: 32 letters and digits no other program uses.
inline constexpr char kTrayMessageName[] = "HexaplanePlexorTray7F3A9C2E51B04";
static_assert(sizeof kTrayMessageName == 33);

inline constexpr LPARAM kTrayRightButtonUp = WM_RBUTTONUP;  // 517

class FrmSettings : private SubclassCallback, private SwitchHooks {
public:
    // Creates the form's window and controls; nothing runs until Form_Load. hotkeys and
    // hooks (nullptr: do nothing) must outlive the form.
    explicit FrmSettings(ShellNotifyIcon& shell = TheSystemShellNotifyIcon(), HotkeyHooks* hotkeys = nullptr,
                         MainFormHooks* hooks = nullptr);
    // Unloads the form if it is still loaded.
    ~FrmSettings();
    FrmSettings(const FrmSettings&) = delete;
    FrmSettings& operator=(const FrmSettings&) = delete;

    void Form_Load();
    // Form_Unload, then the window goes. The program ends once its main form is unloaded.
    void Unload();
    bool IsLoaded() const { return loaded_; }

    HWND Window() const { return window_; }
    // The tray icon; nullptr before Form_Load and after unloading.
    clsSysTray* cTray() const { return cTray_.get(); }

    // Switches to desktop 0 without a password prompt.
    void publicCallDesktop();
    // The switch request every desktop change from the tray runs through.
    void mnuDesktop_Click(int16_t Index);
    void createDesktopMenus(bool unRegHotKeys);
    void checkDesktopMenu(int16_t Index);
    void SubClassMenuXP2();
    void ApplyLanguageTexts();

    // The end of the program while there is no exit dialog: desktop 0 without a prompt,
    // every window of the other desktops shown again, then the form unloads.
    void EndWithoutExitDialog();

    const TrayMenu& Menu() const { return menu_; }
    const KeyedListView& lvDtop() const { return *lvDtop_; }
    UINT TrayMessage() const { return trayMessage_; }
    // The screenshot taken when desktop was last left; nullptr when there is none.
    IDispatch* DesktopPicture(int desktop) const;
    bool HasScreenShotControl() const { return screenShot_ != nullptr; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void zHubProc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND hWnd, UINT uMsg, WPARAM wParam,
                  LPARAM lParam, LONG_PTR& userValue) override;
    HWND MainFormWindow() override { return window_; }
    void SaveIconLayout(int16_t desktop) override { hooks_.SaveIconLayout(desktop); }

    void RunSwitchRequest(int16_t Index);
    void SetUpMessageHub();
    void PopUpTrayMenu();
    void StoreScreenShot(int desktop);
    void OnMenuCommand(UINT command);
    void mnuDesktopShow_Click();
    void mnuMenuMenuStyle_Click();
    void mnu_Spracheaendern_Click();
    void Form_MouseMove(int x);
    void Form_Resize(WPARAM sizeKind);
    void ml_RuntimeSupport_LanguageChanged(long LanguageID, const std::wstring& Language);
    std::wstring DesktopEntryCaption(int desktop);

    ShellNotifyIcon& shell_;
    HotkeyHooks& hotkeys_;
    MainFormHooks& hooks_;

    HWND window_ = nullptr;
    bool loaded_ = false;
    // While Form_Load runs, an unload (a WM_CLOSE handled in one of its message pumps)
    // waits until loading is done.
    bool loading_ = false;
    bool unloadRequested_ = false;
    ScopedIcon icon_;
    std::unique_ptr<KeyedListView> lvDtop_;
    KeyedImageList ImageList1_{16, 16};
    std::unique_ptr<AxControl> screenShot_;
    TrayMenu menu_;
    WindowSubclasser subclasser_{L"frmSettings"};

    std::unique_ptr<clsSysTray> cTray_;
    Reg_cls registry_;
    UINT trayMessage_ = 0;
    UINT taskbarCreatedMessage_ = 0;
    UINT tweakMessage_ = 0;
    bool suppressPassword_ = false;
    // A switch request that arrives while one runs (from a message handled at one of its
    // message pumps) waits for it; only the latest waiting request is kept.
    struct WaitingSwitch {
        int16_t desktop;
        bool suppressPassword;
    };
    bool switching_ = false;
    std::optional<WaitingSwitch> waitingSwitch_;
    std::unique_ptr<langruntime::RuntimeSupport> ml_RuntimeSupport_;
    std::unique_ptr<MenuEventSink> MenuEvents_;
    std::unique_ptr<MenuExtended> menuObject_;
    std::vector<ComPtr<IDispatch>> desktopPictures_;
};

// The main form of the process while it is loaded; nullptr otherwise. The other forms
// reach it through this (the exit dialog calls publicCallDesktop).
FrmSettings* LoadedMainForm();
