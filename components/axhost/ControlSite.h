#pragma once
// The container's side of one control: its client site and in-place site, the ambient
// properties (IDispatch of the site) and the receiver of its property-change notes.
#include "AmbientProperties.h"
#include "ComObject.h"

#include <ocidl.h>
#include <oleidl.h>

#include <vector>

class ControlSite final : public ComObject<ControlSite, IOleClientSite, IOleInPlaceSite, IDispatch,
                                            IPropertyNotifySink> {
public:
    void* InterfaceFor(REFIID riid);

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT position) override;

    // IDispatch: the ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

    // IPropertyNotifySink
    STDMETHODIMP OnChanged(DISPID dispid) override;
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

    void Attach(IOleObject* control) { control_ = control; }
    void Detach() { control_ = nullptr; }
    const RECT& Position() const { return position_; }
    // Moves the control (in the parent's client coordinates).
    void Move(const RECT& position);
    AmbientProperties& Ambient() { return ambient_; }
    bool InPlaceActive() const { return inPlaceActive_; }
    // The properties the control reported changed, in order.
    const std::vector<DISPID>& ChangedProperties() const { return changed_; }
    void ForgetChanges() { changed_.clear(); }

private:
    friend class ComObject<ControlSite, IOleClientSite, IOleInPlaceSite, IDispatch, IPropertyNotifySink>;
    ControlSite(HWND parent, const RECT& position, const AmbientProperties& ambient);
    ~ControlSite() override = default;

    HWND parent_;
    RECT position_;
    AmbientProperties ambient_;
    IOleObject* control_ = nullptr;  // not counted: the control holds the site
    bool inPlaceActive_ = false;
    std::vector<DISPID> changed_;
};
