#include "OleObjectPart.h"

#include "ActiveXControl.h"
#include "ComError.h"

#include <ole2.h>

STDMETHODIMP OleObjectPart::SetClientSite(IOleClientSite* site) {
    return ComBoundary(IID_IOleObject, [&] {
        owner_.SetClientSite(site);
        return S_OK;
    });
}

STDMETHODIMP OleObjectPart::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = owner_.ClientSite();
    if (*site) (*site)->AddRef();
    return S_OK;
}

STDMETHODIMP OleObjectPart::Close(DWORD) {
    return ComBoundary(IID_IOleObject, [&] {
        owner_.InPlaceDeactivate();
        SendOnClose();
        return S_OK;
    });
}

void OleObjectPart::SendOnClose() {
    if (adviseHolder_) adviseHolder_->SendOnClose();
}

STDMETHODIMP OleObjectPart::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP OleObjectPart::GetClipboardData(DWORD, IDataObject** data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP OleObjectPart::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND, LPCRECT) {
    return ComBoundary(IID_IOleObject, [&]() -> HRESULT {
        if (activeSite && !owner_.ClientSite()) owner_.SetClientSite(activeSite);
        switch (verb) {
        case OLEIVERB_HIDE:
            if (owner_.Window()) ShowWindow(owner_.Window(), SW_HIDE);
            return S_OK;
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_OPEN:
        case OLEIVERB_INPLACEACTIVATE:
        case OLEIVERB_UIACTIVATE:
            return owner_.InPlaceActivate();
        default:
            // Unknown verbs of the object's own behave like the primary verb.
            return verb > 0 ? owner_.InPlaceActivate() : E_NOTIMPL;
        }
    });
}

STDMETHODIMP OleObjectPart::EnumVerbs(IEnumOLEVERB** verbs) {
    return OleRegEnumVerbs(*owner_.ClassInfo().clsid, verbs);
}

STDMETHODIMP OleObjectPart::GetUserClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = *owner_.ClassInfo().clsid;
    return S_OK;
}

STDMETHODIMP OleObjectPart::GetUserType(DWORD form, LPOLESTR* userType) {
    return OleRegGetUserType(*owner_.ClassInfo().clsid, form, userType);
}

STDMETHODIMP OleObjectPart::SetExtent(DWORD aspect, SIZEL* size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    return ComBoundary(IID_IOleObject, [&] {
        owner_.SetExtent(*size);
        return S_OK;
    });
}

STDMETHODIMP OleObjectPart::GetExtent(DWORD aspect, SIZEL* size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = owner_.Extent();
    return S_OK;
}

STDMETHODIMP OleObjectPart::Advise(IAdviseSink* sink, DWORD* cookie) {
    if (!adviseHolder_) {
        HRESULT hr = CreateOleAdviseHolder(&adviseHolder_);
        if (FAILED(hr)) return hr;
    }
    return adviseHolder_->Advise(sink, cookie);
}

STDMETHODIMP OleObjectPart::Unadvise(DWORD cookie) {
    return adviseHolder_ ? adviseHolder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

STDMETHODIMP OleObjectPart::EnumAdvise(IEnumSTATDATA** advise) {
    if (!advise) return E_POINTER;
    *advise = nullptr;
    return adviseHolder_ ? adviseHolder_->EnumAdvise(advise) : S_OK;
}

STDMETHODIMP OleObjectPart::GetMiscStatus(DWORD aspect, DWORD* status) {
    if (!status) return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? owner_.ClassInfo().miscStatus : 0;
    return S_OK;
}
