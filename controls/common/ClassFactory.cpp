#include "ClassFactory.h"

#include "ControlModule.h"

ClassFactory::ClassFactory(const ControlClassInfo& info) : info_(info) { ControlModuleLock(); }
ClassFactory::~ClassFactory() { ControlModuleUnlock(); }

void* ClassFactory::InterfaceFor(REFIID riid) {
    return IsEqualIID(riid, IID_IClassFactory) ? static_cast<IClassFactory*>(this) : nullptr;
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
