// A second process for the tests: owns one top-level window titled after its argument and
// runs until that window is closed.
#include <windows.h>

namespace {
LRESULT CALLBACK Procedure(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"HexaplaneForeignWindow";
    if (!RegisterClassW(&windowClass)) return 3;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, argv[1], WS_OVERLAPPEDWINDOW, 0, 0,
                                  100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return 4;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
