#include "FrmExit.h"

#include "Background.h"
#include "DesktopModel.h"
#include "FailureReport.h"
#include "FrmExitIds.h"
#include "MlStringModule.h"
#include "MessagePump.h"
#include "Startup.h"
#include "WindowRecovery.h"

#include <commctrl.h>

namespace {

constexpr int kCaptionText = 9;
constexpr int kCancelText = 10;
constexpr int kExitText = 11;
constexpr int kExplanationText = 12;
constexpr int kExitTipText = 31;
constexpr int kMoveAllText = 66;
constexpr int kCloseOthersText = 67;

constexpr FailureSite kLoadSite{L"Form_Load", ModuleKind::Form, L"frmExit"};
constexpr FailureSite kCommand1Site{L"Command1_Click", ModuleKind::Form, L"frmExit"};
constexpr FailureSite kLanguageSite{L"ml_RuntimeSupport_LanguageChanged", ModuleKind::Form, L"frmExit"};

GdiObject CreateTahoma(HWND dialog) {
    HDC dc = GetDC(dialog);
    int height = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(dialog, dc);
    return GdiObject(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
}

TTTOOLINFOW ButtonTool(HWND dialog, HWND button, const std::wstring& text) {
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    return tool;
}

// Every window recorded for desktops first … last − 1 that is still the recorded one.
template <typename Action>
void ForEachRecordedWindow(int first, int last, Action&& action) {
    const DesktopModel& model = TheDesktopModel();
    if (last > kDesktopLimit) last = kDesktopLimit;
    for (int desktop = first; desktop < last; ++desktop) {
        // A copy: a window's message handling may let other handlers change the model.
        const std::vector<RecordedWindow> windows = model.Recorded(desktop);
        for (const RecordedWindow& window : windows) {
            if (StillTheRecordedWindow(window)) action(window.hwnd);
        }
    }
}

}  // namespace

FrmExit::FrmExit(ExitDialogHost& host) : host_(host) {}

FrmExit::~FrmExit() { Unload(); }

void FrmExit::Show() {
    if (!dialog_) {
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FRMEXIT), nullptr, DialogProc,
                           reinterpret_cast<LPARAM>(this));
        if (!dialog_) return;
    }
    ShowWindow(dialog_, SW_SHOW);
}

void FrmExit::Unload() {
    if (dialog_) DestroyWindow(dialog_);
}

INT_PTR CALLBACK FrmExit::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<FrmExit*>(lParam)->Form_Load(dialog);
        return TRUE;
    }
    auto self = reinterpret_cast<FrmExit*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
    case WM_COMMAND:
        // Enter presses the default button Command1; Escape and the close box cancel.
        switch (LOWORD(wParam)) {
        case IDC_EXIT_COMMAND1:
        case IDOK: self->Command1_Click(); return TRUE;
        case IDCANCEL: self->Command2_Click(); return TRUE;
        }
        break;
    case WM_NCDESTROY: self->Form_Unload(); break;
    }
    return FALSE;
}

void FrmExit::Form_Load(HWND dialog) {
    dialog_ = dialog;
    RunReported(kLoadSite, [&] {
        ml_RuntimeSupport_ = std::make_unique<langruntime::RuntimeSupport>(
            [this](long id, const std::wstring& language) { ml_RuntimeSupport_LanguageChanged(id, language); });
        HWND command1 = GetDlgItem(dialog, IDC_EXIT_COMMAND1);
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        const std::wstring tip = LangString(kExitTipText);
        TTTOOLINFOW tool = ButtonTool(dialog, command1, tip);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        ApplyTexts();
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        optionsFont_ = CreateTahoma(dialog);
        SendDlgItemMessageW(dialog, IDC_EXIT_OPTIONS, WM_SETFONT, reinterpret_cast<WPARAM>(optionsFont_.Get()), TRUE);
        SendDlgItemMessageW(dialog, IDC_EXIT_IMAGE1, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_QUESTION)), 0);
        FillOptions();
    });
}

void FrmExit::ApplyTexts() {
    if (!dialog_) return;
    SetWindowTextW(dialog_, LangString(kCaptionText).c_str());
    SetDlgItemTextW(dialog_, IDC_EXIT_COMMAND1, LangString(kExitText).c_str());
    SetDlgItemTextW(dialog_, IDCANCEL, LangString(kCancelText).c_str());
    SetDlgItemTextW(dialog_, IDC_EXIT_LABEL1, LangString(kExplanationText).c_str());
    if (tooltip_) {
        const std::wstring tip = LangString(kExitTipText);
        TTTOOLINFOW tool = ButtonTool(dialog_, GetDlgItem(dialog_, IDC_EXIT_COMMAND1), tip);
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void FrmExit::FillOptions() {
    HWND options = GetDlgItem(dialog_, IDC_EXIT_OPTIONS);
    SendMessageW(options, CB_RESETCONTENT, 0, 0);
    for (int text : {kMoveAllText, kCloseOthersText})
        SendMessageW(options, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LangString(text).c_str()));
    SendMessageW(options, CB_SETCURSEL, 0, 0);
}

void FrmExit::ml_RuntimeSupport_LanguageChanged(long LanguageID, const std::wstring&) {
    RunReported(kLanguageSite, [&] {
        SetLanguage(LanguageID);
        // The two entries keep their texts; the choice goes by position, so they still work.
        ApplyTexts();
    });
}

void FrmExit::Command2_Click() { Unload(); }

void FrmExit::Command1_Click() {
    RunReported(kCommand1Site, [&] {
        // Taken before anything runs: the choice is the entry's position, whatever the
        // language of its text.
        const LRESULT choice = SendDlgItemMessageW(dialog_, IDC_EXIT_OPTIONS, CB_GETCURSEL, 0, 0);

        host_.publicCallDesktop();
        PumpPendingMessages();

        const bool moveAll = choice == static_cast<LRESULT>(ExitChoice::MoveAllToMainDesktop);
        const bool closeOthers = choice == static_cast<LRESULT>(ExitChoice::CloseAllNotOnMainDesktop);
        if (!moveAll && !closeOthers) return;
        // The switch hid this dialog too and recorded it for the desktop left: it goes
        // first, so it is neither shown again nor sent WM_CLOSE from its own handler.
        Unload();

        const DesktopModel& model = TheDesktopModel();
        if (moveAll) {
            ForEachRecordedWindow(0, model.desktopCount, [](HWND window) { ShowWindow(window, SW_SHOW); });
        } else {
            // Each call waits until the window has handled the message (and its program
            // has asked about unsaved work).
            ForEachRecordedWindow(1, model.desktopCount, [](HWND window) { SendMessageW(window, WM_CLOSE, 0, 0); });
        }
        // No window stays hidden behind the program: one that refused to close, or one
        // recorded for a desktop that no longer exists, comes back to the main desktop.
        ShowStrandedWindows(model);

        host_.UnloadOtherForms();
        if (moveAll) {
            // Desktop icons hidden with "Desktop anzeigen" come back.
            if (HWND listView = TheDesktopViewWindows().desktopListView) ShowWindow(listView, SW_SHOW);
        }
        host_.ExitingNormally();
        ProgramEndStep();
        host_.UnloadMainForm();
    });
}

void FrmExit::Form_Unload() {
    ml_RuntimeSupport_.reset();
    optionsFont_.Reset();
    tooltip_ = nullptr;  // owned by the dialog: destroyed with it
    dialog_ = nullptr;
}
