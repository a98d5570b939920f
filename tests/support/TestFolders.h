#pragma once
// Throwaway places for tests: a fresh temporary folder and a fresh registry key below
// HKEY_CURRENT_USER, both removed with everything in them at the end of the test.
#include <windows.h>
#include <cstddef>
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in "\".
    const std::wstring& Path() const { return path_; }
    // Creates (or overwrites) a file of exactly size bytes and returns its full path.
    std::wstring WriteFile(const std::wstring& name, size_t size, char fill = 'x') const;
    std::wstring Subfolder(const std::wstring& name) const;

private:
    std::wstring path_;
};

class TempRegistryKey {
public:
    TempRegistryKey();
    ~TempRegistryKey();
    TempRegistryKey(const TempRegistryKey&) = delete;
    TempRegistryKey& operator=(const TempRegistryKey&) = delete;

    // Path below HKEY_CURRENT_USER, without a trailing "\".
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

// Size in bytes of a file; -1 when it does not exist.
long long FileSizeOf(const std::wstring& path);
