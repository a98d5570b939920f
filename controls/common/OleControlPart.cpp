#include "OleControlPart.h"

#include "ActiveXControl.h"
#include "ComError.h"

STDMETHODIMP OleControlPart::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    if (info->cb < sizeof(CONTROLINFO)) return E_INVALIDARG;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP OleControlPart::OnAmbientPropertyChange(DISPID dispid) {
    return ComBoundary(IID_IOleControl, [&] {
        owner_.AmbientPropertyChanged(dispid);
        return S_OK;
    });
}

STDMETHODIMP OleControlPart::FreezeEvents(BOOL freeze) {
    owner_.FreezeEvents(freeze != FALSE);
    return S_OK;
}
