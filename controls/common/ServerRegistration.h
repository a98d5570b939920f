#pragma once
// Self-registration of a control library: the CLSID key of every class (InprocServer32
// with ThreadingModel "Apartment", ProgID, Control, MiscStatus, TypeLib, Version), the
// ProgID key, the type library and its interfaces. Written either machine-wide
// (HKEY_LOCAL_MACHINE\Software\Classes) or for the current user only
// (HKEY_CURRENT_USER\Software\Classes); unregistering removes exactly those keys.
#include <windows.h>

enum class RegistrationScope { Machine, User };

HRESULT RegisterControlLibrary(RegistrationScope scope);
HRESULT UnregisterControlLibrary(RegistrationScope scope);

// DllInstall's command line: "user" (any case) asks for the per-user scope.
RegistrationScope ScopeOfInstallCommand(const wchar_t* commandLine);
