#pragma once
// ActiveXControl: the owner object of one control instance. It keeps the instance's
// state (client site, own window, size, dirty flag, event connections) and hands out
// the OLE interfaces, each implemented by a small part object. A control derives from it,
// implements its automation interface and overrides the On... hooks.
#include "ComPtr.h"
#include "ConnectionPoints.h"
#include "ControlClass.h"
#include "InPlaceObjectPart.h"
#include "OleControlPart.h"
#include "OleObjectPart.h"
#include "PersistParts.h"
#include "PropertyStore.h"
#include "ProvideClassInfoPart.h"
#include "ViewObjectPart.h"

#include <oaidl.h>
#include <ocidl.h>

#include <string>

class ActiveXControl {
public:
    ActiveXControl(const ActiveXControl&) = delete;
    ActiveXControl& operator=(const ActiveXControl&) = delete;

    // The IUnknown of the whole control.
    HRESULT QueryInterface(REFIID riid, void** object);
    ULONG AddRef();
    ULONG Release();

    // Used by the interface parts.
    const ControlClassInfo& ClassInfo() const { return classInfo_; }
    REFIID AutomationIid() const { return automationIid_; }
    REFIID EventsIid() const { return eventsIid_; }
    ITypeLib* TypeLibrary();
    void SetClientSite(IOleClientSite* site);
    IOleClientSite* ClientSite() const { return clientSite_.Get(); }
    HRESULT InPlaceActivate();
    void InPlaceDeactivate();
    void SetObjectRects(const RECT& position);
    void SetExtent(const SIZEL& himetric);
    SIZEL Extent() const;
    HWND Window() const { return window_; }
    void InitNewProperties();
    void LoadProperties(PropertyReader& reader);
    void SaveProperties(PropertyWriter& writer);
    bool IsDirty() const { return dirty_; }
    void SetDirty(bool dirty) { dirty_ = dirty; }
    void AmbientPropertyChanged(DISPID dispid);
    void FreezeEvents(bool freeze);
    void DrawContent(HDC dc, const RECT& bounds);
    LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    ActiveXControl(const ControlClassInfo& classInfo, REFIID automationIid, REFIID eventsIid);
    virtual ~ActiveXControl();

    // The control's dual automation interface; also answers IDispatch.
    virtual IDispatch* Automation() = 0;

    // Behaviour of the control. Each hook catches its own failures.
    virtual void OnInitProperties() {}
    virtual void OnReadProperties(PropertyReader& reader) {}
    virtual void OnWriteProperties(PropertyWriter& writer) {}
    virtual void OnResize() {}
    virtual void OnDraw(HDC dc, const RECT& bounds);
    virtual void OnAmbientChanged(DISPID dispid) {}
    virtual void OnWindowCreated(HWND window) {}
    virtual void OnWindowDestroying(HWND window) {}
    // Messages of the own window; true when handled (result set).
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }

    // Services for the control.
    bool AmbientUserMode() const;                 // true when no container says otherwise
    std::wstring AmbientDisplayName() const;      // the class name when the container has none
    ITypeInfo* AutomationTypeInfo();
    // "Marks the property changed": the control becomes dirty and the container hears of it.
    void PropertyChanged(DISPID dispid);
    // args in reverse order, as DISPPARAMS holds them.
    void FireEvent(DISPID dispid, VARIANTARG* args, UINT count);
    // Asks the container for a new size in pixels; the control takes it in any case.
    void RequestSizePixels(SIZE size);
    SIZE SizePixels() const { return sizePixels_; }
    void Redraw();

private:
    void ApplySize(SIZE size);
    HRESULT AmbientProperty(DISPID dispid, VARIANT& value) const;

    const ControlClassInfo& classInfo_;
    const IID automationIid_;
    const IID eventsIid_;
    LONG refCount_ = 1;

    OleObjectPart oleObject_{*this};
    InPlaceObjectPart inPlaceObject_{*this};
    OleControlPart oleControl_{*this};
    ViewObjectPart viewObject_{*this};
    PersistPropertyBagPart persistBag_{*this};
    PersistStreamInitPart persistStream_{*this};
    ProvideClassInfoPart classInfoPart_{*this};
    SupportErrorInfoPart supportErrorInfo_{*this};
    ConnectionPoints connections_{*this};

    ComPtr<IOleClientSite> clientSite_;
    ComPtr<IOleInPlaceSite> inPlaceSite_;
    ComPtr<ITypeLib> typeLib_;
    ComPtr<ITypeInfo> automationTypeInfo_;
    HWND window_ = nullptr;
    RECT position_{};
    SIZE sizePixels_{32, 32};
    bool dirty_ = false;
    int freezeCount_ = 0;
};

// Creates a control of class T (constructed with no arguments) and answers riid on it.
template <typename T>
HRESULT CreateControl(REFIID riid, void** object) {
    T* control = new (std::nothrow) T();
    if (!control) return E_OUTOFMEMORY;
    HRESULT hr = control->QueryInterface(riid, object);
    control->Release();
    return hr;
}
