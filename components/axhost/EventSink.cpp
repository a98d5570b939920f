#include "EventSink.h"

#include <new>

ComPtr<EventSink> EventSink::Create(REFIID eventsIid) {
    ComPtr<EventSink> sink;
    sink.Attach(new (std::nothrow) EventSink(eventsIid));
    return sink;
}

STDMETHODIMP EventSink::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, eventsIid_)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) EventSink::AddRef() { return InterlockedIncrement(&refCount_); }

STDMETHODIMP_(ULONG) EventSink::Release() {
    ULONG count = InterlockedDecrement(&refCount_);
    if (count == 0) delete this;
    return count;
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP EventSink::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
    if (!handler_) return S_OK;
    DISPPARAMS none{};
    try {
        handler_(dispid, params ? *params : none);
    } catch (...) {
        return DISP_E_EXCEPTION;  // the host's failure stays on the host's side
    }
    return S_OK;
}
