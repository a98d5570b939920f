#pragma once
// A control library carries its own copy of the failure report and its message-box
// seam. SetMessageBoxForwarder (exported by every control library) sends the library's
// message boxes to a host-supplied procedure instead; tests use it to see and answer
// the boxes a control shows. A null procedure restores the system's message box.
#include <windows.h>

using MessageBoxForwardProc = int(CALLBACK*)(void* context, HWND owner, const wchar_t* text,
                                             const wchar_t* caption, UINT style);

extern "C" void WINAPI SetMessageBoxForwarder(MessageBoxForwardProc proc, void* context);
