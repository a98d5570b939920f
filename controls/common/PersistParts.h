#pragma once
// The control's stored properties: IPersistPropertyBag (forms, designers) and
// IPersistStreamInit (containers that keep a stream).
#include "ControlPart.h"

#include <ocidl.h>

class PersistPropertyBagPart : public ControlPart<IPersistPropertyBag> {
public:
    using ControlPart::ControlPart;

    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
};

class PersistStreamInitPart : public ControlPart<IPersistStreamInit> {
public:
    using ControlPart::ControlPart;

    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(IStream* stream) override;
    STDMETHODIMP Save(IStream* stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
    STDMETHODIMP InitNew() override;
};
