#pragma once
// Receives a control's events through its event connection point and hands each one,
// with its arguments, to the host's handler.
#include "ComPtr.h"

#include <oaidl.h>

#include <functional>

// dispid of the event; params.rgvarg holds the arguments in reverse order.
using ControlEventHandler = std::function<void(DISPID dispid, DISPPARAMS& params)>;

class EventSink final : public IDispatch {
public:
    static ComPtr<EventSink> Create(REFIID eventsIid);

    void SetHandler(ControlEventHandler handler) { handler_ = std::move(handler); }

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

private:
    explicit EventSink(REFIID eventsIid) : eventsIid_(eventsIid) {}
    ~EventSink() = default;

    LONG refCount_ = 1;
    const IID eventsIid_;
    ControlEventHandler handler_;
};
