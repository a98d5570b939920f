#include "IconLayouts.h"

#include "DesktopIconItems.h"
#include "IconIdentity.h"
#include "IconLayoutIni.h"

#include <vector>

namespace {

constexpr wchar_t kSettings[] = L"Settings";
constexpr wchar_t kPositions[] = L"Positions";

std::wstring IconKey(size_t k) { return L"Icon" + std::to_wstring(k); }
std::wstring CaptionKey(size_t k) { return L"IconCaption" + std::to_wstring(k); }

// The leading whole number of a kept field, 0 when it has none (an empty field).
int32_t NumericValue(const std::wstring& text) { return WholeNumberOf(text).value_or(0); }

std::vector<std::wstring> SplitRecord(const std::wstring& record) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        size_t separator = record.find(L';', start);
        parts.push_back(record.substr(start, separator - start));
        if (separator == std::wstring::npos) break;
        start = separator + 1;
    }
    return parts;
}

// A kept number as it stands in the record; "0" for a missing field or one that is no
// number, so a matched entry always has a Mode.
std::wstring KeptNumber(const std::vector<std::wstring>& parts, size_t index) {
    if (index >= parts.size() || !WholeNumberOf(parts[index])) return L"0";
    return parts[index];
}

// The first entry with this text that no earlier record took.
std::optional<size_t> FindUnmatched(const IconMirror& mirror, const std::wstring& text) {
    std::optional<size_t> found = mirror.FindText(text);
    while (found && !mirror.At(*found).mode.empty()) found = mirror.FindText(text, *found + 1);
    return found;
}

}  // namespace

int CaptionState(const IconEntry& entry) {
    if (entry.text == entry.tag) return 0;
    if (entry.tag.empty()) return -1;
    return static_cast<int>(entry.tag.size());
}

void SaveIconLayout(IconMirror& mirror, int16_t desktop) {
    if (mirror.Empty()) return;
    const std::wstring file = IconLayoutFile(desktop);
    ReadWriteINI(file, L"WRITE", kSettings, {}, {}, true);
    ReadWriteINI(file, L"WRITE", kPositions, {}, {}, true);
    UpdateIconPositions(mirror, std::nullopt, true);
    for (size_t k = 1; k <= mirror.Count(); ++k) {
        const IconEntry& entry = mirror.At(k - 1);
        ReadWriteINI(file, L"WRITE", kPositions, IconKey(k), entry.currentXY);
        std::wstring record = IconIdentity(entry.text) + L";" + std::to_wstring(NumericValue(entry.mode)) + L";" +
                              std::to_wstring(NumericValue(entry.fColor)) + L";" +
                              std::to_wstring(NumericValue(entry.bColor)) + L";" +
                              std::to_wstring(CaptionState(entry));
        if (ReadWriteINI(file, L"WRITE", kSettings, IconKey(k), record).empty()) break;
        ReadWriteINI(file, L"WRITE", kSettings, CaptionKey(k), entry.tag);
    }
}

void RestoreIconLayout(IconMirror& mirror, int16_t desktop) {
    if (mirror.Empty()) return;
    const std::wstring file = IconLayoutFile(desktop);
    size_t k = 1;
    std::wstring record = ReadWriteINI(file, L"GET", kSettings, IconKey(k), {});
    while (!record.empty()) {
        std::vector<std::wstring> parts = SplitRecord(record);
        if (std::optional<size_t> found = FindUnmatched(mirror, parts[0])) {
            int32_t captionState = parts.size() > 4 ? WholeNumberOf(parts[4]).value_or(0) : 0;
            std::wstring tag = mirror.At(*found).tag;
            if (captionState > 0)
                tag = ReadWriteINI(file, L"GET", kSettings, CaptionKey(k), tag);
            else if (captionState == -1)
                tag.clear();
            std::wstring restore = ReadWriteINI(file, L"GET", kPositions, IconKey(k), {});
            mirror.Modify(*found, [&](IconEntry& entry) {
                entry.text = entry.tag;
                entry.mode = KeptNumber(parts, 1);
                entry.fColor = KeptNumber(parts, 2);
                entry.bColor = KeptNumber(parts, 3);
                entry.tag = tag;
                entry.restoreXY = restore;
            });
        }
        ++k;
        record = ReadWriteINI(file, L"GET", kSettings, IconKey(k), {});
    }
    for (size_t position = 0; position < mirror.Count(); ++position)
        if (mirror.At(position).mode.empty()) mirror.Modify(position, [](IconEntry& entry) { entry.text = entry.tag; });
    ApplyIconPositions(mirror, true);
}
