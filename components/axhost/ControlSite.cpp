#include "ControlSite.h"

ControlSite::ControlSite(HWND parent, const RECT& position, const AmbientProperties& ambient)
    : parent_(parent), position_(position), ambient_(ambient) {}

void* ControlSite::InterfaceFor(REFIID riid) {
    if (IsEqualIID(riid, IID_IOleClientSite)) return static_cast<IOleClientSite*>(this);
    if (IsEqualIID(riid, IID_IOleInPlaceSite) || IsEqualIID(riid, IID_IOleWindow))
        return static_cast<IOleInPlaceSite*>(this);
    if (IsEqualIID(riid, IID_IDispatch)) return static_cast<IDispatch*>(this);
    if (IsEqualIID(riid, IID_IPropertyNotifySink)) return static_cast<IPropertyNotifySink*>(this);
    return nullptr;
}

STDMETHODIMP ControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ControlSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = parent_;
    return S_OK;
}

STDMETHODIMP ControlSite::OnInPlaceActivate() {
    inPlaceActive_ = true;
    return S_OK;
}

STDMETHODIMP ControlSite::OnInPlaceDeactivate() {
    inPlaceActive_ = false;
    return S_OK;
}

STDMETHODIMP ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                           LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip) return E_POINTER;
    *frame = nullptr;  // a form has no frame menus or toolbars to share
    *document = nullptr;
    *position = position_;
    GetClientRect(parent_, clip);
    if (info) {
        info->fMDIApp = FALSE;
        info->hwndFrame = parent_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
    }
    return S_OK;
}

STDMETHODIMP ControlSite::OnPosRectChange(LPCRECT position) {
    if (!position) return E_POINTER;
    Move(*position);
    return S_OK;
}

void ControlSite::Move(const RECT& position) {
    position_ = position;
    if (!control_) return;
    ComPtr<IOleInPlaceObject> inPlace;
    if (inPlaceActive_ && SUCCEEDED(control_->QueryInterface(IID_PPV_ARGS(&inPlace)))) {
        RECT clip;
        GetClientRect(parent_, &clip);
        inPlace->SetObjectRects(&position_, &clip);
    }
}

STDMETHODIMP ControlSite::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP ControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlSite::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                 UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    if (!result) return E_POINTER;
    return AmbientValue(ambient_, dispid, *result);
}

STDMETHODIMP ControlSite::OnChanged(DISPID dispid) {
    try {
        changed_.push_back(dispid);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}
