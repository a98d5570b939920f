#pragma once
// The table a control library describes itself with: its type library and the classes it
// serves. The class factory, the registration and DllGetClassObject all work from it.
#include <windows.h>
#include <span>

struct ControlClassInfo {
    const CLSID* clsid;
    const wchar_t* progId;       // "Snaplib.ScreenShot"
    const wchar_t* description;  // the class's name shown by registry tools
    DWORD miscStatus;            // OLEMISC_ flags of the content aspect
    // Creates a new instance and answers riid on it.
    HRESULT (*create)(REFIID riid, void** object);
};

struct ControlLibraryInfo {
    const GUID* libId;
    WORD majorVersion;
    WORD minorVersion;
    std::span<const ControlClassInfo> classes;
};

// Defined once by each control library.
const ControlLibraryInfo& ThisControlLibrary();

// The entry of clsid in this library's table, or nullptr.
const ControlClassInfo* FindControlClass(REFCLSID clsid);
