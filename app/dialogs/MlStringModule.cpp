#include "MlStringModule.h"

#include "LanguageRuntime.h"

#include <algorithm>
#include <windows.h>

namespace {

struct LanguageState {
    langruntime::StringSource strings;
    long current = 0;
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

}  // namespace

void InitLanguageRuntime() {
    if (State().strings.IsBound()) return;
    State().strings.Bind(GetModuleHandleW(nullptr));
}

std::wstring LangString(int number) {
    InitLanguageRuntime();
    return State().strings.Text(number, static_cast<LANGID>(State().current));
}

std::wstring LanguageName(long id) {
    switch (id) {
    case Language::EnglishUs: return L"Englisch (USA)";
    case Language::GermanAustria: return L"Deutsch (\x00D6sterreich)";
    default: return L"Invalid Language Index";
    }
}

std::vector<long> SupportedLanguages() { return {Language::GermanAustria, Language::EnglishUs}; }

void SetLanguage(long id) {
    const std::vector<long> supported = SupportedLanguages();
    bool known = std::find(supported.begin(), supported.end(), id) != supported.end();
    State().current = known ? id : Language::Fallback;
}

long CurrentLanguage() { return State().current; }
