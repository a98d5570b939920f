#pragma once
// Msghook: watches one window of this thread and raises its Message event for the
// messages switched on with Message(uMsg, true). The handler decides whether the window's
// previous procedure sees the message: it passes it on with InvokeWindowProc, and what the
// handler leaves in result is what the message returns.
#include <windows.h>

#include <functional>
#include <vector>

namespace msghook {

class Msghook {
public:
    using MessageHandler = std::function<void(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    explicit Msghook(MessageHandler onMessage);
    // Lets go of the hooked window.
    ~Msghook();
    Msghook(const Msghook&) = delete;
    Msghook& operator=(const Msghook&) = delete;

    // The window to hook (a window of this thread); 0 lets the hooked one go. Hooking the
    // window already hooked changes nothing. False when the window cannot be hooked.
    bool HwndHook(HWND window);
    HWND HwndHook() const { return window_; }

    // Whether Message is raised for uMsg.
    void Message(UINT uMsg, bool raise);
    bool Message(UINT uMsg) const;

    // Passes a message on to the hooked window's previous procedure; only while the
    // Message event runs (otherwise nothing happens and 0 is returned).
    LRESULT InvokeWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK HookProc(HWND window, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    void Unhook();

    MessageHandler onMessage_;
    HWND window_ = nullptr;
    std::vector<UINT> watched_;
    int eventDepth_ = 0;  // > 0 while Message runs: the previous procedure may be called
};

}  // namespace msghook
