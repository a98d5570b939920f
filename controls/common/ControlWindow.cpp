#include "ControlWindow.h"

#include "ActiveXControl.h"
#include "ControlModule.h"

namespace {

constexpr wchar_t kClassName[] = L"HexaplaneActiveXControl";

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* control = reinterpret_cast<ActiveXControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (!control) return DefWindowProcW(window, message, wParam, lParam);
    return control->WindowMessage(window, message, wParam, lParam);
}

// The class belongs to this library's module, so each control library has its own.
bool RegisterControlClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    HINSTANCE module = ControlModuleHandle();
    if (GetClassInfoExW(module, kClassName, &windowClass)) return true;
    windowClass = WNDCLASSEXW{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ControlWindowProc;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

HWND CreateControlWindow(ActiveXControl& control, HWND parent, const RECT& position) {
    if (!RegisterControlClass()) return nullptr;
    return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, position.left,
                           position.top, position.right - position.left, position.bottom - position.top, parent,
                           nullptr, ControlModuleHandle(), &control);
}

void UnregisterControlWindowClass() { UnregisterClassW(kClassName, ControlModuleHandle()); }
