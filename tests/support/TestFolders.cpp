#include "TestFolders.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::wstring UniqueName() {
    GUID guid;
    CoCreateGuid(&guid);
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

void DeleteTree(const std::wstring& folder) {
    std::wstring from = folder;
    if (!from.empty() && from.back() == L'\\') from.pop_back();
    from.push_back(L'\0');  // SHFileOperation takes a double-NUL-terminated list
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"hexaplane-test-" + UniqueName() + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { DeleteTree(path_); }

std::wstring TempFolder::WriteFile(const std::wstring& name, size_t size, char fill) const {
    std::wstring full = path_ + name;
    HANDLE file = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        std::vector<char> data(size, fill);
        DWORD written = 0;
        if (size) ::WriteFile(file, data.data(), static_cast<DWORD>(size), &written, nullptr);
        CloseHandle(file);
    }
    return full;
}

std::wstring TempFolder::Subfolder(const std::wstring& name) const {
    std::wstring full = path_ + name + L"\\";
    CreateDirectoryW(full.c_str(), nullptr);
    return full;
}

TempRegistryKey::TempRegistryKey() : path_(L"Software\\HexaplaneTests\\" + UniqueName()) {}

TempRegistryKey::~TempRegistryKey() { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }

long long FileSizeOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
