#pragma once
// How tests drive the Explorer stand-in (explorer_standin.exe): messages sent to its
// "Progman" window.
#include <windows.h>

namespace standin {

// WM_COPYDATA commands; lpData is UTF-16 text with its closing NUL.
inline constexpr ULONG_PTR kAddItem = 1;     // "caption" or "caption@x,y"; result: the new index
inline constexpr ULONG_PTR kRenameItem = 2;  // "index|caption"; result: non-zero on success

inline constexpr UINT kDeleteItem = WM_APP + 1;           // wParam index; result: non-zero on success
inline constexpr UINT kItemPosition = WM_APP + 2;         // wParam index; result: x + 65536·y (16 bits each)
inline constexpr UINT kOpenDialog = WM_APP + 3;           // result: the dialog's window
inline constexpr UINT kCloseDialog = WM_APP + 4;
inline constexpr UINT kMovesBeforeArrangeOff = WM_APP + 5;  // -1 while auto-arrange was never switched off
inline constexpr UINT kMoveItem = WM_APP + 6;             // wParam index, lParam x + 65536·y
inline constexpr UINT kRepaint = WM_APP + 7;              // draws the icons at once
inline constexpr UINT kStartUp = WM_APP + 10;             // the stand-in's own: positions once the loop runs

}  // namespace standin
