#pragma once
// The main form as the exit dialog sees it: the switch to desktop 0 is the real switch,
// the rest is recorded in order.
#include "DesktopModel.h"
#include "FrmExit.h"
#include "SwitchDesktop.h"

#include <string>
#include <vector>

class ExitTestHost : public ExitDialogHost {
public:
    void publicCallDesktop() override {
        calls.push_back(L"publicCallDesktop");
        switchDesktop(TheDesktopModel().currentDesktop, 0);
    }
    void UnloadOtherForms() override { calls.push_back(L"UnloadOtherForms"); }
    void ExitingNormally() override { calls.push_back(L"ExitingNormally"); }
    void UnloadMainForm() override { calls.push_back(L"UnloadMainForm"); }

    std::vector<std::wstring> calls;
};
