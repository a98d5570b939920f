#pragma once
// IOleControl: ambient property changes and event freezing.
#include "ControlPart.h"

#include <ocidl.h>

class OleControlPart : public ControlPart<IOleControl> {
public:
    using ControlPart::ControlPart;

    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG*) override { return E_NOTIMPL; }
    STDMETHODIMP OnAmbientPropertyChange(DISPID dispid) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;
};
