#pragma once
// One owning wrapper per kind of platform handle: ScopedHandle<Traits> closes its handle
// with Traits::Close when it goes out of scope. The aliases below are the kinds in use.
#include <windows.h>
#include <objbase.h>
#include <shtypes.h>
#include <utility>

template <typename Traits>
class ScopedHandle {
public:
    using Handle = typename Traits::Handle;

    ScopedHandle() = default;
    explicit ScopedHandle(Handle h) : handle_(h) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }
    // For out-parameters of the API that opens the handle.
    Handle* Receive() { Reset(); return &handle_; }
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle h = Traits::Invalid()) {
        if (Traits::IsValid(handle_)) Traits::Close(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(Handle h) { FindClose(h); }
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};

// Item-identifier lists and other shell memory freed with CoTaskMemFree.
struct ItemIdListTraits {
    using Handle = LPITEMIDLIST;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { CoTaskMemFree(h); }
};

struct EventSourceTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { DeregisterEventSource(h); }
};

using RegKey = ScopedHandle<RegKeyTraits>;
using FindHandle = ScopedHandle<FindHandleTraits>;
using KernelHandle = ScopedHandle<KernelHandleTraits>;
using EventSource = ScopedHandle<EventSourceTraits>;
using ItemIdList = ScopedHandle<ItemIdListTraits>;

// A device context of a window (GetDC, GetWindowDC): released with its window.
struct WindowDc {
    HWND window;
    HDC dc;
};

struct WindowDcTraits {
    using Handle = WindowDc;
    static Handle Invalid() { return {nullptr, nullptr}; }
    static bool IsValid(Handle h) { return h.dc != nullptr; }
    static void Close(Handle h) { ReleaseDC(h.window, h.dc); }
};

// A memory device context (CreateCompatibleDC).
struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { DeleteDC(h); }
};

// A GDI object (bitmap, brush, pen, font) that is not selected into any device context.
struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};

// An icon or cursor made by the program (CreateIconIndirect, CopyIcon): not a shared one.
struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
};

using ScopedWindowDc = ScopedHandle<WindowDcTraits>;
using MemoryDc = ScopedHandle<MemoryDcTraits>;
using GdiObject = ScopedHandle<GdiObjectTraits>;
using ScopedIcon = ScopedHandle<IconTraits>;

// A view of a file mapping (MapViewOfFile).
struct MappedViewTraits {
    using Handle = void*;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { UnmapViewOfFile(h); }
};

// Memory committed in another process (VirtualAllocEx); the process handle stays owned
// by the caller and must outlive the allocation.
struct RemoteMemory {
    HANDLE process;
    void* address;
};

struct RemoteMemoryTraits {
    using Handle = RemoteMemory;
    static Handle Invalid() { return {nullptr, nullptr}; }
    static bool IsValid(Handle h) { return h.address != nullptr; }
    static void Close(Handle h) { VirtualFreeEx(h.process, h.address, 0, MEM_RELEASE); }
};

// A library loaded at run time (LoadLibraryW with a full path).
struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};

// A hook procedure installed with SetWindowsHookExW.
struct WindowsHookTraits {
    using Handle = HHOOK;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { UnhookWindowsHookEx(h); }
};

using MappedView = ScopedHandle<MappedViewTraits>;
using RemoteAllocation = ScopedHandle<RemoteMemoryTraits>;
using LoadedModule = ScopedHandle<ModuleTraits>;
using WindowsHook = ScopedHandle<WindowsHookTraits>;
