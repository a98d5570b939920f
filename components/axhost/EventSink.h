#pragma once
// Receives a control's events through its event connection point and hands each one,
// with its arguments, to the host's handler.
#include "ComObject.h"

#include <oaidl.h>

#include <functional>

// dispid of the event; params.rgvarg holds the arguments in reverse order.
using ControlEventHandler = std::function<void(DISPID dispid, DISPPARAMS& params)>;

class EventSink final : public ComObject<EventSink, IDispatch> {
public:
    void* InterfaceFor(REFIID riid);
    void SetHandler(ControlEventHandler handler) { handler_ = std::move(handler); }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

private:
    friend class ComObject<EventSink, IDispatch>;
    explicit EventSink(REFIID eventsIid) : eventsIid_(eventsIid) {}
    ~EventSink() override = default;

    const IID eventsIid_;
    ControlEventHandler handler_;
};
