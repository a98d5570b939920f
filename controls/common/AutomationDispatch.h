#pragma once
// IDispatch of a control's dual interface, answered from the interface's type
// information in the library's embedded type library.
#include <oaidl.h>
#include <oleauto.h>

template <typename Interface>
class AutomationDispatch : public Interface {
public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        ITypeInfo* typeInfo = DispatchTypeInfo();
        if (!typeInfo) return TYPE_E_CANTLOADLIBRARY;
        typeInfo->AddRef();
        *info = typeInfo;
        return S_OK;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        ITypeInfo* typeInfo = DispatchTypeInfo();
        if (!typeInfo) return TYPE_E_CANTLOADLIBRARY;
        return DispGetIDsOfNames(typeInfo, names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID dispid, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
        if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        ITypeInfo* typeInfo = DispatchTypeInfo();
        if (!typeInfo) return TYPE_E_CANTLOADLIBRARY;
        return typeInfo->Invoke(static_cast<Interface*>(this), dispid, flags, params, result, exception, argError);
    }

protected:
    virtual ITypeInfo* DispatchTypeInfo() = 0;
};
