#include "ClassFactory.h"

#include "ControlModule.h"

#include <new>

ComPtr<IClassFactory> ClassFactory::Create(const ControlClassInfo& info) {
    ComPtr<IClassFactory> factory;
    factory.Attach(new (std::nothrow) ClassFactory(info));
    return factory;
}

ClassFactory::ClassFactory(const ControlClassInfo& info) : info_(info) { ControlModuleLock(); }
ClassFactory::~ClassFactory() { ControlModuleUnlock(); }

STDMETHODIMP ClassFactory::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ClassFactory::AddRef() { return InterlockedIncrement(&refCount_); }

STDMETHODIMP_(ULONG) ClassFactory::Release() {
    ULONG count = InterlockedDecrement(&refCount_);
    if (count == 0) delete this;
    return count;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return info_.create(riid, object);
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    if (lock)
        ControlModuleLock();
    else
        ControlModuleUnlock();
    return S_OK;
}
