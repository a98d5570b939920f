#pragma once
// The menu style dialog: two radio buttons (classic, flat) with OK and Cancel.
#include "MenuExtended.h"

// Shows the dialog modally over owner, starting at style; on OK style holds the choice and
// the result is true.
bool ShowMenuStyleDialog(HWND owner, MenuStyle& style);

// Control ids of the dialog, for tests that drive it.
enum MenuStyleDialogIds { IDC_MENUSTYLE_CLASSIC = 101, IDC_MENUSTYLE_FLAT = 102 };
