#include "MainFormTestSupport.h"

#include "PathRoutines.h"

bool RegisterScreenShotLibrary() {
    static bool registered = [] {
        wchar_t exe[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        HMODULE library = LoadLibraryW((AddBackslash(PathFolderPart(exe)) + L"Vantor.dll").c_str());
        if (!library) return false;
        auto registerServer = reinterpret_cast<HRESULT(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")));
        return registerServer && SUCCEEDED(registerServer());
    }();
    return registered;
}

bool WaitUntil(const std::function<bool()>& condition) {
    const ULONGLONG deadline = GetTickCount64() + 20000;
    while (!condition()) {
        if (GetTickCount64() > deadline) return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
    return true;
}
