#include "WatchdogCommandLine.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <memory>

namespace {

std::wstring HandleText(HANDLE handle) {
    wchar_t text[32];
    swprintf(text, 32, L"%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(handle)));
    return text;
}

// A path in quotes as CommandLineToArgvW reads it back: backslashes before the closing
// quote are doubled, or they would escape it.
std::wstring Quoted(const std::wstring& path) {
    size_t trailing = path.size() - std::min(path.size(), path.find_last_not_of(L'\\') + 1);
    return L"\"" + path + std::wstring(trailing, L'\\') + L"\"";
}

bool ParseNumber(const wchar_t* text, int base, unsigned long long& value) {
    if (!text || !*text) return false;
    wchar_t* end = nullptr;
    value = std::wcstoull(text, &end, base);
    return *end == L'\0';
}

}  // namespace

std::wstring FormatWatchdogCommandLine(const std::wstring& watchdogPath, const WatchdogArguments& arguments) {
    return Quoted(watchdogPath) + L" " + HandleText(arguments.programProcess) + L" " +
           std::to_wstring(arguments.programProcessId) + L" " + HandleText(arguments.normalEnd) + L" " +
           Quoted(arguments.journalPath);
}

std::optional<WatchdogArguments> ParseWatchdogCommandLine(const std::wstring& commandLine) {
    int count = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(commandLine.c_str(), &count), LocalFree);
    if (!argv || count != 5) return std::nullopt;
    LPWSTR* words = argv.get();
    unsigned long long process = 0, processId = 0, normalEnd = 0;
    if (!ParseNumber(words[1], 16, process) || !ParseNumber(words[2], 10, processId) ||
        !ParseNumber(words[3], 16, normalEnd) || !*words[4])
        return std::nullopt;
    WatchdogArguments arguments;
    arguments.programProcess = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(process));
    arguments.programProcessId = static_cast<DWORD>(processId);
    arguments.normalEnd = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(normalEnd));
    arguments.journalPath = words[4];
    return arguments;
}
