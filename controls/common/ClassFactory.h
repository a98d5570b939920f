#pragma once
// The one class factory of a control library: it creates the class of one table entry.
#include "ComObject.h"
#include "ControlClass.h"

class ClassFactory final : public ComObject<ClassFactory, IClassFactory> {
public:
    void* InterfaceFor(REFIID riid);

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    friend class ComObject<ClassFactory, IClassFactory>;
    explicit ClassFactory(const ControlClassInfo& info);
    ~ClassFactory() override;

    const ControlClassInfo& info_;
};
