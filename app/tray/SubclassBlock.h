#pragma once
// The state kept for one subclassed window: its message tables, its callback, its user
// value and the call depth that delays the release of a window unsubclassed from inside
// its own message handling.
#include "SubclassCallback.h"

#include <windows.h>
#include <array>
#include <memory>

inline constexpr int MSG_ENTRIES = 32;
// As a message: watch every message. As a table count: the table matches every message.
inline constexpr UINT ALL_MESSAGES = static_cast<UINT>(-1);
inline constexpr int ALL_MESSAGES_COUNT = -1;

// When a watched message reaches the callback (bit flags).
inline constexpr int WHEN_BEFORE = 1;
inline constexpr int WHEN_AFTER = 2;

// count = slots in use (ALL_MESSAGES_COUNT: every message); a slot holding 0 is free.
struct MessageTable {
    int count = 0;
    std::array<UINT, MSG_ENTRIES> slots{};

    bool Matches(UINT uMsg) const;
};

class WindowSubclasser;

struct SubclassBlock : std::enable_shared_from_this<SubclassBlock> {
    int callDepth = 0;
    bool shutdown = false;
    bool released = false;
    HWND hWnd = nullptr;
    WindowSubclasser* owner = nullptr;
    SubclassCallback* callback = nullptr;
    MessageTable before;
    MessageTable after;
    LONG_PTR userValue = 0;

    // The id this block's stub is installed under.
    UINT_PTR SubclassId() const { return reinterpret_cast<UINT_PTR>(this); }
};
