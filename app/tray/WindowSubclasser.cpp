#include "WindowSubclasser.h"

#include "MessageBoxSeam.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <new>

namespace {

constexpr wchar_t kTableOverflow[] =
    L"Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
    L"ALL_MESSAGES instead of specific message values";

std::wstring HexText(UINT value) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%X", value);
    return text;
}

void RunCallbackIfWatched(SubclassBlock& block, const MessageTable& table, bool bBefore,
                          bool& bHandled, LRESULT& lReturn, HWND hWnd, UINT uMsg,
                          WPARAM wParam, LPARAM lParam) {
    if (!table.Matches(uMsg) || block.callback == nullptr) return;
    block.callback->zHubProc(bBefore, bHandled, lReturn, hWnd, uMsg, wParam, lParam,
                             block.userValue);
}

}  // namespace

bool MessageTable::Matches(UINT uMsg) const {
    if (count == 0) return false;
    if (count < 0) return true;
    // 0 marks a free slot, never a watched message.
    if (uMsg == 0) return false;
    return std::find(slots.begin(), slots.begin() + count, uMsg) != slots.begin() + count;
}

// The window procedure of every subclassed window, installed once per block.
LRESULT CALLBACK SubclassStub(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR refData) {
    // Keeps the block alive for this whole message, even when the callback or a nested
    // message releases it.
    std::shared_ptr<SubclassBlock> block =
        reinterpret_cast<SubclassBlock*>(refData)->shared_from_this();
    LRESULT lReturn = 0;
    bool bHandled = false;

    RunCallbackIfWatched(*block, block->before, true, bHandled, lReturn, hWnd, uMsg, wParam,
                         lParam);
    if (!bHandled) {
        ++block->callDepth;
        lReturn = DefSubclassProc(hWnd, uMsg, wParam, lParam);
        --block->callDepth;
        // An unsubclassed window gives up its stub once no message of it is being
        // processed further up the call stack.
        if (block->callDepth == 0 && block->shutdown) {
            if (block->owner) block->owner->ReleaseBlock(block.get());
            return lReturn;
        }
    }
    RunCallbackIfWatched(*block, block->after, false, bHandled, lReturn, hWnd, uMsg, wParam,
                         lParam);

    // The window is gone: its handle may be reused by a new window, which must not find
    // the old block.
    if (uMsg == WM_NCDESTROY && block->callDepth == 0 && block->owner)
        block->owner->ReleaseBlock(block.get());
    return lReturn;
}

WindowSubclasser::WindowSubclasser(std::wstring ownerTypeName, ErrorEventLog& log)
    : ownerTypeName_(std::move(ownerTypeName)), log_(log) {}

WindowSubclasser::~WindowSubclasser() {
    for (const std::shared_ptr<SubclassBlock>& block : live_) {
        RemoveWindowSubclass(block->hWnd, SubclassStub, block->SubclassId());
        block->released = true;
        block->owner = nullptr;
        block->callback = nullptr;
    }
}

bool WindowSubclasser::sc_Subclass(HWND hWnd, LONG_PTR userValue, SubclassCallback* callback) {
    const std::wstring routine = L"sc_Subclass";
    if (!IsWindow(hWnd)) {
        zReport(routine, L"Invalid window handle");
        return false;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    if (processId != GetCurrentProcessId()) {
        zReport(routine, L"Window handle belongs to another process");
        return false;
    }
    if (callback == nullptr) {
        zReport(routine, L"Callback method not found");
        return false;
    }
    if (!collection_) collection_.emplace();

    std::shared_ptr<SubclassBlock> block;
    try {
        block = std::make_shared<SubclassBlock>();
    } catch (const std::bad_alloc&) {
        zReport(routine, L"VirtualAlloc failed, error: " + std::to_wstring(ERROR_NOT_ENOUGH_MEMORY));
        return false;
    }
    if (FindEntry(hWnd) != collection_->end()) {
        zReport(routine, L"Window handle is already subclassed");
        return false;
    }
    block->hWnd = hWnd;
    block->owner = this;
    block->callback = callback;
    block->userValue = userValue;
    collection_->emplace_back(hWnd, block);
    live_.push_back(block);

    if (!SetWindowSubclass(hWnd, SubclassStub, block->SubclassId(),
                           reinterpret_cast<DWORD_PTR>(block.get()))) {
        DWORD error = GetLastError();
        collection_->pop_back();
        live_.pop_back();
        zReport(routine, L"SetWindowLong failed, error #" + std::to_wstring(error));
        return false;
    }
    return true;
}

void WindowSubclasser::sc_UnSubclass(HWND hWnd) {
    if (!collection_) {
        zReport(L"sc_UnSubclass", L"Window handle isn't subclassed");
        return;
    }
    if (SubclassBlock* block = zMap_hWnd(hWnd)) {
        // The stub stays until the window's next message has been passed on.
        block->shutdown = true;
        zDelMsg(ALL_MESSAGES, block->before);
        zDelMsg(ALL_MESSAGES, block->after);
    }
    auto entry = FindEntry(hWnd);
    if (entry != collection_->end()) collection_->erase(entry);
}

void WindowSubclasser::sc_UnSubclassAll() {
    if (!collection_) return;
    std::vector<Entry> newestFirst(collection_->rbegin(), collection_->rend());
    for (const Entry& entry : newestFirst) sc_UnSubclass(entry.second->hWnd);
    collection_.reset();
}

void WindowSubclasser::sc_WatchMsg(HWND hWnd, UINT uMsg, int when) {
    SubclassBlock* block = zMap_hWnd(hWnd);
    if (!block) return;
    if (when & WHEN_BEFORE) zAddMsg(uMsg, block->before);
    if (when & WHEN_AFTER) zAddMsg(uMsg, block->after);
}

void WindowSubclasser::sc_UnwatchMsg(HWND hWnd, UINT uMsg, int when) {
    SubclassBlock* block = zMap_hWnd(hWnd);
    if (!block) return;
    if (when & WHEN_BEFORE) zDelMsg(uMsg, block->before);
    if (when & WHEN_AFTER) zDelMsg(uMsg, block->after);
}

LRESULT WindowSubclasser::sc_CallPrevProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (!zMap_hWnd(hWnd)) return 0;
    return DefSubclassProc(hWnd, uMsg, wParam, lParam);
}

