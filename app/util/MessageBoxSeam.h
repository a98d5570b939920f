#pragma once
// Every message box of the program goes through ShowMessageBox. A test installs its own
// presenter to see each box the program would show and to answer it; without one the
// system's MessageBoxW is used.
#include <windows.h>
#include <string>

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::wstring text;
    std::wstring caption;
    UINT style = MB_OK;
};

class MessageBoxPresenter {
public:
    virtual ~MessageBoxPresenter() = default;
    // Returns the button id the user chose (IDOK, IDYES, ...).
    virtual int Present(const MessageBoxRequest& request) = 0;
};

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT style,
                   HWND owner = nullptr);

// Installs a presenter (nullptr: the system's message box) and returns the previous one.
MessageBoxPresenter* SetMessageBoxPresenter(MessageBoxPresenter* presenter);
