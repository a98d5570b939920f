#include "FrmSettings.h"

#include "AppError.h"
#include "Background.h"
#include "BooleanText.h"
#include "CloseCommand.h"
#include "DesktopModel.h"
#include "DesktopPassword.h"
#include "EngineLocations.h"
#include "FailureReport.h"
#include "LanguageSelect.h"
#include "MessageBoxSeam.h"
#include "MlStringModule.h"
#include "NumberText.h"
#include "PathRoutines.h"
#include "MessagePump.h"
#include "ProgramImages.h"
#include "SkippedOnFailure.h"
#include "Startup.h"
#include "SystemText.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr wchar_t kWindowClass[] = L"HexaplaneFrmSettings";
constexpr wchar_t kModule[] = L"frmSettings";
constexpr int kListViewId = 100;

constexpr FailureSite Site(std::wstring_view procedure) { return {procedure, ModuleKind::Form, kModule}; }

FrmSettings* loadedForm = nullptr;

// A wallpaper text for setBackground: an empty path means no wallpaper at all.
std::wstring WallpaperOrNone(const std::wstring& path) { return path.empty() ? L"None" : path; }

HotkeyHooks& NoHotkeys() {
    static HotkeyHooks none;
    return none;
}

MainFormHooks& NoHooks() {
    static MainFormHooks none;
    return none;
}

void RegisterFormClass(HICON icon, WNDPROC procedure) {
    WNDCLASSEXW info = {};
    info.cbSize = sizeof info;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kWindowClass, &info)) return;
    info.lpfnWndProc = procedure;
    info.hInstance = GetModuleHandleW(nullptr);
    info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    info.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    info.lpszClassName = kWindowClass;
    RegisterClassExW(&info);
}

}  // namespace

void MainFormHooks::ShowExitDialog(FrmSettings& form) { form.EndWithoutExitDialog(); }

FrmSettings* LoadedMainForm() { return loadedForm; }

FrmSettings::FrmSettings(ShellNotifyIcon& shell, HotkeyHooks* hotkeys, MainFormHooks* hooks)
    : shell_(shell), hotkeys_(hotkeys ? *hotkeys : NoHotkeys()), hooks_(hooks ? *hooks : NoHooks()) {
    icon_ = CreateFormIcon(GetSystemMetrics(SM_CXSMICON));
    RegisterFormClass(icon_.Get(), WindowProc);
    window_ = CreateWindowExW(0, kWindowClass, L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480, 320,
                              nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) throw AppError(static_cast<long>(GetLastError()), ProgramName(), DllErrorText(GetLastError()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Get()));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));

    lvDtop_ = std::make_unique<KeyedListView>(window_, kListViewId);
    for (const wchar_t* key : {L"none", L"q_Key1", L"q_Key2"}) {
        ScopedIcon image = CreateMenuImage(key, ImageList1_.Width());
        ImageList1_.Add(key, image.Get());
    }
    // Without the screenshot control (its library not registered) the form still works;
    // the desktops just get no pictures.
    Skipping([&] {
        AmbientProperties ambient;
        ambient.displayName = L"ScreenShot";
        screenShot_ = std::make_unique<AxControl>(L"Snaplib.ScreenShot", window_, RECT{0, 0, 32, 32}, ambient);
        screenShot_->Put(L"ScreenShotMode", Variant(0L));
        ShowWindow(screenShot_->Window(), SW_HIDE);
    });
}

