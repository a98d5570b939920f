#include "BooleanText.h"

#include "NumberText.h"

#include <cwctype>

namespace {

std::wstring TrimmedLower(const std::wstring& text) {
    size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    size_t last = text.find_last_not_of(L' ');
    std::wstring result = text.substr(first, last - first + 1);
    for (wchar_t& c : result) c = static_cast<wchar_t>(std::towlower(c));
    return result;
}

}  // namespace

bool BooleanOfText(const std::wstring& text) {
    const std::wstring word = TrimmedLower(text);
    if (word == L"true") return true;
    if (word == L"false") return false;
    return LongOfText(text) != 0;
}
