#include "ReportingHook.h"

#include "HookBlocks.h"

#include <commctrl.h>
#include <cstring>

namespace dtophook {

namespace {

// The blocks as seen from the desktop's process; opened by the attach command.
HookBlocks& ReportingBlocks() {
    static HookBlocks blocks;
    return blocks;
}

// True while a report is being filled: the item reads it makes (for example of an item with
// callback text) notify again, and those notifications are not reported.
bool fillingReport = false;

HWND AsWindow(uint64_t value) { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(value)); }

void CopyCaption(NotificationBlock& block, const char* text) {
    std::strncpy(block.caption, text ? text : "", kCaptionChars);
    block.caption[kCaptionChars] = '\0';
}

void CopyCaption(NotificationBlock& block, const wchar_t* text) {
    block.caption[0] = '\0';
    if (!text) return;
    int written = WideCharToMultiByte(CP_ACP, 0, text, -1, block.caption, kCaptionChars + 1, nullptr, nullptr);
    if (written == 0) block.caption[kCaptionChars] = '\0';
}

// Reads the item from the list view itself: image index and caption, ANSI.
void FillItem(NotificationBlock& block, HWND listView, int index) {
    char text[kCaptionChars + 1] = {};
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = kCaptionChars + 1;
    block.item = {};
    block.item.mask = static_cast<int32_t>(item.mask);
    block.item.iItem = index;
    block.item.cchTextMax = kCaptionChars;
    if (index >= 0 && SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        block.item.iImage = item.iImage;
        block.item.state = item.state;
        block.item.lParam = static_cast<int32_t>(item.lParam);
        CopyCaption(block, text);
    } else {
        CopyCaption(block, "");
    }
}

void SendReport(const StateBlock& state, int32_t code, int32_t index) {
    DWORD_PTR ignored = 0;
    // SMTO_BLOCK: while the main window handles this report, this thread takes no sent
    // message that could notify again and overwrite the block the report is read from.
    // A main window that hangs must not hang the desktop for long.
    SendMessageTimeoutA(AsWindow(state.mainWindow), state.message, static_cast<WPARAM>(static_cast<INT_PTR>(code)),
                        index, SMTO_ABORTIFHUNG | SMTO_BLOCK, 2000, &ignored);
}

template <typename Fill>
void Report(int32_t code, int32_t index, Fill&& fill) {
    NotificationBlock report = {};
    fillingReport = true;
    report.code = code;
    report.index = index;
    fill(report);
    fillingReport = false;
    HookBlocks& blocks = ReportingBlocks();
    *blocks.Notification() = report;
    SendReport(*blocks.State(), code, index);
}

// A caption handed out for an item with callback text (ANSI or UTF-16).
template <typename DisplayInfo>
void ReportDisplayInfo(const DisplayInfo& info) {
    if (!(info.item.mask & LVIF_TEXT)) return;
    Report(kReportCaption, info.item.iItem, [&](NotificationBlock& block) {
        block.item.iItem = info.item.iItem;
        block.item.iImage = info.item.iImage;
        CopyCaption(block, info.item.pszText);
    });
}

void ReportNotification(const NMHDR& header, HWND listView) {
    switch (header.code) {
    case LVN_INSERTITEM:
    case LVN_DELETEITEM: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        int32_t code = header.code == static_cast<UINT>(LVN_INSERTITEM) ? kReportInsert : kReportDelete;
        Report(code, change.iItem, [&](NotificationBlock& block) { FillItem(block, listView, change.iItem); });
        break;
    }
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (change.uChanged & LVIF_TEXT)
            Report(kReportCaption, change.iItem, [&](NotificationBlock& block) { FillItem(block, listView, change.iItem); });
        break;
    }
    case LVN_GETDISPINFOA:
        ReportDisplayInfo(reinterpret_cast<const NMLVDISPINFOA&>(header));
        break;
    case LVN_GETDISPINFOW:
        ReportDisplayInfo(reinterpret_cast<const NMLVDISPINFOW&>(header));
        break;
    case NM_CUSTOMDRAW: {
        const auto& draw = reinterpret_cast<const NMLVCUSTOMDRAW&>(header);
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            auto index = static_cast<int32_t>(draw.nmcd.dwItemSpec);
            Report(kReportCustomDraw, index, [&](NotificationBlock& block) { FillItem(block, listView, index); });
        }
        break;
    }
    default:
        break;
    }
}

void RunCommand(LPARAM command) {
    HookBlocks& blocks = ReportingBlocks();
    if (command == kCommandAttach) {
        // Open afresh: the installer may have made new blocks since the last attach.
        blocks.Acquire(GetCurrentThreadId(), false);
    } else if (command == kCommandStopReports && blocks.Held()) {
        blocks.State()->reporting = 0;
    }
}

}  // namespace

UINT ReportMessage() {
    static const UINT message = RegisterWindowMessageA(kReportMessageName);
    return message;
}

LRESULT CALLBACK ReportingHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && !fillingReport) {
        const auto& call = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (call.message == ReportMessage() && call.wParam == kCommand) {
            RunCommand(call.lParam);
        } else if (call.message == WM_NOTIFY && call.lParam) {
            HookBlocks& blocks = ReportingBlocks();
            if (blocks.Held() && blocks.State()->reporting) {
                const auto& header = *reinterpret_cast<const NMHDR*>(call.lParam);
                HWND listView = AsWindow(blocks.State()->listView);
                if (header.hwndFrom == listView) ReportNotification(header, listView);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ReleaseReportingBlocks() { ReportingBlocks().Release(); }

}  // namespace dtophook
