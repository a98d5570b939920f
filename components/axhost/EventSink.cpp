#include "EventSink.h"

void* EventSink::InterfaceFor(REFIID riid) {
    return IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, eventsIid_) ? static_cast<IDispatch*>(this) : nullptr;
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
