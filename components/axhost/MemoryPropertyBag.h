#pragma once
// A property bag held in memory: what a form stores for each of its controls, and what
// a control saves into and loads from.
#include "ComPtr.h"
#include "Variant.h"

#include <ocidl.h>

#include <map>
#include <string>

class MemoryPropertyBag final : public IPropertyBag {
public:
    static ComPtr<MemoryPropertyBag> Create();

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // A missing name gives E_INVALIDARG, as the control's default then applies.
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override;

    bool Has(const std::wstring& name) const { return values_.count(name) != 0; }
    const Variant* Find(const std::wstring& name) const;
    size_t Count() const { return values_.size(); }

private:
    MemoryPropertyBag() = default;
    ~MemoryPropertyBag() = default;

    LONG refCount_ = 1;
    std::map<std::wstring, Variant> values_;
};
