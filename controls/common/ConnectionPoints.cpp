#include "ConnectionPoints.h"

#include "ActiveXControl.h"

#include <olectl.h>

#include <algorithm>

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint)) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// A connection point lives inside its control and keeps the control alive.
STDMETHODIMP_(ULONG) ConnectionPoint::AddRef() { return owner_.AddRef(); }
STDMETHODIMP_(ULONG) ConnectionPoint::Release() { return owner_.Release(); }

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = &container_;
    container_.AddRef();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_POINTER;
    *cookie = 0;
    ComPtr<IUnknown> typed;
    HRESULT hr = sink->QueryInterface(iid_, reinterpret_cast<void**>(typed.GetAddressOf()));
    // Many hosts answer an event dispinterface only as IDispatch.
    if (FAILED(hr) && !IsEqualIID(iid_, IID_IPropertyNotifySink))
        hr = sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(typed.GetAddressOf()));
    if (FAILED(hr)) return CONNECT_E_CANNOTCONNECT;
    try {
        sinks_.emplace_back(nextCookie_, typed);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    *cookie = nextCookie_++;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
    auto found = std::find_if(sinks_.begin(), sinks_.end(), [&](const auto& entry) { return entry.first == cookie; });
    if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
    sinks_.erase(found);
    return S_OK;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (connections) *connections = nullptr;
    return E_NOTIMPL;
}

ConnectionPoints::ConnectionPoints(ActiveXControl& owner)
    : ControlPart(owner), events_(owner, *this, owner.EventsIid()),
      propertyNotify_(owner, *this, IID_IPropertyNotifySink) {}

STDMETHODIMP ConnectionPoints::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points) *points = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ConnectionPoints::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (IsEqualIID(riid, events_.Iid()))
        *point = &events_;
    else if (IsEqualIID(riid, propertyNotify_.Iid()))
        *point = &propertyNotify_;
    else
        return CONNECT_E_NOCONNECTION;
    (*point)->AddRef();
    return S_OK;
}

void ConnectionPoints::Fire(DISPID dispid, VARIANTARG* args, UINT count) {
    DISPPARAMS params{args, nullptr, count, 0};
    for (const ComPtr<IDispatch>& sink : events_.Sinks<IDispatch>())
        sink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

void ConnectionPoints::NotifyChanged(DISPID dispid) {
    for (const ComPtr<IPropertyNotifySink>& sink : propertyNotify_.Sinks<IPropertyNotifySink>())
        sink->OnChanged(dispid);
}
