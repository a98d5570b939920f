#pragma once
// The main form's rebuild timer tmrRebuild: an interval of 0 stops it; any other interval
// (re)starts it, so it fires that long after the last start.
#include <windows.h>

#include <functional>

class RebuildTimer {
public:
    virtual ~RebuildTimer() = default;
    virtual void SetInterval(UINT milliseconds) = 0;
    virtual UINT Interval() const = 0;
};

// tmrRebuild as a timer of a window. Each firing runs onTick from the window's message
// loop (through a timer procedure, so the window's own procedure need not route WM_TIMER).
class WindowRebuildTimer final : public RebuildTimer {
public:
    WindowRebuildTimer(HWND window, std::function<void()> onTick);
    ~WindowRebuildTimer() override;
    WindowRebuildTimer(const WindowRebuildTimer&) = delete;
    WindowRebuildTimer& operator=(const WindowRebuildTimer&) = delete;

    void SetInterval(UINT milliseconds) override;
    UINT Interval() const override { return interval_; }
    void SetOnTick(std::function<void()> onTick) { onTick_ = std::move(onTick); }

private:
    static void CALLBACK Fired(HWND window, UINT message, UINT_PTR id, DWORD time);
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

    HWND window_;
    std::function<void()> onTick_;
    UINT interval_ = 0;
};
