#pragma once
// Reading and placing the icons of the desktop list view, a window of another process:
// every message that carries a pointer carries one into a buffer in that process.
#include "IconMirror.h"
#include "SharedBuffer.h"

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The item record as the list view reads it: LVITEMA up to and including lParam
// (36 bytes in a 32-bit build).
inline constexpr size_t kItemRecordSize = offsetof(LVITEMA, iIndent);
#if !defined(_WIN64)
static_assert(kItemRecordSize == 36);
#endif
inline constexpr size_t kItemTextBufferSize = 1024;
inline constexpr int kItemTextChars = 260;
inline constexpr size_t kPointBufferSize = 8;

// The item buffer and the text buffer of item reads, both in the list view's process.
struct IconItemBuffers {
    SharedBuffer item;
    SharedBuffer text;
    bool Valid() const { return item.Valid() && text.Valid(); }
};
// Invalid buffers (nothing kept) when either allocation fails.
IconItemBuffers AllocIconItemBuffers(HWND listView);

// Caption (from ANSI) of item index of the desktop list view; empty when the list view
// does not answer. image receives the item's image index.
std::wstring ReadIconItem(int index, const IconItemBuffers& buffers, int* image = nullptr);

// The icon index an entry stands for: the number after "i" in its key.
std::optional<int> IconIndexOfKey(const std::wstring& key);
std::wstring KeyOfIconIndex(int index);

// Full read: refills the mirror from the desktop list view (no change while it has no icons).
void ReadAllIconsInto(IconMirror& mirror);

// Refreshes CurrentXY of one entry (found by its key "i" + index) or of all entries
// (index empty); copyToRestore copies it to RestoreXY. pointBuffer: a buffer of at least
// 8 bytes in the list view's process to use, else one is allocated here.
void UpdateIconPositions(IconMirror& mirror, std::optional<int> index, bool copyToRestore,
                         const SharedBuffer* pointBuffer = nullptr);

// Moves every icon to the RestoreXY (useRestore) or CurrentXY of its entry; an entry
// without a position of two whole numbers is left where it is. Auto-arrange is switched
// off first.
void ApplyIconPositions(const IconMirror& mirror, bool useRestore);

// "x;y" of whole numbers; empty when text is not of that form.
std::optional<POINT> ParseIconPosition(const std::wstring& text);
std::wstring IconPositionText(POINT point);
// A whole 32-bit number in decimal (blanks around it allowed); empty for anything else.
std::optional<int32_t> WholeNumberOf(const std::wstring& text);
