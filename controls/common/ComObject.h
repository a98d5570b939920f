#pragma once
// The reference count and IUnknown of a COM object that stands on its own (class
// factory, a container's site, an event sink, a property bag). Derived answers
// InterfaceFor(riid) with the interface pointer for riid, or nullptr.
#include "ComPtr.h"

#include <unknwn.h>

#include <new>
#include <utility>

template <typename Derived, typename... Interfaces>
class ComObject : public Interfaces... {
public:
    // A new object with one reference, held by the result (empty when out of memory).
    template <typename... Args>
    static ComPtr<Derived> Create(Args&&... args) {
        ComPtr<Derived> object;
        object.Attach(new (std::nothrow) Derived(std::forward<Args>(args)...));
        return object;
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        *object = IsEqualIID(riid, IID_IUnknown) ? FirstInterface() : static_cast<Derived*>(this)->InterfaceFor(riid);
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refCount_); }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG count = InterlockedDecrement(&refCount_);
        if (count == 0) delete static_cast<Derived*>(this);
        return count;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

private:
    template <typename First, typename...>
    struct Head {
        using Type = First;
    };
    // The one IUnknown identity of the object: its first interface.
    void* FirstInterface() { return static_cast<typename Head<Interfaces...>::Type*>(this); }

    LONG refCount_ = 1;
};
