#pragma once
// The control library this code is linked into: its module handle and path, and the
// count of live objects and server locks that DllCanUnloadNow answers from.
#include <windows.h>
#include <string>

HMODULE ControlModuleHandle();
std::wstring ControlModulePath();

void ControlModuleLock();
void ControlModuleUnlock();
long ControlModuleLockCount();
