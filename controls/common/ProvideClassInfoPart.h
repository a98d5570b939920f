#pragma once
// IProvideClassInfo2 (how a container finds the control's event interface) and
// ISupportErrorInfo (its automation interface sets IErrorInfo).
#include "ControlPart.h"

#include <ocidl.h>

class ProvideClassInfoPart : public ControlPart<IProvideClassInfo2> {
public:
    using ControlPart::ControlPart;

    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;
};

class SupportErrorInfoPart : public ControlPart<ISupportErrorInfo> {
public:
    using ControlPart::ControlPart;

    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;
};
