#pragma once
// Where the subclasser's failures are logged besides their message box. The program writes
// them to the system's application event log; a test hands in its own log to read them.
#include <string>

class ErrorEventLog {
public:
    virtual ~ErrorEventLog() = default;
    virtual void WriteError(const std::wstring& entry) = 0;
};

// Error entries in the application event log under the program's name as source (the
// system's default source when that name is not registered).
class ApplicationEventLog : public ErrorEventLog {
public:
    void WriteError(const std::wstring& entry) override;
};

ErrorEventLog& TheApplicationEventLog();
