#include "RegData.h"

#include "AppError.h"

#include <cwctype>

std::wstring RegDataToText(const RegData& value) {
    if (auto text = std::get_if<std::wstring>(&value)) return *text;
    if (auto number = std::get_if<int32_t>(&value)) return std::to_wstring(*number);
    if (std::holds_alternative<std::monostate>(value)) return std::wstring();
    throw RuntimeFailure(RuntimeError::TypeMismatch);
}

int32_t RegDataToLong(const RegData& value) {
    if (auto number = std::get_if<int32_t>(&value)) return *number;
    if (std::holds_alternative<std::monostate>(value)) return 0;
    auto text = std::get_if<std::wstring>(&value);
    if (!text) throw RuntimeFailure(RuntimeError::TypeMismatch);

    size_t begin = text->find_first_not_of(L" \t");
    size_t end = text->find_last_not_of(L" \t");
    if (begin == std::wstring::npos) throw RuntimeFailure(RuntimeError::TypeMismatch);
    std::wstring digits = text->substr(begin, end - begin + 1);

    int base = 10;
    bool negative = false;
    size_t pos = 0;
    if (digits.size() > 2 && digits[0] == L'&' && (digits[1] == L'H' || digits[1] == L'h')) {
        base = 16;
        pos = 2;
    } else if (digits[0] == L'-' || digits[0] == L'+') {
        negative = digits[0] == L'-';
        pos = 1;
    }
    if (pos == digits.size()) throw RuntimeFailure(RuntimeError::TypeMismatch);

    long long result = 0;
    for (; pos < digits.size(); ++pos) {
        wchar_t c = static_cast<wchar_t>(std::towupper(digits[pos]));
        int digit = (c >= L'0' && c <= L'9') ? c - L'0' : (c >= L'A' && c <= L'F') ? c - L'A' + 10 : 99;
        if (digit >= base) throw RuntimeFailure(RuntimeError::TypeMismatch);
        result = result * base + digit;
        if (result > 0xFFFFFFFFLL) throw RuntimeFailure(RuntimeError::Overflow);
    }
    // &H values are 32-bit patterns; decimal values must fit a signed 32-bit integer.
    if (base == 16) return static_cast<int32_t>(static_cast<uint32_t>(result));
    if (negative) result = -result;
    if (result < INT32_MIN || result > INT32_MAX) throw RuntimeFailure(RuntimeError::Overflow);
    return static_cast<int32_t>(result);
}
