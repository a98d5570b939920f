#include "ErrorEventLog.h"

#include "ScopedHandle.h"
#include "SystemText.h"

#include <windows.h>

void ApplicationEventLog::WriteError(const std::wstring& entry) {
    EventSource source(RegisterEventSourceW(nullptr, ProgramName().c_str()));
    if (!source) return;
    LPCWSTR strings[] = {entry.c_str()};
    // A log that cannot take the entry changes nothing for the caller: the message box
    // still shows the failure.
    ReportEventW(source.Get(), EVENTLOG_ERROR_TYPE, 0, 0, nullptr, 1, 0, strings, nullptr);
}

ErrorEventLog& TheApplicationEventLog() {
    static ApplicationEventLog log;
    return log;
}
