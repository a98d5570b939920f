#include "HelperProcess.h"

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
