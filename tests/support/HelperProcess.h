#pragma once
// Helper programs of the tests: separate processes built beside the test program
// (ProgramFolder() + name) that signal a named event once they are ready.
#include "ScopedHandle.h"

#include <windows.h>
#include <string>

struct StartedProcess {
    KernelHandle process;
    DWORD processId = 0;
    DWORD threadId = 0;
};

// Starts commandLine and waits until the program sets ready or ends. True when it is
// ready within timeoutMs; started holds the process whenever it could be started.
bool StartAndWaitUntilReady(std::wstring commandLine, HANDLE ready, DWORD timeoutMs, StartedProcess& started);
