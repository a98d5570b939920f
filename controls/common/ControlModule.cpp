#include "ControlModule.h"

#include <atomic>

namespace {
// Objects and IClassFactory::LockServer locks alive in this library; COM itself asks for
// it through DllCanUnloadNow, so it is process-wide by nature.
std::atomic<long> liveLocks{0};
}  // namespace

HMODULE ControlModuleHandle() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ControlModuleHandle), &self);
    return self;
}

std::wstring ControlModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(ControlModuleHandle(), path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void ControlModuleLock() { ++liveLocks; }
void ControlModuleUnlock() { --liveLocks; }
long ControlModuleLockCount() { return liveLocks.load(); }
