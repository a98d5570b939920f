#pragma once
// System message texts and the name of the running module.
#include <windows.h>
#include <string>

// FormatMessage's text for a Win32 error code, without its closing line break;
// "No such error" when the system has none. Returns the number of characters the
// system stored (0 when none).
DWORD DllErrorText(DWORD code, std::wstring& text);
std::wstring DllErrorText(DWORD code);

// File name without extension of the module (exe or dll) this code is linked into:
// "Plexor" for the program, "Vantor" for the screenshot library.
std::wstring ProgramName();

// The folder of the running program's executable, ending in "\".
std::wstring ProgramFolder();
