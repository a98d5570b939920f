#include "NumberText.h"

#include "AppError.h"
#include "RegData.h"

int32_t LongOfText(const std::wstring& text) { return RegDataToLong(RegData(text)); }

int16_t IntegerOfText(const std::wstring& text) {
    int32_t number = LongOfText(text);
    if (number < -32768 || number > 32767) throw RuntimeFailure(RuntimeError::Overflow);
    return static_cast<int16_t>(number);
}
