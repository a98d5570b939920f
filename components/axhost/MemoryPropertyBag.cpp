#include "MemoryPropertyBag.h"

void* MemoryPropertyBag::InterfaceFor(REFIID riid) {
    return IsEqualIID(riid, IID_IPropertyBag) ? static_cast<IPropertyBag*>(this) : nullptr;
}

STDMETHODIMP MemoryPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    if (!name || !value) return E_POINTER;
    const Variant* stored = Find(name);
    if (!stored) return E_INVALIDARG;
    const VARTYPE wanted = value->vt;
    VariantInit(value);
    HRESULT hr = VariantCopy(value, const_cast<VARIANT*>(&stored->Get()));
    if (SUCCEEDED(hr) && wanted != VT_EMPTY && wanted != value->vt) hr = VariantChangeType(value, value, 0, wanted);
    return hr;
}

STDMETHODIMP MemoryPropertyBag::Write(LPCOLESTR name, VARIANT* value) {
    if (!name || !value) return E_POINTER;
    try {
        values_[name] = Variant(*value);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

const Variant* MemoryPropertyBag::Find(const std::wstring& name) const {
    auto found = values_.find(name);
    return found == values_.end() ? nullptr : &found->second;
}
