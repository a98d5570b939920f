#include "RebuildTimer.h"

#include <algorithm>
#include <vector>

namespace {

// Timers alive in this process: a WM_TIMER already queued when its timer was killed or
// destroyed must not reach it.
std::vector<const WindowRebuildTimer*>& LiveTimers() {
    static std::vector<const WindowRebuildTimer*> timers;
    return timers;
}

}  // namespace

WindowRebuildTimer::WindowRebuildTimer(HWND window, std::function<void()> onTick)
    : window_(window), onTick_(std::move(onTick)) {
    LiveTimers().push_back(this);
}

WindowRebuildTimer::~WindowRebuildTimer() {
    SetInterval(0);
    auto& timers = LiveTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void WindowRebuildTimer::SetInterval(UINT milliseconds) {
    interval_ = milliseconds;
    if (milliseconds == 0)
        KillTimer(window_, Id());
    else
        SetTimer(window_, Id(), milliseconds, &WindowRebuildTimer::Fired);
}

void CALLBACK WindowRebuildTimer::Fired(HWND, UINT, UINT_PTR id, DWORD) {
    const auto& timers = LiveTimers();
    auto found = std::find(timers.begin(), timers.end(), reinterpret_cast<const WindowRebuildTimer*>(id));
    if (found == timers.end()) return;
    auto* timer = const_cast<WindowRebuildTimer*>(*found);
    if (timer->interval_ != 0 && timer->onTick_) timer->onTick_();
}
