#include "EngineLocations.h"

#include "PathRoutines.h"
#include "ShellRoutines.h"
#include "SystemText.h"

#include <optional>

namespace {

std::optional<EngineLocations>& ChosenLocations() {
    static std::optional<EngineLocations> chosen;
    return chosen;
}

}  // namespace

EngineLocations ProgramEngineLocations() {
    const std::wstring name = ProgramName();
    EngineLocations where;
    where.appKey = L"Software\\Brannock\\" + name;
    where.storeRoot = AddBackslash(FO_SpecialfolderGet(CSIDL_USER_APPDATA)) + name + L"\\";
    where.desktopFolder = FO_SpecialfolderGet(CSIDL_DESKTOP_FOLDER);
    where.installationKeyParent = L"Software\\Microsoft\\Windows\\CurrentVersion\\";
    return where;
}

const EngineLocations& CurrentEngineLocations() {
    auto& chosen = ChosenLocations();
    if (!chosen) chosen = ProgramEngineLocations();
    return *chosen;
}

void UseEngineLocations(const EngineLocations& locations) { ChosenLocations() = locations; }

std::wstring StoreFolderOf(const EngineLocations& where, int desktop) {
    return where.storeRoot + std::to_wstring(desktop) + L"\\";
}

std::wstring DesktopSettingKey(const EngineLocations& where, const std::wstring& setting) {
    return where.appKey + L"\\" + setting;
}