LONG_PTR WindowSubclasser::sc_UserParam(HWND hWnd) {
    SubclassBlock* block = zMap_hWnd(hWnd);
    return block ? block->userValue : 0;
}

void WindowSubclasser::sc_UserParam(HWND hWnd, LONG_PTR value) {
    if (SubclassBlock* block = zMap_hWnd(hWnd)) block->userValue = value;
}

void WindowSubclasser::zAddMsg(UINT uMsg, MessageTable& table) {
    if (uMsg == ALL_MESSAGES) {
        table.count = ALL_MESSAGES_COUNT;
        return;
    }
    // A table of every message that receives a specific one becomes a table of that one.
    if (table.count < 0) table = MessageTable{};
    auto used = table.slots.begin() + table.count;
    // A message already watched keeps its one slot, even where freed slots come first.
    if (std::find(table.slots.begin(), used, uMsg) != used) return;
    auto freeSlot = std::find(table.slots.begin(), used, 0u);
    if (freeSlot != used) {
        *freeSlot = uMsg;
        return;
    }
    if (table.count >= MSG_ENTRIES) {
        zReport(L"zAddMsg", kTableOverflow);
        return;
    }
    table.slots[table.count++] = uMsg;
}

void WindowSubclasser::zDelMsg(UINT uMsg, MessageTable& table) {
    if (uMsg == ALL_MESSAGES) {
        table.count = 0;
        return;
    }
    if (table.count > 0) {
        auto used = table.slots.begin() + table.count;
        auto slot = std::find(table.slots.begin(), used, uMsg);
        if (slot != used) {
            *slot = 0;
            return;
        }
    }
    zReport(L"zDelMsg", L"Message &H" + HexText(uMsg) + L" not found in table");
}

SubclassBlock* WindowSubclasser::zMap_hWnd(HWND hWnd) {
    if (!collection_) {
        zReport(L"zMap_hWnd", L"Subclassing hasn't been started");
        return nullptr;
    }
    auto entry = FindEntry(hWnd);
    if (entry == collection_->end()) {
        zReport(L"zMap_hWnd", L"Window handle isn't subclassed");
        return nullptr;
    }
    return entry->second.get();
}

bool WindowSubclasser::IsSubclassed(HWND hWnd) const {
    return collection_ && std::any_of(collection_->begin(), collection_->end(),
                                      [hWnd](const Entry& entry) { return entry.first == hWnd; });
}

void WindowSubclasser::zReport(const std::wstring& routine, const std::wstring& message) {
    log_.WriteError(ownerTypeName_ + L"." + routine + L": " + message);
    ShowMessageBox(message + L".", L"Error in " + ownerTypeName_ + L"." + routine,
                   MB_OK | MB_ICONEXCLAMATION);
}

std::vector<WindowSubclasser::Entry>::iterator WindowSubclasser::FindEntry(HWND hWnd) {
    return std::find_if(collection_->begin(), collection_->end(),
                        [hWnd](const Entry& entry) { return entry.first == hWnd; });
}

void WindowSubclasser::ReleaseBlock(SubclassBlock* block) {
    if (block->released) return;
    block->released = true;
    RemoveWindowSubclass(block->hWnd, SubclassStub, block->SubclassId());
    if (collection_) {
        auto entry = std::find_if(collection_->begin(), collection_->end(),
                                  [block](const Entry& e) { return e.second.get() == block; });
        if (entry != collection_->end()) collection_->erase(entry);
    }
    auto live = std::find_if(live_.begin(), live_.end(),
                             [block](const auto& b) { return b.get() == block; });
    if (live != live_.end()) live_.erase(live);
}
