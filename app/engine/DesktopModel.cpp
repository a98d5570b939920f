#include "DesktopModel.h"

#include "AppError.h"

namespace {

const std::vector<RecordedWindow>& NoWindows() {
    static const std::vector<RecordedWindow> none;
    return none;
}

void CheckSlotNumber(int slot) {
    if (slot < 0 || slot >= kWindowSlotLimit) throw RuntimeFailure(RuntimeError::SubscriptOutOfRange);
}

// Heap bytes of a text beyond the object itself (short texts live inside the object).
size_t TextHeapBytes(const std::wstring& text) {
    static const size_t inlineCapacity = std::wstring().capacity();
    return text.capacity() > inlineCapacity ? (text.capacity() + 1) * sizeof(wchar_t) : 0;
}

}  // namespace

void CheckDesktopNumber(int desktop) {
    if (desktop < 0 || desktop >= kDesktopLimit) throw RuntimeFailure(RuntimeError::SubscriptOutOfRange);
}

const std::vector<RecordedWindow>& DesktopModel::Recorded(int desktop) const {
    CheckDesktopNumber(desktop);
    return static_cast<size_t>(desktop) < rows_.size() ? rows_[desktop] : NoWindows();
}

HWND DesktopModel::hwndTable(int desktop, int slot) const {
    CheckSlotNumber(slot);
    const auto& row = Recorded(desktop);
    return static_cast<size_t>(slot) < row.size() ? row[slot].hwnd : nullptr;
}

const std::wstring& DesktopModel::captionTable(int desktop, int slot) const {
    static const std::wstring empty;
    CheckSlotNumber(slot);
    const auto& row = Recorded(desktop);
    return static_cast<size_t>(slot) < row.size() ? row[slot].caption : empty;
}

int32_t DesktopModel::windowCount(int desktop) const { return static_cast<int32_t>(Recorded(desktop).size()); }

void DesktopModel::RecordLeftDesktop(int desktop, std::vector<RecordedWindow> windows) {
    CheckDesktopNumber(desktop);
    if (windows.size() > static_cast<size_t>(kWindowSlotLimit))
        throw RuntimeFailure(RuntimeError::SubscriptOutOfRange);
    if (windows.empty() && static_cast<size_t>(desktop) >= rows_.size()) return;
    if (static_cast<size_t>(desktop) >= rows_.size()) rows_.resize(desktop + 1);
    windows.shrink_to_fit();
    rows_[desktop] = std::move(windows);
}

void DesktopModel::ForgetAllWindows() { std::vector<std::vector<RecordedWindow>>().swap(rows_); }

size_t DesktopModel::MemoryInUse() const {
    size_t bytes = sizeof(*this) + TextHeapBytes(installationKey) + TextHeapBytes(startWallpaper);
    bytes += rows_.capacity() * sizeof(std::vector<RecordedWindow>);
    for (const auto& row : rows_) {
        bytes += row.capacity() * sizeof(RecordedWindow);
        for (const auto& window : row) bytes += TextHeapBytes(window.caption);
    }
    return bytes;
}

DesktopModel& TheDesktopModel() {
    static DesktopModel model;
    return model;
}
