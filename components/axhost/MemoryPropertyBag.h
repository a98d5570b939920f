#pragma once
// A property bag held in memory: what a form stores for each of its controls, and what
// a control saves into and loads from.
#include "ComObject.h"
#include "Variant.h"

#include <ocidl.h>

#include <map>
#include <string>

class MemoryPropertyBag final : public ComObject<MemoryPropertyBag, IPropertyBag> {
public:
    void* InterfaceFor(REFIID riid);
    // A missing name gives E_INVALIDARG, as the control's default then applies.
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override;

    bool Has(const std::wstring& name) const { return values_.count(name) != 0; }
    const Variant* Find(const std::wstring& name) const;
    size_t Count() const { return values_.size(); }

private:
    friend class ComObject<MemoryPropertyBag, IPropertyBag>;
    MemoryPropertyBag() = default;
    ~MemoryPropertyBag() override = default;

    std::map<std::wstring, Variant> values_;
};
