#pragma once
// The hook procedure that runs on the desktop list view's thread, inside the desktop's
// process: it turns the list view's notifications into reports to the main window.
#include <windows.h>

namespace dtophook {

UINT ReportMessage();
LRESULT CALLBACK ReportingHookProc(int code, WPARAM wParam, LPARAM lParam);
// Closes the blocks this process opened for reporting (library detach).
void ReleaseReportingBlocks();

}  // namespace dtophook
