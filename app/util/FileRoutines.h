#pragma once
// Folder and file tests, and the batch copy and delete of files that move with their
// desktop. Error results are runtime file error numbers (RuntimeFileError).
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

// Files of at most this many bytes move with their desktop.
inline constexpr long long sizeLimit = 100000;

struct PlainFile {
    std::wstring name;
    uint64_t size = 0;
};

// Files a normal directory listing returns for the pattern: no folders, no hidden or
// system files, in listing order.
std::vector<PlainFile> ListPlainFiles(const std::wstring& pattern);

// Runtime error number for a Win32 error of a file operation: 53 file not found,
// 58 file already exists, 70 permission denied, 75 path/file access error, 76 path not
// found, 61 disk full;
// other codes are kept.
long RuntimeFileError(DWORD win32Error);

bool FO_FolderExists(const std::wstring& path);
bool FO_FileExists(const std::wstring& path);
// Last-modified time as a local date value; 0 when the file does not exist.
double FO_GetFileDate(const std::wstring& path);

long FolderKill(const std::wstring& path);
long FileKill(const std::wstring& pattern);

// Deletes the plain files matching pattern of at most limit bytes (every size when
// limit < 0), optionally in every subfolder and removing the emptied folder. When
// copiedTo is given, a file is deleted only when a file of that name and the same size
// exists in copiedTo: a file whose copy failed is never lost.
long FilesKill(const std::wstring& pattern, bool recurse, bool removeFolder, long long limit,
               const std::wstring& copiedTo = {});

// Copies the plain files matching pattern of at most limit bytes (every size when
// limit < 0) into target (ending in "\"), overwriting; stops at the first failure.
long FilesCopy(const std::wstring& pattern, const std::wstring& target, long long limit);
