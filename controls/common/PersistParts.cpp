#include "PersistParts.h"

#include "ActiveXControl.h"
#include "ComError.h"
#include "PropertyStore.h"

namespace {

HRESULT ClassIdOf(ActiveXControl& owner, CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = *owner.ClassInfo().clsid;
    return S_OK;
}

}  // namespace

STDMETHODIMP PersistPropertyBagPart::GetClassID(CLSID* clsid) { return ClassIdOf(owner_, clsid); }

STDMETHODIMP PersistPropertyBagPart::InitNew() {
    return ComBoundary(IID_IPersistPropertyBag, [&] {
        owner_.InitNewProperties();
        return S_OK;
    });
}

STDMETHODIMP PersistPropertyBagPart::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    return ComBoundary(IID_IPersistPropertyBag, [&] {
        BagPropertyReader reader(bag, log);
        owner_.LoadProperties(reader);
        return S_OK;
    });
}

STDMETHODIMP PersistPropertyBagPart::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
    if (!bag) return E_POINTER;
    return ComBoundary(IID_IPersistPropertyBag, [&] {
        BagPropertyWriter writer(bag);
        owner_.SaveProperties(writer);
        if (clearDirty) owner_.SetDirty(false);
        return S_OK;
    });
}

STDMETHODIMP PersistStreamInitPart::GetClassID(CLSID* clsid) { return ClassIdOf(owner_, clsid); }

STDMETHODIMP PersistStreamInitPart::IsDirty() { return owner_.IsDirty() ? S_OK : S_FALSE; }

STDMETHODIMP PersistStreamInitPart::Load(IStream* stream) {
    if (!stream) return E_POINTER;
    return ComBoundary(IID_IPersistStreamInit, [&] {
        StreamProperties properties;
        HRESULT hr = properties.LoadFrom(stream);
        if (SUCCEEDED(hr)) owner_.LoadProperties(properties);
        return hr;
    });
}

STDMETHODIMP PersistStreamInitPart::Save(IStream* stream, BOOL clearDirty) {
    if (!stream) return E_POINTER;
    return ComBoundary(IID_IPersistStreamInit, [&] {
        StreamProperties properties;
        owner_.SaveProperties(properties);
        HRESULT hr = properties.SaveTo(stream);
        if (SUCCEEDED(hr) && clearDirty) owner_.SetDirty(false);
        return hr;
    });
}

STDMETHODIMP PersistStreamInitPart::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    return ComBoundary(IID_IPersistStreamInit, [&] {
        StreamProperties properties;
        owner_.SaveProperties(properties);
        size->QuadPart = properties.SizeMax();
        return S_OK;
    });
}

STDMETHODIMP PersistStreamInitPart::InitNew() {
    return ComBoundary(IID_IPersistStreamInit, [&] {
        owner_.InitNewProperties();
        return S_OK;
    });
}
