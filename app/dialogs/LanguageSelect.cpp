#include "LanguageSelect.h"

#include "LanguageSelectIds.h"
#include "MlStringModule.h"
#include "Reg_cls.h"

#include <cwctype>

namespace {

constexpr int kCaptionText = 27;
constexpr int kShowOnStartupText = 28;
constexpr int kOkText = 29;

// A stored id that is not a number counts as no choice: the fallback language.
long ParseLanguageId(const std::wstring& text) {
    try {
        return RegDataToLong(text);
    } catch (...) {
        return Language::Fallback;
    }
}

// "-1"/"0" as written by the dialog, or "True"/"False"; anything else keeps the default.
bool ParseFlag(const std::wstring& text, bool fallback) {
    std::wstring lower;
    for (wchar_t c : text) lower.push_back(static_cast<wchar_t>(std::towlower(c)));
    if (lower == L"true") return true;
    if (lower == L"false") return false;
    try {
        return RegDataToLong(text) != 0;
    } catch (...) {
        return fallback;
    }
}

}  // namespace

LanguageSelect::LanguageSelect(std::wstring sectionKey) : sectionKey_(std::move(sectionKey)) {}

void LanguageSelect::CreateRuntimeSupport() {
    support_ = std::make_unique<langruntime::RuntimeSupport>([this](long id, const std::wstring&) {
        SetLanguage(id);
        ApplyTexts();
    });
}

void LanguageSelect::ShowDialog(bool AtStartup) {
    Reg_cls reg;
    CreateRuntimeSupport();

    if (AtStartup) {
        long id = ParseLanguageId(reg.ValueRead(HKEY_CURRENT_USER, sectionKey_, L"LangId", L"1031", REG_SZ));
        std::wstring name = reg.ValueRead(HKEY_CURRENT_USER, sectionKey_, L"LangName", L"", REG_SZ);
        SetLanguage(id);
        // Every dialog already loaded puts its texts in the stored language.
        CreateRuntimeSupport();
        support_->Announce(id, name);
    }

    showAtStart_ = ParseFlag(reg.ValueRead(HKEY_CURRENT_USER, sectionKey_, L"ShowDialog", L"True", REG_SZ), true);

    if (showAtStart_ || !AtStartup) {
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LANGUAGESELECT), nullptr, DialogProc,
                        reinterpret_cast<LPARAM>(this));
        long current = CurrentLanguage();
        reg.ValueWrite(HKEY_CURRENT_USER, sectionKey_, L"LangId", std::to_wstring(current), REG_SZ);
        reg.ValueWrite(HKEY_CURRENT_USER, sectionKey_, L"LangName", LanguageName(current), REG_SZ);
        reg.ValueWrite(HKEY_CURRENT_USER, sectionKey_, L"ShowDialog", std::wstring(showAtStart_ ? L"-1" : L"0"),
                       REG_SZ);
    }
    support_.reset();
}

INT_PTR CALLBACK LanguageSelect::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<LanguageSelect*>(lParam)->OnInit(dialog);
        return TRUE;
    }
    auto self = reinterpret_cast<LanguageSelect*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK ||
            (LOWORD(wParam) == IDC_LANGUAGELIST && HIWORD(wParam) == LBN_DBLCLK)) {
            self->OkButton_Click();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    case WM_DESTROY: self->dialog_ = nullptr; break;
    }
    return FALSE;
}

void LanguageSelect::OnInit(HWND dialog) {
    dialog_ = dialog;
    ApplyTexts();
    FillList();
}

void LanguageSelect::ApplyTexts() {
    if (!dialog_) return;
    SetWindowTextW(dialog_, LangString(kCaptionText).c_str());
    SetDlgItemTextW(dialog_, IDC_SHOWONSTARTUP, LangString(kShowOnStartupText).c_str());
    SetDlgItemTextW(dialog_, IDOK, LangString(kOkText).c_str());
}

void LanguageSelect::FillList() {
    HWND list = GetDlgItem(dialog_, IDC_LANGUAGELIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (long id : SupportedLanguages()) {
        auto index = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LanguageName(id).c_str()));
        SendMessageW(list, LB_SETITEMDATA, index, id);
        if (id == CurrentLanguage()) SendMessageW(list, LB_SETCURSEL, index, 0);
    }
    CheckDlgButton(dialog_, IDC_SHOWONSTARTUP, showAtStart_ ? BST_CHECKED : BST_UNCHECKED);
}

void LanguageSelect::OkButton_Click() {
    HWND list = GetDlgItem(dialog_, IDC_LANGUAGELIST);
    auto selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    showAtStart_ = IsDlgButtonChecked(dialog_, IDC_SHOWONSTARTUP) == BST_CHECKED;
    long id = static_cast<long>(SendMessageW(list, LB_GETITEMDATA, selected, 0));
    SetLanguage(id);
    support_->Announce(CurrentLanguage(), LanguageName(CurrentLanguage()));
    EndDialog(dialog_, IDOK);
}
