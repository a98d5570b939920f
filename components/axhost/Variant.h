#pragma once
// A VARIANT that owns its contents.
#include <oaidl.h>
#include <oleauto.h>

#include <string>
#include <utility>

class Variant {
public:
    Variant() { VariantInit(&value_); }
    Variant(long value) : Variant() {
        value_.vt = VT_I4;
        value_.lVal = value;
    }
    Variant(int value) : Variant(static_cast<long>(value)) {}
    Variant(bool value) : Variant() {
        value_.vt = VT_BOOL;
        value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    Variant(const wchar_t* text) : Variant() {
        value_.vt = VT_BSTR;
        value_.bstrVal = SysAllocString(text);
    }
    Variant(const std::wstring& text) : Variant() {
        value_.vt = VT_BSTR;
        value_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    Variant(const VARIANT& other) : Variant() { VariantCopy(&value_, const_cast<VARIANT*>(&other)); }
    Variant(const Variant& other) : Variant(other.value_) {}
    Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    Variant& operator=(Variant other) noexcept {
        std::swap(value_, other.value_);
        return *this;
    }
    ~Variant() { VariantClear(&value_); }

    // An optional argument left out.
    static Variant Missing() {
        Variant missing;
        missing.value_.vt = VT_ERROR;
        missing.value_.scode = DISP_E_PARAMNOTFOUND;
        return missing;
    }

    VARIANT& Get() { return value_; }
    const VARIANT& Get() const { return value_; }
    VARIANT* Receive() {
        VariantClear(&value_);
        return &value_;
    }
    VARTYPE Type() const { return value_.vt; }
    bool IsNothing() const {
        return value_.vt == VT_EMPTY || ((value_.vt == VT_DISPATCH || value_.vt == VT_UNKNOWN) && !value_.punkVal);
    }
    // The value as a 32-bit number; 0 when it is not one.
    long AsLong() const;
    std::wstring AsText() const;

private:
    VARIANT value_;
};
