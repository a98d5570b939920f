#pragma once
// One OLE interface of a control, implemented by a small object that lives inside its
// owner (the control) and hands identity and lifetime to it.
#include <unknwn.h>

class ActiveXControl;

// Implemented by ActiveXControl; declared here so a part needs only this header.
HRESULT ControlQueryInterface(ActiveXControl& owner, REFIID riid, void** object);
ULONG ControlAddRef(ActiveXControl& owner);
ULONG ControlRelease(ActiveXControl& owner);

template <typename Interface>
class ControlPart : public Interface {
public:
    explicit ControlPart(ActiveXControl& owner) : owner_(owner) {}
    ControlPart(const ControlPart&) = delete;
    ControlPart& operator=(const ControlPart&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
        return ControlQueryInterface(owner_, riid, object);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ControlAddRef(owner_); }
    STDMETHODIMP_(ULONG) Release() override { return ControlRelease(owner_); }

protected:
    ActiveXControl& owner_;
};
