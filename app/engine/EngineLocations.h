#pragma once
// Where the engine keeps and finds its things: the program key, the per-desktop store
// folders, the user's desktop folder and the parent of the installation key. The program
// derives them from its executable's name; a test points them at throwaway places.
#include <cstdint>
#include <string>

struct EngineLocations {
    // Below HKEY_CURRENT_USER: "Software\Brannock\" + executable name without extension.
    std::wstring appKey;
    // Application-data folder + executable name + "\"; ends in "\".
    std::wstring storeRoot;
    // The user's desktop folder, without a trailing "\".
    std::wstring desktopFolder;
    // Below HKEY_CURRENT_USER: parent of the installation key, ends in "\".
    std::wstring installationKeyParent;
};

// The places the running program uses, taken from the running process each time.
EngineLocations ProgramEngineLocations();

// The places the engine currently uses: the program's own unless UseEngineLocations
// chose others.
const EngineLocations& CurrentEngineLocations();
void UseEngineLocations(const EngineLocations& locations);

// Store folder of a desktop: storeRoot + number + "\".
std::wstring StoreFolderOf(const EngineLocations& where, int desktop);
// AppKey + "\" + setting: the key holding one value per desktop.
std::wstring DesktopSettingKey(const EngineLocations& where, const std::wstring& setting);
