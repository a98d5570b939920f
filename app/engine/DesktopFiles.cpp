#include "DesktopFiles.h"

#include "AppError.h"
#include "ScopedHandle.h"
#include "ShellRoutines.h"
#include "SystemText.h"

namespace {

constexpr long kFileAlreadyExists = 58;

bool SizeOf(const std::wstring& path, uint64_t& size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

bool ReadSmallFile(const std::wstring& path, std::string& content) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    content.assign(static_cast<size_t>(sizeLimit) + 1, '\0');
    DWORD got = 0;
    if (!ReadFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &got, nullptr)) return false;
    content.resize(got);
    return true;
}

bool SameContent(const std::wstring& first, const std::wstring& second) {
    std::string a, b;
    return ReadSmallFile(first, a) && ReadSmallFile(second, b) && a == b;
}

}  // namespace

void CreateStoreFolder(const std::wstring& folder) {
    long result = FO_FolderCreate(folder);
    if (result != ERROR_SUCCESS && result != ERROR_ALREADY_EXISTS && result != ERROR_FILE_EXISTS)
        throw AppError(result, ProgramName(), DllErrorText(static_cast<DWORD>(result)));
}

SmallFilesCopy CopySmallFiles(const std::wstring& source, const std::wstring& target) {
    SmallFilesCopy result;
    for (const PlainFile& file : ListPlainFiles(source + L"*.*")) {
        if (file.size > static_cast<uint64_t>(sizeLimit)) continue;
        const std::wstring from = source + file.name;
        const std::wstring to = target + file.name;
        if (CopyFileW(from.c_str(), to.c_str(), TRUE)) {
            result.copied.push_back(file);
            continue;
        }
        DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
            if (SameContent(from, to)) {
                result.copied.push_back(file);
            } else {
                result.lastError = kFileAlreadyExists;
            }
            continue;
        }
        result.lastError = RuntimeFileError(error);
    }
    return result;
}

long DeleteCopiedFiles(const std::wstring& folder, const std::vector<PlainFile>& copied, const std::wstring& copiedTo) {
    long lastError = 0;
    for (const PlainFile& file : copied) {
        uint64_t originalSize = 0, copySize = 0;
        const std::wstring original = folder + file.name;
        if (!SizeOf(original, originalSize)) continue;  // gone already
        if (!SizeOf(copiedTo + file.name, copySize) || copySize != originalSize) continue;
        if (!DeleteFileW(original.c_str())) lastError = RuntimeFileError(GetLastError());
    }
    return lastError;
}
