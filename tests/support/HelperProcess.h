#pragma once
// Helper programs of the tests: separate processes built beside the test program
// (ProgramFolder() + name) that signal a named event once they are ready.
#include "ScopedHandle.h"

#include <windows.h>
#include <string>
#include <vector>

struct StartedProcess {
    KernelHandle process;
    DWORD processId = 0;
    DWORD threadId = 0;
};

// Starts commandLine and waits until the program sets ready or ends. True when it is
// ready within timeoutMs; started holds the process whenever it could be started.
bool StartAndWaitUntilReady(std::wstring commandLine, HANDLE ready, DWORD timeoutMs, StartedProcess& started);

// Starts the helper program beside the test with a fresh ready event's name as its first
// argument, then each argument in quotes, and waits as StartAndWaitUntilReady does.
bool StartHelperProgram(const std::wstring& program, const std::vector<std::wstring>& arguments, DWORD timeoutMs,
                        StartedProcess& started);
