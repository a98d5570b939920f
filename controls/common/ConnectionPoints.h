#pragma once
// Connection points of a control: one for its event dispinterface and one for
// IPropertyNotifySink, behind IConnectionPointContainer.
#include "ComPtr.h"
#include "ControlPart.h"

#include <ocidl.h>

#include <utility>
#include <vector>

class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(ActiveXControl& owner, IConnectionPointContainer& container, REFIID iid)
        : owner_(owner), container_(container), iid_(iid) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

    REFIID Iid() const { return iid_; }
    // The sinks connected now, as their interface; a copy, so a sink may disconnect
    // while it is being called.
    template <typename Sink>
    std::vector<ComPtr<Sink>> Sinks() const {
        std::vector<ComPtr<Sink>> sinks;
        for (const auto& [cookie, sink] : sinks_) {
            ComPtr<Sink> typed;
            if (SUCCEEDED(sink.As(&typed))) sinks.push_back(typed);
        }
        return sinks;
    }

private:
    ActiveXControl& owner_;
    IConnectionPointContainer& container_;
    const IID iid_;
    std::vector<std::pair<DWORD, ComPtr<IUnknown>>> sinks_;
    DWORD nextCookie_ = 1;
};

class ConnectionPoints : public ControlPart<IConnectionPointContainer> {
public:
    ConnectionPoints(ActiveXControl& owner);

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

    // Calls the event dispid on every connected event sink.
    void Fire(DISPID dispid, VARIANTARG* args, UINT count);
    // Tells every IPropertyNotifySink that property dispid changed.
    void NotifyChanged(DISPID dispid);

private:
    ConnectionPoint events_;
    ConnectionPoint propertyNotify_;
};
