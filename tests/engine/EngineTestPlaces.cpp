#include "EngineTestPlaces.h"

#include "Background.h"
#include "DesktopModel.h"

#include <vector>

std::wstring ReadUserValue(const std::wstring& key, const std::wstring& name) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return L"<absent>";
    std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, data.data(), &bytes) != ERROR_SUCCESS)
        return L"<absent>";
    return data.data();
}

void WriteUserValue(const std::wstring& key, const std::wstring& name, const std::wstring& data) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_SZ, data.c_str(),
                    static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

bool UserKeyExists(const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

EngineTestPlaces::EngineTestPlaces() {
    locations_.appKey = registry_.Path() + L"\\Brannock\\Plexor";
    locations_.installationKeyParent = registry_.Path() + L"\\CurrentVersion\\";
    locations_.storeRoot = appData_.Path() + L"Plexor\\";
    std::wstring desktop = desktop_.Path();
    desktop.pop_back();
    locations_.desktopFolder = desktop;
    UseEngineLocations(locations_);
    TheDesktopModel() = DesktopModel();
}

EngineTestPlaces::~EngineTestPlaces() {
    TheDesktopModel() = DesktopModel();
    UseEngineLocations(ProgramEngineLocations());
}

std::wstring EngineTestPlaces::AppValue(const std::wstring& subkey, const std::wstring& name) const {
    return ReadUserValue(subkey.empty() ? locations_.appKey : locations_.appKey + L"\\" + subkey, name);
}

void EngineTestPlaces::SetAppValue(const std::wstring& subkey, const std::wstring& name,
                                   const std::wstring& data) const {
    WriteUserValue(subkey.empty() ? locations_.appKey : locations_.appKey + L"\\" + subkey, name, data);
}

SystemBackgroundGuard::SystemBackgroundGuard() {
    wallpaper_ = ReadUserValue(kSystemDesktopKey, L"wallpaper");
    hadWallpaper_ = wallpaper_ != L"<absent>";
    background_ = ReadUserValue(kSystemColorsKey, L"background");
    hadBackground_ = background_ != L"<absent>";
}

SystemBackgroundGuard::~SystemBackgroundGuard() {
    std::wstring wallpaper = hadWallpaper_ ? wallpaper_ : std::wstring();
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wallpaper.data(), SPIF_UPDATEINIFILE);
    if (hadWallpaper_)
        WriteUserValue(kSystemDesktopKey, L"wallpaper", wallpaper_);
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSystemDesktopKey, L"wallpaper");
    if (hadBackground_)
        WriteUserValue(kSystemColorsKey, L"background", background_);
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSystemColorsKey, L"background");
}
