#pragma once
// Records every record clsSysTray hands to the shell; optionally passes it on to the real
// shell and keeps its answers.
#include "ShellNotifyIcon.h"

#include <string>
#include <vector>

struct ShellCall {
    DWORD message;
    NOTIFYICONDATAA record;
    BOOL answer;
};

class RecordingShell : public ShellNotifyIcon {
public:
    explicit RecordingShell(bool passToSystemShell = false) : passOn_(passToSystemShell) {}
    BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA& record) override {
        BOOL answer = passOn_ ? TheSystemShellNotifyIcon().NotifyIcon(message, record) : TRUE;
        calls.push_back({message, record, answer});
        return answer;
    }
    std::vector<ShellCall> calls;

private:
    bool passOn_;
};

inline std::string FieldString(const char* field) { return field; }
