#include "SharedBuffer.h"

#include <cstring>
#include <utility>

bool IsWindowsNT() {
    static const bool nt = [] {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExA(&version)) return true;
#pragma GCC diagnostic pop
        return version.dwPlatformId >= VER_PLATFORM_WIN32_NT;
    }();
    return nt;
}

SharedBuffer& SharedBuffer::operator=(SharedBuffer&& other) noexcept {
    if (this != &other) {
        Release();
        TakeFrom(other);
    }
    return *this;
}

void SharedBuffer::Release() {
    remote_.Reset();
    view_.Reset();
    handle_.Reset();
    address_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

void SharedBuffer::TakeFrom(SharedBuffer& other) {
    mapped_ = other.mapped_;
    size_ = other.size_;
    address_ = std::exchange(other.address_, nullptr);
    handle_ = std::move(other.handle_);
    remote_ = std::move(other.remote_);
    view_ = std::move(other.view_);
    other.size_ = 0;
    other.mapped_ = false;
}

bool SharedBuffer::Write(const void* data, size_t size, size_t offset) const {
    if (!Valid() || offset > size_ || size > size_ - offset) return false;
    char* target = static_cast<char*>(address_) + offset;
    if (mapped_) {
        std::memcpy(target, data, size);
        return true;
    }
    SIZE_T written = 0;
    return WriteProcessMemory(handle_.Get(), target, data, size, &written) && written == size;
}

bool SharedBuffer::Read(void* data, size_t size, size_t offset) const {
    if (!Valid() || offset > size_ || size > size_ - offset) return false;
    const char* source = static_cast<const char*>(address_) + offset;
    if (mapped_) {
        std::memcpy(data, source, size);
        return true;
    }
    SIZE_T read = 0;
    return ReadProcessMemory(handle_.Get(), source, data, size, &read) && read == size;
}

SharedBuffer AllocShared(size_t size, const std::string& name, HWND window, bool forceMapping) {
    SharedBuffer buffer;
    if (size == 0) return buffer;
    if (IsWindowsNT() && !forceMapping) {
        DWORD processId = 0;
        if (!window || !GetWindowThreadProcessId(window, &processId) || processId == 0) return buffer;
        buffer.handle_.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
        if (!buffer.handle_) return buffer;
        void* address = VirtualAllocEx(buffer.handle_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!address) return SharedBuffer();
        buffer.remote_.Reset({buffer.handle_.Get(), address});
        buffer.address_ = address;
    } else {
        buffer.handle_.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                static_cast<DWORD>(size), name.empty() ? nullptr : name.c_str()));
        if (!buffer.handle_) return buffer;
        buffer.view_.Reset(MapViewOfFile(buffer.handle_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
        if (!buffer.view_) return SharedBuffer();
        buffer.mapped_ = true;
        buffer.address_ = buffer.view_.Get();
    }
    buffer.size_ = size;
    return buffer;
}

void FreeShared(SharedBuffer& buffer) { buffer.Release(); }
