#pragma once
// Buffers that list-view messages to a window of another process can carry: memory
// committed in that window's process (VirtualAllocEx, moved with Write/ReadProcessMemory),
// or a view of a file mapping, shared by name between processes (Windows 9x, or when
// forced). Freed when the object goes away or by FreeShared.
#include "ScopedHandle.h"

#include <windows.h>

#include <cstddef>
#include <string>

class SharedBuffer {
public:
    SharedBuffer() = default;
    SharedBuffer(SharedBuffer&& other) noexcept { TakeFrom(other); }
    SharedBuffer& operator=(SharedBuffer&& other) noexcept;
    ~SharedBuffer() { Release(); }

    bool Valid() const { return address_ != nullptr; }
    explicit operator bool() const { return Valid(); }
    // The buffer's address as the window's process (or the mapping's view) sees it.
    void* Address() const { return address_; }
    LPARAM AddressParam() const { return reinterpret_cast<LPARAM>(address_); }
    size_t Size() const { return size_; }

    // Copy local data into or out of the buffer; false when out of range or refused.
    bool Write(const void* data, size_t size, size_t offset = 0) const;
    bool Read(void* data, size_t size, size_t offset = 0) const;

private:
    friend SharedBuffer AllocShared(size_t size, const std::string& name, HWND window, bool forceMapping);
    friend void FreeShared(SharedBuffer& buffer);

    // The memory goes before the process handle it was allocated through.
    void Release();
    void TakeFrom(SharedBuffer& other);

    bool mapped_ = false;
    size_t size_ = 0;
    void* address_ = nullptr;
    KernelHandle handle_;  // the window's process, or the mapping
    RemoteAllocation remote_;
    MappedView view_;
};

// True on the Windows NT family (asked once).
bool IsWindowsNT();

// Allocates size bytes for messages to window: in the window's process on Windows NT,
// else (or with forceMapping) as the file mapping called name (ANSI; empty: unnamed).
// An invalid buffer when that fails.
SharedBuffer AllocShared(size_t size, const std::string& name, HWND window, bool forceMapping);
// Undoes the allocation; nothing happens for an invalid buffer.
void FreeShared(SharedBuffer& buffer);
