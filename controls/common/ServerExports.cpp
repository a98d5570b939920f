// The standard exports of an in-process control server.
#include "ClassFactory.h"
#include "ControlModule.h"
#include "ControlWindow.h"
#include "ServerRegistration.h"

#include <olectl.h>

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void* reserved) {
    if (reason == DLL_PROCESS_DETACH && !reserved) UnregisterControlWindowClass();
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    const ControlClassInfo* info = FindControlClass(clsid);
    if (!info) return CLASS_E_CLASSNOTAVAILABLE;
    ComPtr<ClassFactory> factory = ClassFactory::Create(*info);
    if (!factory) return E_OUTOFMEMORY;
    return factory->QueryInterface(riid, object);
}

STDAPI DllCanUnloadNow() { return ControlModuleLockCount() == 0 ? S_OK : S_FALSE; }

// Machine-wide (HKEY_LOCAL_MACHINE\Software\Classes), as regsvr32 does it.
STDAPI DllRegisterServer() { return RegisterControlLibrary(RegistrationScope::Machine); }
STDAPI DllUnregisterServer() { return UnregisterControlLibrary(RegistrationScope::Machine); }

// "regsvr32 /n /i:user <library>" registers for the current user only
// (HKEY_CURRENT_USER\Software\Classes); "/u /n /i:user" removes that again.
STDAPI DllInstall(BOOL install, LPCWSTR commandLine) {
    RegistrationScope scope = ScopeOfInstallCommand(commandLine);
    return install ? RegisterControlLibrary(scope) : UnregisterControlLibrary(scope);
}

}  // extern "C"
