#include "Variant.h"

long Variant::AsLong() const {
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_I4))) return 0;
    return converted.lVal;
}

std::wstring Variant::AsText() const {
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_BSTR))) return {};
    std::wstring text(converted.bstrVal ? converted.bstrVal : L"", SysStringLen(converted.bstrVal));
    VariantClear(&converted);
    return text;
}
