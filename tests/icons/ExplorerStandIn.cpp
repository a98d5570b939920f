// Test helper standing in for Explorer's desktop: a "Progman" window titled "Program Manager"
// holding a "SHELLDLL_DefView" with the icon list view "SysListView32", in its own process.
//
//   explorer_standin <ready event> [autoarrange] [activedesktop] [item:<caption>[@x,y]]...
//
// Item k (from 1) gets image index 10·k. Positions are set once the message loop runs (set
// earlier, the list view puts its items back on the grid); the ready event is set after
// that. Tests drive it through the messages of StandInProtocol.h.
#include "StandInProtocol.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

constexpr WPARAM kAutoArrangeOff = 0x7051;

struct StandIn {
    HWND progman = nullptr;
    HWND view = nullptr;
    HWND listView = nullptr;
    HWND dialog = nullptr;
    HANDLE ready = nullptr;
    int itemsMade = 0;
    int moves = 0;
    int movesBeforeArrangeOff = -1;
    std::vector<std::pair<int, POINT>> initialPositions;
};

StandIn standIn;

POINT PackedPoint(LPARAM packed) {
    return {static_cast<LONG>(packed & 0xFFFF), static_cast<LONG>((packed >> 16) & 0xFFFF)};
}

void MoveItem(int index, POINT point) { SendMessageW(standIn.listView, LVM_SETITEMPOSITION32, index, reinterpret_cast<LPARAM>(&point)); }

// "caption@x,y" → caption and the point, if any.
std::wstring SplitCaption(const std::wstring& text, POINT* point, bool* hasPoint) {
    size_t at = text.rfind(L'@');
    *hasPoint = false;
    if (at == std::wstring::npos) return text;
    std::wstring place = text.substr(at + 1);
    size_t comma = place.find(L',');
    if (comma == std::wstring::npos) return text;
    *point = {std::stoi(place.substr(0, comma)), std::stoi(place.substr(comma + 1))};
    *hasPoint = true;
    return text.substr(0, at);
}

