#include "ShellRoutines.h"

#include "FailureReport.h"
#include "PathRoutines.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <shellapi.h>

#include <cwchar>
#include <cwctype>

std::wstring FO_SpecialfolderGet(int csidl) {
    return RunReported({L"FO_SpecialfolderGet", ModuleKind::Module, L"FO_mod"}, std::wstring(), [&] {
        LPITEMIDLIST pidl = nullptr;
        if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &pidl)) || !pidl) return std::wstring();
        wchar_t buffer[512] = {};
        BOOL found = SHGetPathFromIDListW(pidl, buffer);
        CoTaskMemFree(pidl);
        return found ? std::wstring(buffer) : std::wstring();
    });
}

long FO_FolderCreate(const std::wstring& path) {
    return SHCreateDirectoryExW(nullptr, AddBackslash(path).c_str(), nullptr);
}

std::wstring FileTypeName(const std::wstring& path) {
    SHFILEINFOW info = {};
    SHGetFileInfoW(path.c_str(), 0x100, &info, sizeof info, SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    std::wstring name = TrimAtNull(std::wstring(info.szTypeName, 80));
    if (!name.empty()) return name;
    std::wstring extension = FileExtension(PathFilePart(path));
    if (extension.empty()) return L"File";
    for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towupper(c));
    return extension + L" File";
}

std::wstring NewGuidString() {
    GUID guid;
    if (FAILED(CoCreateGuid(&guid))) return std::wstring();
    wchar_t text[33];
    swprintf(text, 33, L"%08lX%04X%04X%02X%02X%02X%02X%02X%02X%02X%02X", guid.Data1, guid.Data2, guid.Data3,
             guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
             guid.Data4[6], guid.Data4[7]);
    return text;
}

bool ComCtlInit() {
    INITCOMMONCONTROLSEX init = {sizeof(INITCOMMONCONTROLSEX), ICC_USEREX_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
}

void ComCtlTerminate() {
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
}
