#pragma once
// LanguageSelect: the small dialog that picks the program's language, at start-up and
// from the tray menu. The choice is kept in the "MultiLang" section ("LangId",
// "LangName", "ShowDialog") below the program's settings key.
#include "LanguageRuntime.h"

#include <windows.h>
#include <memory>
#include <string>

class LanguageSelect {
public:
    // sectionKey: the "MultiLang" key below HKEY_CURRENT_USER.
    explicit LanguageSelect(std::wstring sectionKey);

    // At start-up the stored language becomes current and is announced; the dialog is
    // shown when its show-at-start flag is set, or always when not at start-up.
    void ShowDialog(bool AtStartup);

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInit(HWND dialog);
    void ApplyTexts();
    void FillList();
    void OkButton_Click();
    void CreateRuntimeSupport();

    std::wstring sectionKey_;
    HWND dialog_ = nullptr;
    bool showAtStart_ = true;
    std::unique_ptr<langruntime::RuntimeSupport> support_;
};
