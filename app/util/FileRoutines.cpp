#include "FileRoutines.h"

#include "AppError.h"
#include "FailureReport.h"
#include "PathRoutines.h"
#include "ScopedHandle.h"

#include <oleauto.h>

namespace {

constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
constexpr size_t kMaxSubfolders = 1000;

uint64_t SizeOf(const WIN32_FIND_DATAW& data) {
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool IsDotEntry(const wchar_t* name) {
    return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0;
}

// Subfolders of folder (ending in "\"), in listing order. Throws error 9 past 1000.
std::vector<std::wstring> ListSubfolders(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW((folder + L"*").c_str(), &data));
    if (!find) return names;
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) continue;
        if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        if (IsDotEntry(data.cFileName)) continue;
        if (names.size() == kMaxSubfolders) throw RuntimeFailure(RuntimeError::SubscriptOutOfRange);
        names.emplace_back(data.cFileName);
    } while (FindNextFileW(find.Get(), &data));
    return names;
}

DWORD AttributesOf(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

bool HasCopy(const std::wstring& copiedTo, const PlainFile& file) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW((copiedTo + file.name).c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return size == file.size;
}

}  // namespace

std::vector<PlainFile> ListPlainFiles(const std::wstring& pattern) {
    std::vector<PlainFile> files;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(pattern.c_str(), &data));
    if (!find) return files;
    do {
        if (data.dwFileAttributes & kNotPlain) continue;
        files.push_back({data.cFileName, SizeOf(data)});
    } while (FindNextFileW(find.Get(), &data));
    return files;
}

long RuntimeFileError(DWORD win32Error) {
    switch (win32Error) {
    case ERROR_SUCCESS: return 0;
    case ERROR_FILE_NOT_FOUND: return 53;
    case ERROR_PATH_NOT_FOUND: return 76;
    case ERROR_ACCESS_DENIED: return 75;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return 70;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL: return 61;
    case ERROR_DIR_NOT_EMPTY: return 75;
    case ERROR_INVALID_NAME: return 52;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return 58;
    default: return static_cast<long>(win32Error);
    }
}

bool FO_FolderExists(const std::wstring& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FO_FileExists(const std::wstring& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

double FO_GetFileDate(const std::wstring& path) {
    return RunReported({L"FO_GetFileDate", ModuleKind::Module, L"FO_mod"}, 0.0, [&] {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0.0;
        FILETIME local;
        SYSTEMTIME time;
        double date = 0;
        if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time) ||
            !SystemTimeToVariantTime(&time, &date))
            throw RuntimeFailure(RuntimeError::InvalidCall);
        return date;
    });
}

long FolderKill(const std::wstring& path) {
    if (RemoveDirectoryW(path.c_str())) return 0;
    DWORD win32Error = GetLastError();
    // A folder that is not there is "path not found", whichever code the system chose.
    long error = win32Error == ERROR_FILE_NOT_FOUND ? 76 : RuntimeFileError(win32Error);
    return (error == 75 || error == 76) ? 0 : error;
}

long FileKill(const std::wstring& pattern) {
    const std::wstring folder = PathFolderPart(pattern);
    for (const PlainFile& file : ListPlainFiles(pattern)) {
        if (DeleteFileW((folder + file.name).c_str())) continue;
        long error = RuntimeFileError(GetLastError());
        return (error == 55 || error == 70 || error == 75) ? error : 0;
    }
    return 0;
}

long FilesKill(const std::wstring& pattern, bool recurse, bool removeFolder, long long limit,
               const std::wstring& copiedTo) {
    try {
        const std::wstring folder = PathFolderPart(pattern);
        const std::wstring namePattern = PathFilePart(pattern);
        long result = 0;

        if (recurse) {
            for (const std::wstring& sub : ListSubfolders(folder)) {
                result = FilesKill(folder + sub + L"\\" + namePattern, recurse, removeFolder, -1,
                                   copiedTo.empty() ? copiedTo : copiedTo + sub + L"\\");
                if (result != 0) return result;
            }
        }

        if (limit < 0 && copiedTo.empty()) {
            result = FileKill(folder + namePattern);
        } else {
            for (const PlainFile& file : ListPlainFiles(folder + namePattern)) {
                if (limit >= 0 && static_cast<uint64_t>(limit) < file.size) continue;
                if (!copiedTo.empty() && !HasCopy(copiedTo, file)) continue;
                result = FileKill(folder + file.name);
            }
        }

        if (result == 0 && removeFolder) FolderKill(PathFolderPart(folder + namePattern));
        return result;
    } catch (...) {
        return CurrentExceptionAsError().Number();
    }
}

long FilesCopy(const std::wstring& pattern, const std::wstring& target, long long limit) {
    try {
        const std::wstring folder = PathFolderPart(pattern);
        for (const PlainFile& file : ListPlainFiles(pattern)) {
            if (limit >= 0 && static_cast<uint64_t>(limit) < file.size) continue;
            if (!CopyFileW((folder + file.name).c_str(), (target + file.name).c_str(), FALSE))
                return RuntimeFileError(GetLastError());
        }
        return 0;
    } catch (...) {
        return CurrentExceptionAsError().Number();
    }
}
