// Test helper: a process that owns real top-level windows and runs their message loop
// until it gets WM_QUIT (or is ended).
//
//   engine_window_owner <ready event> <window>...
//     titled:<title>       visible overlapped window with caption and border
//     untitled             visible overlapped window without a title
//     borderless:<title>   visible popup window with a title but no border or caption
//     titled*<n>:<prefix>  n titled windows "<prefix> 1" … "<prefix> n"
// Each window's GWLP_USERDATA holds its 1-based position among the windows made, so a
// test can tell them apart. The ready event is set once every window exists.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

constexpr wchar_t kClassName[] = L"HexaplaneEngineTestWindow";
int made = 0;

void Make(DWORD style, const std::wstring& title) {
    HWND hwnd = CreateWindowExW(0, kClassName, title.c_str(), style, 10 + made, 10 + made, 200, 120, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, ++made);
}

void MakeFromArgument(const std::wstring& argument) {
    const DWORD titled = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    if (argument.rfind(L"titled*", 0) == 0) {
        size_t colon = argument.find(L':');
        int count = std::stoi(argument.substr(7, colon - 7));
        std::wstring prefix = colon == std::wstring::npos ? L"Window" : argument.substr(colon + 1);
        for (int i = 1; i <= count; ++i) Make(titled, prefix + L" " + std::to_wstring(i));
    } else if (argument.rfind(L"titled:", 0) == 0) {
        Make(titled, argument.substr(7));
    } else if (argument == L"untitled") {
        Make(titled, L"");
    } else if (argument.rfind(L"borderless:", 0) == 0) {
        Make(WS_POPUP | WS_VISIBLE, argument.substr(11));
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) return 2;

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&windowClass);

    for (int i = 2; i < argc; ++i) MakeFromArgument(argv[i]);

    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
    LocalFree(argv);
    if (ready) {
        SetEvent(ready);
        CloseHandle(ready);
    }

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
