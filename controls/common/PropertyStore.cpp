#include "PropertyStore.h"

#include "AppError.h"

#include <cstdint>
#include <vector>

namespace {

constexpr uint32_t kStreamFormat = 0x31505848;  // "HXP1"

// A VARIANT that clears itself.
struct ScopedVariant {
    VARIANT v;
    ScopedVariant() { VariantInit(&v); }
    ~ScopedVariant() { VariantClear(&v); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;
};

void Convert(VARIANT& value, VARTYPE type, const std::wstring& name) {
    if (type == VT_EMPTY || value.vt == type) return;
    if (FAILED(VariantChangeTypeEx(&value, &value, LOCALE_INVARIANT, 0, type)))
        throw RuntimeFailure(RuntimeError::TypeMismatch, name);
}

}  // namespace

long PropertyReader::ReadLong(const std::wstring& name, long defaultValue) {
    ScopedVariant value;
    if (!Read(name, VT_I4, value.v)) return defaultValue;
    return value.v.lVal;
}

bool PropertyReader::ReadBool(const std::wstring& name, bool defaultValue) {
    ScopedVariant value;
    if (!Read(name, VT_BOOL, value.v)) return defaultValue;
    return value.v.boolVal != VARIANT_FALSE;
}

std::wstring PropertyReader::ReadText(const std::wstring& name, const std::wstring& defaultValue) {
    ScopedVariant value;
    if (!Read(name, VT_BSTR, value.v)) return defaultValue;
    return value.v.bstrVal ? std::wstring(value.v.bstrVal, SysStringLen(value.v.bstrVal)) : std::wstring();
}

void PropertyWriter::WriteLong(const std::wstring& name, long value, long defaultValue) {
    if (value == defaultValue) return;
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    Write(name, v);
}

void PropertyWriter::WriteBool(const std::wstring& name, bool value, bool defaultValue) {
    if (value == defaultValue) return;
    VARIANT v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    Write(name, v);
}

void PropertyWriter::WriteText(const std::wstring& name, const std::wstring& value, const std::wstring& defaultValue) {
    if (value == defaultValue) return;
    ScopedVariant v;
    v.v.vt = VT_BSTR;
    v.v.bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    if (!v.v.bstrVal) throw RuntimeFailure(RuntimeError::OutOfMemory);
    Write(name, v.v);
}

bool BagPropertyReader::Read(const std::wstring& name, VARTYPE type, VARIANT& value) {
    VariantClear(&value);
    value.vt = type;
    HRESULT hr = bag_->Read(name.c_str(), &value, log_);
    if (FAILED(hr)) {
        VariantInit(&value);
        return false;  // not stored: the caller's default
    }
    Convert(value, type, name);
    return true;
}

void BagPropertyWriter::Write(const std::wstring& name, const VARIANT& value) {
    HRESULT hr = bag_->Write(name.c_str(), const_cast<VARIANT*>(&value));
    if (FAILED(hr)) throw AppError(hr, name, L"The property could not be stored");
}

StreamProperties::~StreamProperties() = default;

bool StreamProperties::Read(const std::wstring& name, VARTYPE type, VARIANT& value) {
    VariantClear(&value);
    auto found = values_.find(name);
    if (found == values_.end()) return false;
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocStringLen(found->second.text.data(), static_cast<UINT>(found->second.text.size()));
    if (!value.bstrVal) throw RuntimeFailure(RuntimeError::OutOfMemory);
    Convert(value, found->second.type, name);
    Convert(value, type, name);
    return true;
}

void StreamProperties::Write(const std::wstring& name, const VARIANT& value) {
    ScopedVariant text;
    if (FAILED(VariantChangeTypeEx(&text.v, const_cast<VARIANT*>(&value), LOCALE_INVARIANT, 0, VT_BSTR)))
        throw RuntimeFailure(RuntimeError::TypeMismatch, name);
    values_[name] = Stored{value.vt, std::wstring(text.v.bstrVal ? text.v.bstrVal : L"", SysStringLen(text.v.bstrVal))};
}

namespace {

HRESULT WriteBytes(IStream* stream, const void* data, ULONG size) {
    ULONG written = 0;
    HRESULT hr = stream->Write(data, size, &written);
    return FAILED(hr) ? hr : (written == size ? S_OK : STG_E_MEDIUMFULL);
}

HRESULT ReadBytes(IStream* stream, void* data, ULONG size) {
    ULONG read = 0;
    HRESULT hr = stream->Read(data, size, &read);
    return FAILED(hr) ? hr : (read == size ? S_OK : STG_E_READFAULT);
}

HRESULT WriteStreamText(IStream* stream, const std::wstring& text) {
    uint32_t length = static_cast<uint32_t>(text.size());
    HRESULT hr = WriteBytes(stream, &length, sizeof length);
    if (SUCCEEDED(hr) && length) hr = WriteBytes(stream, text.data(), length * sizeof(wchar_t));
    return hr;
}

HRESULT ReadStreamText(IStream* stream, std::wstring& text) {
    uint32_t length = 0;
    HRESULT hr = ReadBytes(stream, &length, sizeof length);
    if (FAILED(hr)) return hr;
    if (length > 1u << 20) return STG_E_INVALIDHEADER;  // a damaged stream, not a property
    text.assign(length, L'\0');
    return length ? ReadBytes(stream, text.data(), length * sizeof(wchar_t)) : S_OK;
}

}  // namespace

HRESULT StreamProperties::LoadFrom(IStream* stream) {
    uint32_t format = 0, count = 0;
    HRESULT hr = ReadBytes(stream, &format, sizeof format);
    if (SUCCEEDED(hr) && format != kStreamFormat) hr = STG_E_INVALIDHEADER;
    if (SUCCEEDED(hr)) hr = ReadBytes(stream, &count, sizeof count);
    std::map<std::wstring, Stored> loaded;
    for (uint32_t i = 0; SUCCEEDED(hr) && i < count; ++i) {
        std::wstring name;
        Stored stored{};
        hr = ReadStreamText(stream, name);
        if (SUCCEEDED(hr)) hr = ReadBytes(stream, &stored.type, sizeof stored.type);
        if (SUCCEEDED(hr)) hr = ReadStreamText(stream, stored.text);
        if (SUCCEEDED(hr)) loaded[name] = std::move(stored);
    }
    if (SUCCEEDED(hr)) values_ = std::move(loaded);
    return hr;
}

HRESULT StreamProperties::SaveTo(IStream* stream) const {
    uint32_t count = static_cast<uint32_t>(values_.size());
    HRESULT hr = WriteBytes(stream, &kStreamFormat, sizeof kStreamFormat);
    if (SUCCEEDED(hr)) hr = WriteBytes(stream, &count, sizeof count);
    for (auto it = values_.begin(); SUCCEEDED(hr) && it != values_.end(); ++it) {
        hr = WriteStreamText(stream, it->first);
        if (SUCCEEDED(hr)) hr = WriteBytes(stream, &it->second.type, sizeof it->second.type);
        if (SUCCEEDED(hr)) hr = WriteStreamText(stream, it->second.text);
    }
    return hr;
}

ULONGLONG StreamProperties::SizeMax() const {
    ULONGLONG size = 2 * sizeof(uint32_t);
    for (const auto& [name, stored] : values_)
        size += 2 * sizeof(uint32_t) + sizeof(VARTYPE) + (name.size() + stored.text.size()) * sizeof(wchar_t);
    return size;
}
