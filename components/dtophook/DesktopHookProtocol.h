#pragma once
// What the desktop icon hook library and the program share: the two exports, the report
// codes, the commands, and the layout of the two 1024-byte shared memory blocks. Every
// field that crosses processes has a fixed size (window handles travel as 64-bit numbers),
// so the layout is the same in 32-bit and 64-bit builds.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace dtophook {

inline constexpr wchar_t kLibraryFileName[] = L"dtophook.dll";

// HookDesktop(main window, state block name, notification block name, message):
// both name buffers hold kBlockNameChars characters including the closing NUL.
using HookDesktopFunction = BOOL(WINAPI*)(HWND mainWindow, char* stateBlockName, char* notificationBlockName,
                                          UINT32* reportMessage);
using UnhookDesktopFunction = BOOL(WINAPI*)();

inline constexpr DWORD kBlockSize = 1024;
inline constexpr int kBlockNameChars = 64;

// The registered window message the hook reports with (wParam = code, lParam = item index)
// and takes commands on.
inline constexpr char kReportMessageName[] = "Hexaplane.DesktopIconHook.Report.4F1D2C7A";

// Report codes: the list view notifications they stand for.
inline constexpr int32_t kReportCustomDraw = -12;   // NM_CUSTOMDRAW, an item is drawn
inline constexpr int32_t kReportInsert = -102;      // LVN_INSERTITEM
inline constexpr int32_t kReportDelete = -103;      // LVN_DELETEITEM
inline constexpr int32_t kReportCaption = -150;     // LVN_GETDISPINFOA: the item's caption is new

// Commands: SendMessage(desktop view, report message, kCommand, command).
inline constexpr WPARAM kCommand = 78;
inline constexpr LPARAM kCommandAttach = 1;        // open the blocks in the desktop's process
inline constexpr LPARAM kCommandStopReports = 16;  // no further reports; sent before unhooking

// An item record with 32-bit fields in the order of LVITEMA up to lParam. Only iImage is
// read by the program; the text address is not meaningful outside the desktop's process
// and is written as 0.
struct ItemRecord32 {
    int32_t mask;
    int32_t iItem;
    int32_t iSubItem;
    uint32_t state;
    uint32_t stateMask;
    uint32_t pszText;
    int32_t cchTextMax;
    int32_t iImage;
    int32_t lParam;
};
static_assert(sizeof(ItemRecord32) == 36);

inline constexpr int kCaptionChars = 260;

// Written by the hook just before each report; valid while the report is handled.
struct NotificationBlock {
    int32_t code;                       // bytes 0..3: the report code
    int32_t index;                      // bytes 4..7: the item index
    ItemRecord32 item;                  // bytes 8..43
    char reserved[56];                  // bytes 44..99
    char caption[kCaptionChars + 1];    // bytes 100..360: ANSI, NUL-terminated
    char unused[kBlockSize - 361];
};
static_assert(offsetof(NotificationBlock, item) == 8);
static_assert(offsetof(NotificationBlock, item) + offsetof(ItemRecord32, iImage) == 36);
static_assert(offsetof(NotificationBlock, caption) == 100);
static_assert(sizeof(NotificationBlock) == kBlockSize);

// The hook's own state, written by HookDesktop and read inside the desktop's process.
struct StateBlock {
    uint32_t reporting;    // 1 while reports go out
    uint32_t message;      // the report message
    uint64_t mainWindow;   // receives the reports
    uint64_t listView;     // the desktop list view whose changes are reported
    uint64_t desktopView;  // its parent, which takes the commands
    char unused[kBlockSize - 32];
};
static_assert(sizeof(StateBlock) == kBlockSize);

inline constexpr char kStateBlockPrefix[] = "Hexaplane.DesktopIconHook.State.";
inline constexpr char kNotificationBlockPrefix[] = "Hexaplane.DesktopIconHook.Notify.";

}  // namespace dtophook
