#include "SystemText.h"

#include "PathRoutines.h"

DWORD DllErrorText(DWORD code, std::wstring& text) {
    wchar_t buffer[256] = {};
    DWORD stored = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  code, 0, buffer, 256, nullptr);
    text.assign(buffer, stored);
    // The system ends its texts with a line break, which would split a failure report.
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) text = L"No such error";
    return stored;
}

std::wstring DllErrorText(DWORD code) {
    std::wstring text;
    DllErrorText(code, text);
    return text;
}

namespace {

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::wstring ProgramFolder() { return AddBackslash(PathFolderPart(ModulePath(nullptr))); }

std::wstring ProgramName() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ProgramName), &self);
    return FileBaseName(PathFilePart(ModulePath(self)));
}