FrmSettings::~FrmSettings() {
    Unload();
    screenShot_.reset();
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK FrmSettings::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto self = reinterpret_cast<FrmSettings*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT FrmSettings::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && lParam == 0) OnMenuCommand(LOWORD(wParam));
        return 0;
    case WM_MOUSEMOVE:
        Form_MouseMove(GET_X_LPARAM(lParam));
        return 0;
    case WM_SIZE:
        Form_Resize(wParam);
        return 0;
    case WM_CLOSE:
        // Closing the form from outside (the task list, a test) unloads it like the exit.
        Unload();
        return 0;
    case WM_ENDSESSION:
        if (wParam) Unload();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void FrmSettings::Form_Load() {
    if (loaded_) return;
    loaded_ = true;
    loading_ = true;
    loadedForm = this;
    DesktopModel& model = TheDesktopModel();
    const EngineLocations& where = CurrentEngineLocations();

    try {
        ml_RuntimeSupport_ = std::make_unique<langruntime::RuntimeSupport>(
            [this](long id, const std::wstring& name) { ml_RuntimeSupport_LanguageChanged(id, name); });
        ApplyLanguageTexts();
    } catch (...) {
        // The first step's failure is the load's failure: the form stays unloaded.
        ml_RuntimeSupport_.reset();
        loaded_ = loading_ = false;
        loadedForm = nullptr;
        throw;
    }

    // From here on a failing step is skipped and loading goes on.
    Skipping([&] { registry_ = Reg_cls(); });
    Skipping([&] { UseSwitchHooks(this); });
    Skipping([&] {
        hotkeys_.FillHotkeyTables();
        PumpPendingMessages();
    });
    Skipping([&] {
        model.startWallpaper = getBackground();
        setBackground(0, WallpaperOrNone(getBackground()));
    });
    Skipping([&] {
        int32_t count = LongOfText(registry_.ValueRead(HKEY_CURRENT_USER, DesktopSettingKey(where, L"Desktop"),
                                                       L"Count", L"1", REG_SZ));
        // Desktop numbers run 0 … 1023; a stored count outside 1 … 1024 cannot be meant.
        model.desktopCount = std::clamp<int32_t>(count, 1, kDesktopLimit);
    });
    Skipping([&] {
        trayMessage_ = RegisterWindowMessageA(kTrayMessageName);
        cTray_ = std::make_unique<clsSysTray>(shell_);
        cTray_->InitializeTray(icon_.Get(), L"Plexor");
        cTray_->AddTrayIcon(window_, static_cast<UINT>(reinterpret_cast<UINT_PTR>(window_)), trayMessage_);
    });
    Skipping([&] {
        createDesktopMenus(false);
        model.currentDesktop = 0;
        model.previousDesktop = 0;
        SubClassMenuXP2();
    });
    Skipping([&] { desktopPictures_.assign(static_cast<size_t>(model.desktopCount) + 1, nullptr); });
    Skipping([&] { mnuDesktop_Click(0); });
    Skipping([&] {
        SetUpMessageHub();
        tweakMessage_ = hooks_.SetUpIconTweaking(window_);
        if (tweakMessage_) subclasser_.sc_WatchMsg(window_, tweakMessage_, WHEN_BEFORE);
    });
    Skipping([&] { DisableCloseCommand(window_); });
    Skipping([&] { hooks_.SetHelpFile((ProgramFolder() + L"plexor.chm").c_str()); });
    Skipping([&] {
        if (cTray_) cTray_->ShowBalloon(LangString(73), L"Optionen", 1);
    });
    Skipping([&] { createDesktopMenus(false); });
    loading_ = false;
    if (unloadRequested_) Unload();
}

void FrmSettings::Unload() {
    if (!loaded_) return;
    if (loading_) {
        unloadRequested_ = true;
        return;
    }
    loaded_ = false;
    Skipping([&] {
        if (menuObject_ && menuObject_->IsAttached()) menuObject_->Detach(window_, &ImageList1_, MenuEvents_.get());
        menuObject_.reset();
        MenuEvents_.reset();
    });
    Skipping([&] {
        ml_RuntimeSupport_.reset();
        ShowWindow(window_, SW_MINIMIZE);
        ShowWindow(window_, SW_HIDE);
    });
    Skipping([&] { setBackground(0, WallpaperOrNone(TheDesktopModel().startWallpaper)); });
    Skipping([&] { createDesktopMenus(true); });
    Skipping([&] { cTray_.reset(); });
    Skipping([&] { hooks_.ReleaseIconTweaking(); });
    Skipping([&] {
        if (subclasser_.IsSubclassed(window_)) subclasser_.sc_UnSubclassAll();
    });

    UseSwitchHooks(nullptr);
    desktopPictures_.clear();
    tweakMessage_ = 0;
    if (loadedForm == this) loadedForm = nullptr;
    // Wakes the loop that runs the program, so it sees the form is gone.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void FrmSettings::SetUpMessageHub() {
    if (subclasser_.IsSubclassed(window_)) return;
    if (!subclasser_.sc_Subclass(window_, 0, this)) return;
    taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
    subclasser_.sc_WatchMsg(window_, trayMessage_, WHEN_BEFORE);
    subclasser_.sc_WatchMsg(window_, taskbarCreatedMessage_, WHEN_AFTER);
    subclasser_.sc_WatchMsg(window_, WM_SYSCOLORCHANGE, WHEN_AFTER);
    subclasser_.sc_WatchMsg(window_, WM_DISPLAYCHANGE, WHEN_AFTER);
}

