#include "FrmLogin.h"

#include "FailureReport.h"
#include "FrmLoginIds.h"
#include "MessageBoxSeam.h"
#include "MlStringModule.h"
#include "PasswordHash.h"

namespace {

constexpr int kCaptionText = 60;
constexpr int kCancelText = 61;
constexpr int kOkText = 29;
constexpr int kLabelText = 62;
constexpr int kWrongPasswordText = 68;
constexpr int kWrongPasswordTitle = 69;
constexpr int kMaxFailedAttempts = 3;

std::wstring EnteredText(HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_LOGIN_PASSWORD);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(GetWindowTextW(edit, text.data(), static_cast<int>(text.size())));
    return text;
}

}  // namespace

void FrmLogin::Show(HWND owner) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FRMLOGIN), owner, DialogProc,
                    reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK FrmLogin::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<FrmLogin*>(lParam)->Form_Load(dialog);
        return TRUE;
    }
    auto self = reinterpret_cast<FrmLogin*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self || message != WM_COMMAND) return FALSE;
    // Enter presses OK (the default button); Escape and the close button come as IDCANCEL.
    switch (LOWORD(wParam)) {
    case IDOK: self->cmdOK_Click(); return TRUE;
    case IDCANCEL: self->cmdCancel_Click(); return TRUE;
    }
    return FALSE;
}

void FrmLogin::Form_Load(HWND dialog) {
    dialog_ = dialog;
    SetWindowTextW(dialog, LangString(kCaptionText).c_str());
    SetDlgItemTextW(dialog, IDCANCEL, LangString(kCancelText).c_str());
    SetDlgItemTextW(dialog, IDOK, LangString(kOkText).c_str());
    SetDlgItemTextW(dialog, IDC_LOGIN_LABEL, LangString(kLabelText).c_str());
    failedAttempts_ = 0;
    loginSucceeded_ = false;
    upgradedPassword_.clear();
}

void FrmLogin::cmdOK_Click() {
    RunReported({L"cmdOK_Click", ModuleKind::Form, L"frmLogin"}, [&] {
        if (failedAttempts_ >= kMaxFailedAttempts) {
            loginSucceeded_ = false;
            Close();
            return;
        }
        const std::wstring entered = EnteredText(dialog_);
        PasswordCheck check = CheckPassword(password_, entered);
        if (check.matches) {
            loginSucceeded_ = true;
            if (check.needsUpgrade && !password_.empty()) upgradedPassword_ = HashPassword(entered);
            Close();
            return;
        }
        ++failedAttempts_;
        ShowMessageBox(LangString(kWrongPasswordText), LangString(kWrongPasswordTitle), MB_OK, dialog_);
        HWND edit = GetDlgItem(dialog_, IDC_LOGIN_PASSWORD);
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
    });
}

void FrmLogin::cmdCancel_Click() {
    loginSucceeded_ = false;
    Close();
}

void FrmLogin::Close() {
    EndDialog(dialog_, 0);
}
