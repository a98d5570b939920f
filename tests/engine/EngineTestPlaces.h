#pragma once
// Throwaway places for the engine: a registry key standing in for the program key and
// the installation key's parent, and folders standing in for the store root and the
// user's desktop folder. The engine uses them while the object lives; the desktop model
// starts empty.
#include "EngineLocations.h"
#include "TestFolders.h"

#include <string>

class EngineTestPlaces {
public:
    EngineTestPlaces();
    ~EngineTestPlaces();
    EngineTestPlaces(const EngineTestPlaces&) = delete;
    EngineTestPlaces& operator=(const EngineTestPlaces&) = delete;

    const EngineLocations& Locations() const { return locations_; }
    const TempFolder& Desktop() const { return desktop_; }
    std::wstring StoreFolder(int desktop) const { return StoreFolderOf(locations_, desktop); }
    // Text of a value below the program key; "<absent>" when it does not exist.
    std::wstring AppValue(const std::wstring& subkey, const std::wstring& name) const;
    void SetAppValue(const std::wstring& subkey, const std::wstring& name, const std::wstring& data) const;

private:
    TempRegistryKey registry_;
    TempFolder appData_;
    TempFolder desktop_;
    EngineLocations locations_;
};

// Puts the system's wallpaper and desktop colour settings back as they were.
class SystemBackgroundGuard {
public:
    SystemBackgroundGuard();
    ~SystemBackgroundGuard();
    SystemBackgroundGuard(const SystemBackgroundGuard&) = delete;
    SystemBackgroundGuard& operator=(const SystemBackgroundGuard&) = delete;

private:
    std::wstring wallpaper_;
    bool hadWallpaper_;
    std::wstring background_;
    bool hadBackground_;
};

// Text of a REG_SZ / REG_EXPAND_SZ value below HKEY_CURRENT_USER; "<absent>" when missing.
std::wstring ReadUserValue(const std::wstring& key, const std::wstring& name);
void WriteUserValue(const std::wstring& key, const std::wstring& name, const std::wstring& data);
bool UserKeyExists(const std::wstring& key);
