#pragma once
// The two shared memory blocks of one hooked thread, named after that thread's id so the
// hook procedure inside the desktop's process finds the blocks its installer made.
#include "DesktopHookProtocol.h"
#include "ScopedHandle.h"

#include <string>

namespace dtophook {

std::string StateBlockName(DWORD threadId);
std::string NotificationBlockName(DWORD threadId);

class HookBlocks {
public:
    // create: make the blocks (the installing side); otherwise open existing ones.
    bool Acquire(DWORD threadId, bool create);
    void Release();
    bool Held() const { return state_ != nullptr && notification_ != nullptr; }

    StateBlock* State() const { return state_; }
    NotificationBlock* Notification() const { return notification_; }

private:
    KernelHandle stateMapping_;
    KernelHandle notificationMapping_;
    MappedView stateView_;
    MappedView notificationView_;
    StateBlock* state_ = nullptr;
    NotificationBlock* notification_ = nullptr;
};

}  // namespace dtophook
