#include "IconLayoutWiring.h"

#include "DesktopWindows.h"
#include "MlStringModule.h"

namespace {
constexpr int kFirstColumnText = 45;  // texts 45 to 53 head the mirror's nine columns
}

IconLayoutWiring::~IconLayoutWiring() { ReleaseIconTweaking(); }

UINT IconLayoutWiring::SetUpIconTweaking(HWND mainWindow) {
    ReleaseIconTweaking();
    if (lvDtop_) {
        IconMirror::ColumnHeaders headers;
        for (size_t i = 0; i < headers.size(); ++i) headers[i] = LangString(kFirstColumnText + static_cast<int>(i));
        mirror_.AttachView(lvDtop_, headers);
    }
    tmrRebuild_ = std::make_unique<WindowRebuildTimer>(mainWindow, [this] {
        if (tweaking_) tweaking_->tmrRebuild_Timer();
    });
    // The main form watches the hook's message itself and hands its reports on.
    tweaking_ = std::make_unique<DesktopIconTweaking>(mainWindow, mirror_, *tmrRebuild_, nullptr);
    tweaking_->SetupIconTweaking();
    return tweaking_->tweakMessage();
}

void IconLayoutWiring::ReleaseIconTweaking() {
    if (tweaking_) tweaking_->ReleaseIconTweaking();
    tweaking_.reset();
    tmrRebuild_.reset();
}

void IconLayoutWiring::LocateDesktopWindows() { ::LocateDesktopWindows(); }

void IconLayoutWiring::ReadAllDesktopIcons() {
    if (tweaking_) tweaking_->ReadAllIcons();
}

void IconLayoutWiring::SaveIconLayout(int16_t desktop) {
    if (tweaking_) tweaking_->SaveIconLayout(desktop);
}

void IconLayoutWiring::RestoreIconLayout(int16_t desktop) {
    if (tweaking_) tweaking_->RestoreIconLayout(desktop);
}

void IconLayoutWiring::IconHookReport(WPARAM wParam, LPARAM lParam, bool& bHandled, LRESULT& lReturn) {
    if (tweaking_) tweaking_->OnTweakReport(wParam, lParam, bHandled, lReturn);
}
