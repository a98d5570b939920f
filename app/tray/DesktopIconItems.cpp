#include "DesktopIconItems.h"

#include "AnsiText.h"
#include "Background.h"
#include "IconIdentity.h"
#include "NumberText.h"
#include "AppError.h"

#include <cstdint>

namespace {

// The desktop view's commands that switch auto-arrange off.
constexpr WPARAM kAutoArrangeOffNT = 0x7051;
constexpr WPARAM kAutoArrangeOff9x = 0x7041;

HWND DesktopListView() { return TheDesktopViewWindows().desktopListView; }

int DesktopItemCount(HWND listView) {
    return listView ? static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

POINT ReadPosition(HWND listView, int index, const SharedBuffer& buffer) {
    POINT point = {0, 0};
    if (SendMessageA(listView, LVM_GETITEMPOSITION, index, buffer.AddressParam())) {
        int32_t xy[2] = {0, 0};
        if (buffer.Read(xy, sizeof xy)) point = {xy[0], xy[1]};
    }
    return point;
}

}  // namespace

IconItemBuffers AllocIconItemBuffers(HWND listView) {
    IconItemBuffers buffers;
    buffers.item = AllocShared(kItemRecordSize, {}, listView, false);
    if (buffers.item) buffers.text = AllocShared(kItemTextBufferSize, {}, listView, false);
    if (!buffers.Valid()) return IconItemBuffers();
    return buffers;
}

std::wstring ReadIconItem(int index, const IconItemBuffers& buffers, int* image) {
    if (image) *image = 0;
    HWND listView = DesktopListView();
    if (!listView || !buffers.Valid()) return {};
    LVITEMA record = {};
    record.mask = LVIF_TEXT | LVIF_IMAGE;
    record.iItem = index;
    record.pszText = static_cast<char*>(buffers.text.Address());
    record.cchTextMax = kItemTextChars;
    if (!buffers.item.Write(&record, kItemRecordSize)) return {};
    if (!SendMessageA(listView, LVM_GETITEMA, index, buffers.item.AddressParam())) return {};
    char text[kItemTextChars + 1] = {};
    if (!buffers.text.Read(text, kItemTextChars)) return {};
    if (buffers.item.Read(&record, kItemRecordSize) && image) *image = record.iImage;
    return FromAnsiBuffer(text, kItemTextChars);
}

std::optional<int> IconIndexOfKey(const std::wstring& key) {
    if (key.size() < 2 || key[0] != L'i') return std::nullopt;
    return WholeNumberOf(key.substr(1));
}

std::wstring KeyOfIconIndex(int index) { return L"i" + std::to_wstring(index); }

void ReadAllIconsInto(IconMirror& mirror) {
    HWND listView = DesktopListView();
    int count = DesktopItemCount(listView);
    if (count <= 0) return;
    IconItemBuffers buffers = AllocIconItemBuffers(listView);
    if (!buffers.Valid()) return;
    mirror.Clear();
    mirror.SetSorted(false);
    for (int index = 0; index < count; ++index) {
        int image = 0;
        std::wstring caption = ReadIconItem(index, buffers, &image);
        IconEntry entry;
        entry.key = KeyOfIconIndex(index);
        entry.text = IconIdentity(caption);
        entry.tag = caption;
        entry.tooltip = caption;
        entry.iconIndex = std::to_wstring(image);
        entry.realName = caption;
        mirror.Add(std::move(entry));
    }
    buffers = IconItemBuffers();
    UpdateIconPositions(mirror, std::nullopt, false);
}

void UpdateIconPositions(IconMirror& mirror, std::optional<int> index, bool copyToRestore,
                         const SharedBuffer* pointBuffer) {
    HWND listView = DesktopListView();
    SharedBuffer ownBuffer;
    if (!pointBuffer || pointBuffer->Size() < kPointBufferSize) {
        ownBuffer = AllocShared(kPointBufferSize, {}, listView, false);
        pointBuffer = &ownBuffer;
    }
    if (!pointBuffer->Valid()) return;
    auto update = [&](size_t position) {
        std::optional<int> icon = IconIndexOfKey(mirror.At(position).key);
        if (!icon) return;
        std::wstring current = IconPositionText(ReadPosition(listView, *icon, *pointBuffer));
        mirror.Modify(position, [&](IconEntry& entry) {
            entry.currentXY = current;
            if (copyToRestore) entry.restoreXY = current;
        });
    };
    if (index) {
        if (std::optional<size_t> position = mirror.FindKey(KeyOfIconIndex(*index))) update(*position);
    } else {
        for (size_t position = 0; position < mirror.Count(); ++position) update(position);
    }
}

void ApplyIconPositions(const IconMirror& mirror, bool useRestore) {
    const DesktopViewWindows& windows = TheDesktopViewWindows();
    SharedBuffer point = AllocShared(kPointBufferSize, "0", windows.desktopListView, false);
    if (!point) return;
    if (GetWindowLongPtrW(windows.desktopListView, GWL_STYLE) & LVS_AUTOARRANGE)
        SendMessageA(windows.desktopView, WM_COMMAND, IsWindowsNT() ? kAutoArrangeOffNT : kAutoArrangeOff9x, 0);
    for (const IconEntry& entry : mirror.Entries()) {
        std::optional<POINT> target = ParseIconPosition(useRestore ? entry.restoreXY : entry.currentXY);
        std::optional<int> icon = IconIndexOfKey(entry.key);
        if (!target || !icon) continue;
        int32_t xy[2] = {target->x, target->y};
        if (point.Write(xy, sizeof xy))
            SendMessageA(windows.desktopListView, LVM_SETITEMPOSITION32, *icon, point.AddressParam());
    }
}

std::optional<POINT> ParseIconPosition(const std::wstring& text) {
    size_t separator = text.find(L';');
    if (separator == std::wstring::npos) return std::nullopt;
    std::optional<int> x = WholeNumberOf(text.substr(0, separator));
    std::optional<int> y = WholeNumberOf(text.substr(separator + 1));
    if (!x || !y) return std::nullopt;
    return POINT{*x, *y};
}

std::optional<int32_t> WholeNumberOf(const std::wstring& text) {
    try {
        return LongOfText(text);
    } catch (const AppError&) {
        return std::nullopt;
    }
}

std::wstring IconPositionText(POINT point) { return std::to_wstring(point.x) + L";" + std::to_wstring(point.y); }
