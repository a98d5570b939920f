#pragma once
// The one class factory of a control library: it creates the class of one table entry.
#include "ComPtr.h"
#include "ControlClass.h"

#include <unknwn.h>

class ClassFactory final : public IClassFactory {
public:
    static ComPtr<IClassFactory> Create(const ControlClassInfo& info);

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    explicit ClassFactory(const ControlClassInfo& info);
    ~ClassFactory();

    const ControlClassInfo& info_;
    LONG refCount_ = 1;
};
