#pragma once
// The command line of the watchdog program:
//   PlexorWatchdog.exe <program process handle, hex> <program process id> <normal-end event
//   handle, hex> "<journal path>"
// Both handles are inherited from the program that starts the watchdog.
#include <windows.h>

#include <optional>
#include <string>

inline constexpr wchar_t kWatchdogProgram[] = L"PlexorWatchdog.exe";

struct WatchdogArguments {
    HANDLE programProcess = nullptr;
    DWORD programProcessId = 0;
    HANDLE normalEnd = nullptr;
    std::wstring journalPath;
};

// The whole command line, starting with the quoted program path.
std::wstring FormatWatchdogCommandLine(const std::wstring& watchdogPath, const WatchdogArguments& arguments);
// Nothing when the command line does not carry the four arguments.
std::optional<WatchdogArguments> ParseWatchdogCommandLine(const std::wstring& commandLine);
