#include "HookBlocks.h"

namespace dtophook {

namespace {

KernelHandle MapBlock(const std::string& name, bool create) {
    if (create)
        return KernelHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize, name.c_str()));
    return KernelHandle(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str()));
}

}  // namespace

std::string StateBlockName(DWORD threadId) { return kStateBlockPrefix + std::to_string(threadId); }

std::string NotificationBlockName(DWORD threadId) { return kNotificationBlockPrefix + std::to_string(threadId); }

bool HookBlocks::Acquire(DWORD threadId, bool create) {
    Release();
    stateMapping_ = MapBlock(StateBlockName(threadId), create);
    notificationMapping_ = MapBlock(NotificationBlockName(threadId), create);
    if (!stateMapping_ || !notificationMapping_) {
        Release();
        return false;
    }
    stateView_.Reset(MapViewOfFile(stateMapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize));
    notificationView_.Reset(MapViewOfFile(notificationMapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize));
    if (!stateView_ || !notificationView_) {
        Release();
        return false;
    }
    state_ = static_cast<StateBlock*>(stateView_.Get());
    notification_ = static_cast<NotificationBlock*>(notificationView_.Get());
    return true;
}

void HookBlocks::Release() {
    state_ = nullptr;
    notification_ = nullptr;
    stateView_.Reset();
    notificationView_.Reset();
    stateMapping_.Reset();
    notificationMapping_.Reset();
}

}  // namespace dtophook
