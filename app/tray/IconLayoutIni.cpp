#include "IconLayoutIni.h"

#include "AnsiText.h"
#include "EngineLocations.h"
#include "FailureReport.h"
#include "MessageBoxSeam.h"
#include "PathRoutines.h"
#include "ScopedHandle.h"
#include "ShellRoutines.h"
#include "SystemText.h"

#include <windows.h>
#include <shlobj.h>

#include <cwctype>

namespace {

constexpr DWORD kProfileBuffer = 275;

std::wstring UpperCase(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

// SHGetFolderPathW of shfolder.dll from the system folder, where that library exists.
std::wstring FolderFromShfolder(int csidl) {
    wchar_t system[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    LoadedModule shfolder(LoadLibraryW((std::wstring(system, length) + L"\\shfolder.dll").c_str()));
    if (!shfolder) return {};
    using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    auto getFolderPath = reinterpret_cast<GetFolderPath>(GetProcAddress(shfolder.Get(), "SHGetFolderPathW"));
    if (!getFolderPath) return {};
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(getFolderPath(nullptr, csidl, nullptr, 0, folder))) return {};
    return TrimAtNull(std::wstring(folder, MAX_PATH));
}

}  // namespace

std::wstring ReadWriteINI(const std::wstring& file, const std::wstring& mode, const std::wstring& section,
                          const std::wstring& key, const std::wstring& value, bool clearSection, int length) {
    std::wstring result;
    try {
        const std::string ansiFile = ToAnsi(file);
        const std::string ansiSection = ToAnsi(section);
        if (clearSection) {
            // An empty section body: the list of keys ends at once.
            WritePrivateProfileSectionA(ansiSection.c_str(), "\0", ansiFile.c_str());
            return L"ok";
        }
        const std::wstring upperMode = UpperCase(mode);
        const std::string ansiKey = ToAnsi(key);
        const std::string ansiValue = ToAnsi(value);
        if (upperMode == L"WRITE") {
            BOOL written = WritePrivateProfileStringA(ansiSection.c_str(), ansiKey.c_str(),
                                                      value.empty() ? nullptr : ansiValue.c_str(), ansiFile.c_str());
            if (written) result = L"ok";
        } else if (upperMode == L"GET") {
            char buffer[kProfileBuffer] = {};
            DWORD got = GetPrivateProfileStringA(ansiSection.c_str(), ansiKey.c_str(), ansiValue.c_str(), buffer,
                                                 kProfileBuffer, ansiFile.c_str());
            if (got >= kProfileBuffer) got = kProfileBuffer - 1;
            result = FromAnsi(std::string_view(buffer, got));
        }
    } catch (...) {
        const AppError error = CurrentExceptionAsError();
        ShowMessageBox(L"Err: " + std::to_wstring(error.Number()) + L" - Procedure: ReadWriteINI\r\n" +
                           error.Description(),
                       kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
    }
    return result;
}

std::wstring SpecialFolderPath(int csidl) {
    std::wstring folder = FolderFromShfolder(csidl);
    if (folder.empty()) folder = FO_SpecialfolderGet(csidl);
    if (folder.empty()) folder = ProgramFolder();
    folder = TrimAtNull(folder);
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    return folder;
}

std::wstring IconLayoutFile(int16_t desktop) {
    return CurrentEngineLocations().storeRoot + std::to_wstring(desktop) + L".twk";
}
