#include "ProvideClassInfoPart.h"

#include "ActiveXControl.h"

STDMETHODIMP ProvideClassInfoPart::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    ITypeLib* lib = owner_.TypeLibrary();
    if (!lib) return TYPE_E_CANTLOADLIBRARY;
    return lib->GetTypeInfoOfGuid(*owner_.ClassInfo().clsid, info);
}

STDMETHODIMP ProvideClassInfoPart::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = owner_.EventsIid();
    return S_OK;
}

STDMETHODIMP SupportErrorInfoPart::InterfaceSupportsErrorInfo(REFIID riid) {
    return IsEqualIID(riid, owner_.AutomationIid()) || IsEqualIID(riid, IID_IDispatch) ? S_OK : S_FALSE;
}
