// The tray menu members of the main form: rebuilding the desktop entries, the check
// mark, the captions in the current language and the menu component.
#include "FrmSettings.h"

#include "AppError.h"
#include "BooleanText.h"
#include "DesktopModel.h"
#include "EngineLocations.h"
#include "FailureReport.h"
#include "MlStringModule.h"
#include "PathRoutines.h"
#include "SkippedOnFailure.h"
#include "SystemText.h"

#include <algorithm>

namespace {

constexpr FailureSite kCheckDesktopMenuSite{L"checkDesktopMenu", ModuleKind::Form, L"frmSettings"};
constexpr FailureSite kSubClassMenuXP2Site{L"SubClassMenuXP2", ModuleKind::Form, L"frmSettings"};

constexpr wchar_t kGotoDesktop[] = L"Goto Desktop ";

// Program folder + "\" + the executable's name without extension.
std::wstring ProgramPathWithoutExtension() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return AddBackslash(PathFolderPart(std::wstring(path, length))) + ProgramName();
}

class IgnoredMenuHelp : public MenuEventSink {
public:
    void MenuHelp(const std::wstring&, const std::wstring&, bool) override {}
};

}  // namespace

std::wstring FrmSettings::DesktopEntryCaption(int desktop) {
    const EngineLocations& where = CurrentEngineLocations();
    const std::wstring name = std::to_wstring(desktop);
    if (BooleanOfText(registry_.ValueRead(HKEY_CURRENT_USER, DesktopSettingKey(where, L"ShowNames"), name, L"0",
                                          REG_SZ)))
        return kGotoDesktop + registry_.ValueRead(HKEY_CURRENT_USER, DesktopSettingKey(where, L"Name"), name, L"",
                                                  REG_SZ);
    return kGotoDesktop + std::to_wstring(desktop + 1);
}

void FrmSettings::createDesktopMenus(bool unRegHotKeys) {
    // Every hotkey is released before any is registered again. Removing an entry below
    // the highest leaves the highest index as it was.
    const int highest = menu_.HighestDesktopIndex();
    for (int i = 0; i <= highest; ++i) {
        Skipping([&] { menu_.RemoveDesktopEntry(i); });
        Skipping([&] { hotkeys_.ReleaseDesktopHotkey(window_, i); });
    }
    if (unRegHotKeys) return;

    const int count = std::min<int32_t>(TheDesktopModel().desktopCount, kMaxDesktopEntries);
    for (int i = 0; i < count; ++i) {
        Skipping([&] { menu_.AddDesktopEntry(i); });
        Skipping([&] { hotkeys_.RegisterDesktopHotkey(window_, i); });
        Skipping([&] { menu_.SetDesktopCaption(i, DesktopEntryCaption(i)); });
        Skipping([&] { menu_.SetDesktopChecked(i, false); });
    }
    Skipping([&] { hotkeys_.HookHotkeyMessages(window_); });
    Skipping([&] { checkDesktopMenu(TheDesktopModel().currentDesktop); });
}

void FrmSettings::checkDesktopMenu(int16_t Index) {
    RunReported(kCheckDesktopMenuSite, [&] {
        const int highest = menu_.HighestDesktopIndex();
        // Checked first, so a wrong number leaves the check mark where it was.
        if (Index < 0 || Index > highest) throw RuntimeFailure(RuntimeError::SubscriptOutOfRange);
        for (int i = 0; i <= highest; ++i) menu_.SetDesktopChecked(i, false);
        menu_.SetDesktopChecked(Index, true);
    });
}

void FrmSettings::SubClassMenuXP2() {
    RunReported(kSubClassMenuXP2Site, [&] {
        menu_.SetTopCaption(L"Menu");
        menu_.SetDesktopCaption(
            0, kGotoDesktop + registry_.ValueRead(HKEY_CURRENT_USER, DesktopSettingKey(CurrentEngineLocations(), L"Name"),
                                                  L"0", L"0", REG_SZ));
        menu_.SetCaption(TrayItem::mnuAddNewDesktop, LangString(39));
        menu_.SetCaption(TrayItem::mnuRemoveOldDesktop, LangString(38));
        menu_.SetCaption(TrayItem::mnu_Spracheaendern, L"Sprache \u00e4ndern");
        menu_.SetCaption(TrayItem::mnuMenuPolyplaneSettings, L"Polyplane Settings");
        menu_.SetCaption(TrayItem::mnuMenuMenuStyle, LangString(33));
        menu_.SetCaption(TrayItem::mnu_popupUeber, LangString(32));
        menu_.SetCaption(TrayItem::mnuExit, L"E&nde");
        if (!menuObject_) {
            MenuEvents_ = std::make_unique<IgnoredMenuHelp>();
            menuObject_ = std::make_unique<MenuExtended>();
            menuObject_->Attach(window_, ProgramPathWithoutExtension(), &ImageList1_, 2, MenuEvents_.get());
        }
    });
}

void FrmSettings::ApplyLanguageTexts() {
    SetWindowTextW(window_, LangString(1).c_str());
    std::vector<std::wstring> headers;
    for (int text = 45; text <= 53; ++text) headers.push_back(LangString(text));
    lvDtop_->SetColumnHeaders(headers);
    menu_.SetTopCaption(LangString(2));
    menu_.SetCaption(TrayItem::mnu_Spracheaendern, LangString(30));
    menu_.SetCaption(TrayItem::mnu_popupUeber, LangString(32));
    menu_.SetCaption(TrayItem::mnuAddNewDesktop, LangString(5));
    menu_.SetCaption(TrayItem::mnuDesktopShow, LangString(54));
    menu_.SetCaption(TrayItem::mnuExit, LangString(8));
    menu_.SetCaption(TrayItem::mnuHelp, LangString(55));
    menu_.SetCaption(TrayItem::mnuMenuMenuStyle, LangString(33));
    for (TrayItem separator :
         {TrayItem::mnuMenuSep1, TrayItem::mnuMenuSep2, TrayItem::mnuMenuSep3, TrayItem::mnuMenuSep4})
        menu_.SetCaption(separator, LangString(4));
    menu_.SetCaption(TrayItem::mnuMenuPolyplaneSettings, LangString(7));
    menu_.SetCaption(TrayItem::mnuRemoveOldDesktop, LangString(6));
}

void FrmSettings::ml_RuntimeSupport_LanguageChanged(long LanguageID, const std::wstring&) {
    SetLanguage(LanguageID);
    ApplyLanguageTexts();
    SubClassMenuXP2();
    createDesktopMenus(false);
}
