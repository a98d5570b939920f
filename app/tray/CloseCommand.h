#pragma once
// Takes the Close command out of a window's system menu: the item is grayed and gets the
// identifier 1964, so choosing it sends nothing the window would act on.
#include <windows.h>

inline constexpr UINT kDisabledCloseId = 1964;

// False when the window has no Close item.
bool DisableCloseCommand(HWND window);
