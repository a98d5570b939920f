#include "HelperProcess.h"

#include "SystemText.h"

#include <cwchar>

bool StartAndWaitUntilReady(std::wstring commandLine, HANDLE ready, DWORD timeoutMs, StartedProcess& started) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    started.process.Reset(info.hProcess);
    KernelHandle thread(info.hThread);
    started.processId = info.dwProcessId;
    started.threadId = info.dwThreadId;
    HANDLE waitFor[] = {ready, started.process.Get()};
    return WaitForMultipleObjects(2, waitFor, FALSE, timeoutMs) == WAIT_OBJECT_0;
}

bool StartHelperProgram(const std::wstring& program, const std::vector<std::wstring>& arguments, DWORD timeoutMs,
                        StartedProcess& started) {
    static unsigned helpersStarted = 0;
    wchar_t eventName[64];
    swprintf(eventName, 64, L"HexaplaneHelperReady-%lu-%u", GetCurrentProcessId(), ++helpersStarted);
    KernelHandle ready(CreateEventW(nullptr, TRUE, FALSE, eventName));
    std::wstring commandLine = L"\"" + ProgramFolder() + program + L"\" " + eventName;
    for (const auto& argument : arguments) commandLine += L" \"" + argument + L"\"";
    return StartAndWaitUntilReady(commandLine, ready.Get(), timeoutMs, started);
}
