#include "DesktopPassword.h"

#include "BooleanText.h"
#include "DesktopModel.h"
#include "EngineLocations.h"
#include "FrmLogin.h"
#include "Reg_cls.h"

#include <string>

bool DesktopPasswordGranted(int16_t desktop, HWND owner) {
    Reg_cls registry;
    const std::wstring passwordKeys = CurrentEngineLocations().installationKeyParent + TheDesktopModel().installationKey;
    const std::wstring name = std::to_wstring(desktop);
    if (!BooleanOfText(registry.ValueRead(HKEY_CURRENT_USER, passwordKeys + L"\\HPD", name, L"0", REG_SZ)))
        return true;

    FrmLogin login;
    login.Password(registry.ValueRead(HKEY_CURRENT_USER, passwordKeys + L"\\MPD", name, L"", REG_SZ));
    login.Show(owner);
    if (!login.LoginSucceeded()) return false;
    if (!login.UpgradedPassword().empty())
        registry.ValueWrite(HKEY_CURRENT_USER, passwordKeys + L"\\MPD", name, login.UpgradedPassword(), REG_SZ);
    return true;
}
