#pragma once
// Plugs the desktop icon hook, the icon mirror lvDtop with its rebuild timer and the
// per-desktop icon layouts into the main form's hooks. The mirror, timer and hook come to
// life when the form sets up icon tweaking and go when it releases it.
#include "DesktopIconTweaking.h"
#include "IconMirror.h"
#include "MainFormHooks.h"
#include "RebuildTimer.h"

#include <memory>

class IconLayoutWiring : public MainFormHooks {
public:
    // lvDtop: the main form's list view that shows the mirror (may be null).
    explicit IconLayoutWiring(HWND lvDtop = nullptr) : lvDtop_(lvDtop) {}
    ~IconLayoutWiring() override;

    void ShowMirrorIn(HWND lvDtop) { lvDtop_ = lvDtop; }

    UINT SetUpIconTweaking(HWND mainWindow) override;
    void ReleaseIconTweaking() override;
    void LocateDesktopWindows() override;
    void ReadAllDesktopIcons() override;
    void SaveIconLayout(int16_t desktop) override;
    void RestoreIconLayout(int16_t desktop) override;
    void IconHookReport(WPARAM wParam, LPARAM lParam, bool& bHandled, LRESULT& lReturn) override;

    const IconMirror& Mirror() const { return mirror_; }

private:
    HWND lvDtop_;
    IconMirror mirror_;
    std::unique_ptr<WindowRebuildTimer> tmrRebuild_;
    std::unique_ptr<DesktopIconTweaking> tweaking_;
};
