#include "LanguageRuntime.h"

#include <algorithm>
#include <vector>

namespace langruntime {

namespace {

// The string resource block of number in exactly this language; empty when absent.
bool FindBlockText(HMODULE module, int number, LANGID language, std::wstring& text) {
    HRSRC info = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(number / 16 + 1), language);
    if (!info) return false;
    HGLOBAL loaded = LoadResource(module, info);
    auto entry = static_cast<const WCHAR*>(loaded ? LockResource(loaded) : nullptr);
    if (!entry) return false;
    const WCHAR* end = entry + SizeofResource(module, info) / sizeof(WCHAR);
    // A block holds 16 counted strings; skip to this number's entry.
    for (int i = 0; i < number % 16; ++i) {
        if (entry >= end) return false;
        entry += 1 + *entry;
    }
    if (entry >= end || entry + 1 + *entry > end) return false;
    text.assign(entry + 1, *entry);
    return true;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
    reinterpret_cast<std::vector<LANGID>*>(param)->push_back(language);
    return TRUE;
}

// The languages the module has a string block of number in.
std::vector<LANGID> BlockLanguages(HMODULE module, int number) {
    std::vector<LANGID> languages;
    EnumResourceLanguagesW(module, RT_STRING, MAKEINTRESOURCEW(number / 16 + 1), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

// Runtime support objects alive in the process, in creation order.
std::vector<RuntimeSupport*>& LiveObjects() {
    static std::vector<RuntimeSupport*> live;
    return live;
}

}  // namespace

std::wstring StringSource::Text(int number, LANGID language) const {
    if (!module_ || number < 0 || number > 0xFFFF) return std::wstring();
    std::wstring text;
    if (FindBlockText(module_, number, language, text)) return text;

    for (LANGID candidate : BlockLanguages(module_, number))
        if (PRIMARYLANGID(candidate) == PRIMARYLANGID(language) && FindBlockText(module_, number, candidate, text))
            return text;

    if (FindBlockText(module_, number, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text)) return text;
    return std::wstring();
}

RuntimeSupport::RuntimeSupport(ChangeHandler onLanguageChanged) : onLanguageChanged_(std::move(onLanguageChanged)) {
    LiveObjects().push_back(this);
}

RuntimeSupport::~RuntimeSupport() {
    auto& live = LiveObjects();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

void RuntimeSupport::Announce(long languageId, const std::wstring& language) {
    // A handler may create or release runtime support objects (a dialog closing on the
    // change): call only those that are still alive when their turn comes.
    const std::vector<RuntimeSupport*> snapshot = LiveObjects();
    for (RuntimeSupport* target : snapshot) {
        const auto& live = LiveObjects();
        if (std::find(live.begin(), live.end(), target) == live.end()) continue;
        if (target->onLanguageChanged_) target->onLanguageChanged_(languageId, language);
    }
}

size_t RuntimeSupport::LiveCount() { return LiveObjects().size(); }

}  // namespace langruntime
