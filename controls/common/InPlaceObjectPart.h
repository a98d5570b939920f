#pragma once
// IOleInPlaceObject: the container places, moves and deactivates the control's window.
#include "ControlPart.h"

#include <oleidl.h>

class InPlaceObjectPart : public ControlPart<IOleInPlaceObject> {
public:
    using ControlPart::ControlPart;

    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override { return INPLACE_E_NOTUNDOABLE; }
};