void FrmSettings::zHubProc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND, UINT uMsg, WPARAM wParam,
                           LPARAM lParam, LONG_PTR&) {
    if (uMsg == trayMessage_ && trayMessage_ != 0) {
        // Every tray mouse message stops here; only the right button's release does something.
        bHandled = true;
        if (lParam == kTrayRightButtonUp) PopUpTrayMenu();
    } else if (uMsg == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        if (cTray_) cTray_->Restore(trayMessage_);
        lReturn = 1;
    } else if (uMsg == WM_SYSCOLORCHANGE) {
        hooks_.LocateDesktopWindows();
    } else if (uMsg == WM_DISPLAYCHANGE) {
        lReturn = 1;
    } else if (uMsg == tweakMessage_ && tweakMessage_ != 0 && bBefore) {
        hooks_.IconHookReport(wParam, lParam, bHandled, lReturn);
    }
}

void FrmSettings::PopUpTrayMenu() {
    SetForegroundWindow(window_);
    if (menuObject_) {
        menuObject_->Popup(window_, menu_.Popup(), -1.0, -1.0);
        return;
    }
    POINT at = {};
    GetCursorPos(&at);
    UINT command = static_cast<UINT>(
        TrackPopupMenuEx(menu_.Popup(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, window_, nullptr));
    PostMessageW(window_, WM_NULL, 0, 0);
    if (command) SendMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void FrmSettings::Form_MouseMove(int x) {
    // The form's scale is pixels: X is the mouse message when a tray callback arrives as
    // a mouse move.
    RunReported(Site(L"Form_MouseMove"), [&] {
        if (x == kTrayRightButtonUp) PopUpTrayMenu();
    });
}

void FrmSettings::Form_Resize(WPARAM sizeKind) {
    RunReported(Site(L"Form_Resize"), [&] {
        if (sizeKind == SIZE_MINIMIZED) {
            ShowWindow(window_, SW_HIDE);
            return;
        }
        RECT client = {};
        GetClientRect(window_, &client);
        if (lvDtop_) lvDtop_->Move(client);
    });
}

void FrmSettings::publicCallDesktop() {
    suppressPassword_ = true;
    mnuDesktop_Click(0);
    suppressPassword_ = false;
}

void FrmSettings::StoreScreenShot(int desktop) {
    if (!screenShot_) return;
    Variant picture = screenShot_->Call(L"Shot");
    if (static_cast<size_t>(desktop) >= desktopPictures_.size()) desktopPictures_.resize(static_cast<size_t>(desktop) + 1);
    desktopPictures_[static_cast<size_t>(desktop)] =
        picture.Type() == VT_DISPATCH ? picture.Get().pdispVal : nullptr;
}

IDispatch* FrmSettings::DesktopPicture(int desktop) const {
    if (desktop < 0 || static_cast<size_t>(desktop) >= desktopPictures_.size()) return nullptr;
    return desktopPictures_[static_cast<size_t>(desktop)].Get();
}

void FrmSettings::mnuDesktop_Click(int16_t Index) {
    // A second switch inside a running one would record and show windows of a desktop
    // that is only half left, and leave check mark and tip on the wrong desktop.
    if (switching_) {
        waitingSwitch_ = WaitingSwitch{Index, suppressPassword_};
        return;
    }
    switching_ = true;
    RunSwitchRequest(Index);
    while (waitingSwitch_) {
        WaitingSwitch next = *waitingSwitch_;
        waitingSwitch_.reset();
        const bool suppressed = suppressPassword_;
        suppressPassword_ = next.suppressPassword;
        RunSwitchRequest(next.desktop);
        suppressPassword_ = suppressed;
    }
    switching_ = false;
}

void FrmSettings::RunSwitchRequest(int16_t Index) {
    RunReported(Site(L"mnuDesktop_Click"), [&] {
        CheckDesktopNumber(Index);
        DesktopModel& model = TheDesktopModel();
        PumpPendingMessages();
        if (Index != 0 && !suppressPassword_ && !DesktopPasswordGranted(Index, window_)) return;

        StoreScreenShot(model.currentDesktop);
        const bool failed = switchDesktop(model.currentDesktop, Index) != 0;
        model.currentDesktop = Index;

        PumpPendingMessages();
        checkDesktopMenu(Index);
        const std::wstring shown = std::to_wstring(Index + 1);
        if (cTray_) {
            cTray_->Tip(L"Polyplane: Viewing Desktop " + shown);
            cTray_->ShowBalloon(L"Viewing Desktop " + shown, L"Polyplane Aktuell:", 1);
        }
        if (failed) {
            ShowMessageBox(L"Fehler in Polyplane", L"Achtung", MB_OK | MB_ICONEXCLAMATION, window_);
            return;
        }
        DesktopViewRefresh(true, true, -1);
        PumpPendingMessages();
        if (model.useIcons) {
            hooks_.LocateDesktopWindows();
            hooks_.ReadAllDesktopIcons();
        }
        hooks_.RestoreIconLayout(model.currentDesktop);
        DesktopViewRefresh(true, true, -1);
    });
}

void FrmSettings::OnMenuCommand(UINT command) {
    if (auto desktop = TrayMenu::DesktopOfCommand(command)) {
        mnuDesktop_Click(static_cast<int16_t>(*desktop));
        return;
    }
    switch (static_cast<TrayItem>(command)) {
    case TrayItem::mnuAddNewDesktop:
        RunReported(Site(L"mnuAddNewDesktop_Click"), [&] { hooks_.AddNewDesktop(*this); });
        break;
    case TrayItem::mnuRemoveOldDesktop:
        RunReported(Site(L"mnuRemoveOldDesktop_Click"), [&] { hooks_.RemoveOldDesktop(*this); });
        break;
    case TrayItem::mnuDesktopShow: mnuDesktopShow_Click(); break;
    case TrayItem::mnu_Spracheaendern: mnu_Spracheaendern_Click(); break;
    case TrayItem::mnuMenuPolyplaneSettings: hooks_.ShowOptionsDialog(*this); break;
    case TrayItem::mnuMenuMenuStyle: mnuMenuMenuStyle_Click(); break;
    case TrayItem::mnuHelp: RunReported(Site(L"mnuHelp_Click"), [&] { hooks_.ShowHelpContents(window_); }); break;
    case TrayItem::mnu_popupUeber:
        RunReported(Site(L"mnu_popup\u00dcber_Click"), [&] { hooks_.ShowAboutBox(*this); });
        break;
    case TrayItem::mnuExit: hooks_.ShowExitDialog(*this); break;
    default: break;
    }
}

void FrmSettings::mnuDesktopShow_Click() {
    RunReported(Site(L"mnuDesktopShow_Click"), [&] {
        const bool show = !menu_.IsChecked(TrayItem::mnuDesktopShow);
        menu_.SetChecked(TrayItem::mnuDesktopShow, show);
        if (HWND icons = TheDesktopViewWindows().desktopListView) ShowWindow(icons, show ? SW_SHOW : SW_HIDE);
    });
}

void FrmSettings::mnuMenuMenuStyle_Click() {
    RunReported(Site(L"mnuMenuMenuStyle_Click"), [&] {
        if (menuObject_) menuObject_->StyleDialog(window_);
    });
}

void FrmSettings::mnu_Spracheaendern_Click() {
    LanguageSelect(CurrentEngineLocations().appKey + L"\\MultiLang").ShowDialog(false);
}

void FrmSettings::EndWithoutExitDialog() {
    publicCallDesktop();
    // Nobody decided what becomes of the other desktops' windows: they are kept, on the
    // main desktop.
    const DesktopModel& model = TheDesktopModel();
    for (int desktop = 1; desktop < kDesktopLimit; ++desktop) {
        for (const RecordedWindow& window : model.Recorded(desktop)) {
            DWORD processId = 0;
            GetWindowThreadProcessId(window.hwnd, &processId);
            if (processId != 0 && processId == window.processId) ShowWindow(window.hwnd, SW_SHOW);
        }
    }
    ProgramEndStep();
    Unload();
}
