#include "Hotkeys.h"

#include "BooleanText.h"

#include "EngineLocations.h"
#include "FailureReport.h"
#include "NumberText.h"
#include "Reg_cls.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr FailureSite kDispatchSite{L"Msghook_Message", ModuleKind::Form, L"frmSettings"};

std::wstring DesktopSetting(const std::wstring& setting, int desktop, const std::wstring& fallback) {
    Reg_cls registry;
    return registry.ValueRead(HKEY_CURRENT_USER, DesktopSettingKey(CurrentEngineLocations(), setting),
                              std::to_wstring(desktop), fallback, REG_SZ);
}

bool IsDesktopNumber(int desktop) { return desktop >= 0 && desktop < kDesktopLimit; }

}  // namespace

DesktopHotkeys::DesktopHotkeys(SwitchRequest switchRequest)
    : switchRequest_(std::move(switchRequest)),
      tables_(::FillHotkeyTables()),
      Msghook_([this](UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
          Msghook_Message(uMsg, wParam, lParam, result);
      }) {}

DesktopHotkeys::~DesktopHotkeys() { ReleaseAll(); }

void DesktopHotkeys::FillHotkeyTables() { tables_ = ::FillHotkeyTables(); }

void DesktopHotkeys::RegisterDesktopHotkey(HWND mainWindow, int desktop) {
    if (!IsDesktopNumber(desktop)) return;
    // A second registration without a release in between would leave an atom behind.
    ReleaseDesktopHotkey(mainWindow, desktop);
    try {
        if (!BooleanOfText(DesktopSetting(L"hasHotkey", desktop, L"0"))) return;
        Registration& slot = hotkeyIds_[desktop];
        slot.id = GlobalAddAtomW((L"V" + std::to_wstring(desktop)).c_str());
        slot.window = mainWindow;
        if (slot.id == 0) return;
        HotkeyChoice choice = ParseHotkeySetting(DesktopSetting(L"Hotkey", desktop, L""));
        if (!IsInTables(choice)) return;
        RegisterHotKey(mainWindow, slot.id, tables_.modifierFlags[choice.modifier], tables_.keys[choice.key].virtualKey);
    } catch (...) {
        // A malformed setting leaves the desktop without a hotkey; nothing is reported.
    }
}

void DesktopHotkeys::ReleaseDesktopHotkey(HWND mainWindow, int desktop) {
    if (!IsDesktopNumber(desktop)) return;
    Registration& slot = hotkeyIds_[desktop];
    if (slot.id == 0) return;
    // The hotkey belongs to the window it was registered for.
    UnregisterHotKey(slot.window ? slot.window : mainWindow, slot.id);
    GlobalDeleteAtom(slot.id);
    slot = {};
}

void DesktopHotkeys::ReleaseAll() {
    for (int desktop = 0; desktop < kDesktopLimit; ++desktop) ReleaseDesktopHotkey(nullptr, desktop);
}

void DesktopHotkeys::HookHotkeyMessages(HWND mainWindow) {
    if (Msghook_.HwndHook(mainWindow)) Msghook_.Message(WM_HOTKEY, true);
}

ATOM DesktopHotkeys::hotkeyIds(int desktop) const { return IsDesktopNumber(desktop) ? hotkeyIds_[desktop].id : 0; }

void DesktopHotkeys::Msghook_Message(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT&) {
    RunReported(kDispatchSite, [&] {
        const int count = std::min<int>(TheDesktopModel().desktopCount, kDesktopLimit);
        for (int desktop = 0; desktop < count; ++desktop) {
            // 0 is no identifier: a WM_HOTKEY with id 0 must not switch to every desktop
            // that has no hotkey.
            const ATOM id = hotkeyIds_[desktop].id;
            if (id != 0 && wParam == id && switchRequest_) switchRequest_(static_cast<int16_t>(desktop));
        }
        Msghook_.InvokeWindowProc(uMsg, wParam, lParam);
    });
}
