#pragma once
// The program's user texts by number in the current language, and the current language
// itself (one per process).
#include <string>
#include <vector>

namespace Language {
constexpr long GermanAustria = 3079;
constexpr long EnglishUs = 1033;
constexpr long Fallback = 1031;  // current when a stored or chosen id is not supported
}  // namespace Language

// Binds the string source to the program's own string resources, once per process.
void InitLanguageRuntime();
// The text of string number in the current language.
std::wstring LangString(int number);
std::wstring LanguageName(long id);
std::vector<long> SupportedLanguages();
// Makes id current when it is supported, else the fallback 1031.
void SetLanguage(long id);
long CurrentLanguage();
