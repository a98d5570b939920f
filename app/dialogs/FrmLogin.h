#pragma once
// frmLogin: the prompt for a protected desktop's password. The caller sets Password (the
// stored value), shows the prompt modally and reads LoginSucceeded. Three wrong entries
// are answered with a message; the fourth OK closes the prompt unsuccessfully.
#include <windows.h>
#include <string>

class FrmLogin {
public:
    void Password(const std::wstring& stored) { password_ = stored; }
    const std::wstring& Password() const { return password_; }
    bool LoginSucceeded() const { return loginSucceeded_; }

    // Shows the prompt modally; returns when it is closed.
    void Show(HWND owner = nullptr);

    // After a successful login against a plain-text value of an older version: the hashed
    // form to store in its place. Empty otherwise.
    const std::wstring& UpgradedPassword() const { return upgradedPassword_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load(HWND dialog);
    void cmdOK_Click();
    void cmdCancel_Click();
    void Close();

    HWND dialog_ = nullptr;
    std::wstring password_;
    std::wstring upgradedPassword_;
    bool loginSucceeded_ = false;
    int failedAttempts_ = 0;
};