int AddItem(const std::wstring& caption) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(SendMessageW(standIn.listView, LVM_GETITEMCOUNT, 0, 0));
    item.iImage = 10 * ++standIn.itemsMade;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    return static_cast<int>(SendMessageW(standIn.listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

LRESULT CopyDataCommand(const COPYDATASTRUCT& data) {
    std::wstring text(static_cast<const wchar_t*>(data.lpData), data.cbData / sizeof(wchar_t));
    if (!text.empty() && text.back() == L'\0') text.pop_back();
    if (data.dwData == standin::kAddItem) {
        POINT point;
        bool hasPoint = false;
        std::wstring caption = SplitCaption(text, &point, &hasPoint);
        int index = AddItem(caption);
        if (hasPoint && index >= 0) MoveItem(index, point);
        return index;
    }
    if (data.dwData == standin::kRenameItem) {
        size_t bar = text.find(L'|');
        if (bar == std::wstring::npos) return 0;
        int index = std::stoi(text.substr(0, bar));
        std::wstring caption = text.substr(bar + 1);
        LVITEMW item = {};
        item.pszText = caption.data();
        return SendMessageW(standIn.listView, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
    }
    return 0;
}

// A small dialog box of the desktop, like a rename or confirmation box.
HWND OpenDialog() {
    struct {
        DLGTEMPLATE head;
        WORD menu, windowClass, title;
    } dialogTemplate = {};
    dialogTemplate.head.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
    dialogTemplate.head.cx = 120;
    dialogTemplate.head.cy = 40;
    standIn.dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialogTemplate.head, standIn.progman,
                                                [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    return standIn.dialog;
}

LRESULT CALLBACK ProgmanProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COPYDATA:
        return CopyDataCommand(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case standin::kStartUp:
        // The first drawing puts the icons on the grid; place them after it.
        RedrawWindow(standIn.progman, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        for (const auto& [index, point] : standIn.initialPositions) MoveItem(index, point);
        standIn.moves = 0;
        SetEvent(standIn.ready);
        return 0;
    case standin::kDeleteItem:
        return SendMessageW(standIn.listView, LVM_DELETEITEM, wParam, 0);
    case standin::kItemPosition: {
        POINT point = {};
        if (!SendMessageW(standIn.listView, LVM_GETITEMPOSITION, wParam, reinterpret_cast<LPARAM>(&point))) return -1;
        return (point.x & 0xFFFF) | ((point.y & 0xFFFF) << 16);
    }
    case standin::kOpenDialog:
        return reinterpret_cast<LRESULT>(OpenDialog());
    case standin::kCloseDialog:
        if (standIn.dialog) DestroyWindow(standIn.dialog);
        standIn.dialog = nullptr;
        return 0;
    case standin::kMovesBeforeArrangeOff:
        return standIn.movesBeforeArrangeOff;
    case standin::kMoveItem:
        MoveItem(static_cast<int>(wParam), PackedPoint(lParam));
        return 0;
    case standin::kRepaint:
        RedrawWindow(standIn.listView, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.hwndFrom == standIn.listView && header.code == static_cast<UINT>(NM_CUSTOMDRAW)) {
            const auto& draw = *reinterpret_cast<const NMLVCUSTOMDRAW*>(lParam);
            // Like Explorer, ask for a notification per drawn item.
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            return CDRF_DODEFAULT;
        }
    } else if (message == WM_COMMAND && wParam == kAutoArrangeOff) {
        // The shell's "Auto Arrange" command, as it switches the arrangement off.
        if (standIn.movesBeforeArrangeOff < 0) standIn.movesBeforeArrangeOff = standIn.moves;
        LONG_PTR style = GetWindowLongPtrW(standIn.listView, GWL_STYLE);
        SetWindowLongPtrW(standIn.listView, GWL_STYLE, style & ~static_cast<LONG_PTR>(LVS_AUTOARRANGE));
        return 0;
    } else if (message == WM_SIZE && standIn.listView) {
        MoveWindow(standIn.listView, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Counts the moves made through the list view, to tell when auto-arrange went off.
LRESULT CALLBACK CountMoves(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == LVM_SETITEMPOSITION32 || message == LVM_SETITEMPOSITION) ++standIn.moves;
    return DefSubclassProc(window, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC procedure, HINSTANCE instance) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = name;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_DESKTOP + 1);
    RegisterClassW(&windowClass);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) return 2;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    Register(L"Progman", ProgmanProc, instance);
    Register(L"SHELLDLL_DefView", ViewProc, instance);
    Register(L"Internet Explorer_Server", DefWindowProcW, instance);

    bool autoArrange = false;
    bool activeDesktop = false;
    std::vector<std::wstring> items;
    for (int i = 2; i < argc; ++i) {
        std::wstring argument = argv[i];
        if (argument == L"autoarrange") autoArrange = true;
        else if (argument == L"activedesktop") activeDesktop = true;
        else if (argument.rfind(L"item:", 0) == 0) items.push_back(argument.substr(5));
    }
    standIn.ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
    LocalFree(argv);

    standIn.progman = CreateWindowExW(WS_EX_TOOLWINDOW, L"Progman", L"Program Manager", WS_POPUP | WS_VISIBLE, 0, 0,
                                      900, 700, nullptr, nullptr, instance, nullptr);
    standIn.view = CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE, 0, 0, 900, 700, standIn.progman,
                                   nullptr, instance, nullptr);
    DWORD listStyle = WS_CHILD | WS_VISIBLE | LVS_ICON | (autoArrange ? LVS_AUTOARRANGE : 0);
    standIn.listView = CreateWindowExW(0, WC_LISTVIEWW, L"FolderView", listStyle, 0, 0, 900, 700, standIn.view,
                                       nullptr, instance, nullptr);
    SetWindowSubclass(standIn.listView, CountMoves, 1, 0);
    if (activeDesktop)
        CreateWindowExW(0, L"Internet Explorer_Server", L"", WS_CHILD, 0, 0, 10, 10, standIn.view, nullptr, instance,
                        nullptr);

    for (const std::wstring& text : items) {
        POINT point;
        bool hasPoint = false;
        int index = AddItem(SplitCaption(text, &point, &hasPoint));
        if (hasPoint && index >= 0) standIn.initialPositions.emplace_back(index, point);
    }
    PostMessageW(standIn.progman, standin::kStartUp, 0, 0);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (standIn.dialog && IsDialogMessageW(standIn.dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (standIn.ready) CloseHandle(standIn.ready);
    return 0;
}
