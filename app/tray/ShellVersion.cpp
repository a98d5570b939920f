#include "ShellVersion.h"

#include <string>
#include <vector>

std::optional<unsigned> Shell32MajorVersion() {
    wchar_t systemFolder[MAX_PATH];
    UINT length = GetSystemDirectoryW(systemFolder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    const std::wstring path = std::wstring(systemFolder, length) + L"\\shell32.dll";

    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) return std::nullopt;
    std::vector<BYTE> info(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data())) return std::nullopt;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength) ||
        fixed == nullptr || fixedLength < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return HIWORD(fixed->dwFileVersionMS);
}

DWORD RecordSizeForShell(unsigned majorVersion) {
    if (majorVersion > 5) return kRecordSizeShell6;
    if (majorVersion == 5) return kRecordSizeShell5;
    return kRecordSizeShell4;
}
