#include "CloseCommand.h"

bool DisableCloseCommand(HWND window) {
    HMENU systemMenu = GetSystemMenu(window, FALSE);
    if (!systemMenu) return false;
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE | MIIM_ID;
    if (!GetMenuItemInfoA(systemMenu, SC_CLOSE, FALSE, &item)) return false;
    item.fState = MFS_GRAYED | MFS_DISABLED;
    item.wID = kDisabledCloseId;
    return SetMenuItemInfoA(systemMenu, SC_CLOSE, FALSE, &item) != FALSE;
}
