#pragma once
// What the owner of subclassed windows implements: called before and/or after a watched
// message reaches the window's previous procedure.
#include <windows.h>

class SubclassCallback {
public:
    // bBefore: true before the previous procedure runs, false after it.
    // bHandled = true in the before call keeps the message from the previous procedure;
    // lReturn is the message's result; userValue is the window's user value and may be
    // changed.
    virtual void zHubProc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND hWnd, UINT uMsg,
                          WPARAM wParam, LPARAM lParam, LONG_PTR& userValue) = 0;

protected:
    ~SubclassCallback() = default;
};
