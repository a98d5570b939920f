#pragma once
// AxControl: one ActiveX control hosted on a window. Created by its registered class
// name, placed in a parent window, given its ambient properties (UserMode true at run
// time, false in a designer), its events delivered to a handler, its properties saved to
// and loaded from a property bag, and its automation members called by name.
#include "AmbientProperties.h"
#include "ComPtr.h"
#include "ControlSite.h"
#include "EventSink.h"
#include "Variant.h"

#include <ocidl.h>

#include <string>
#include <vector>

class AxControl {
public:
    // Creates the control registered as progId in parent at position (parent client
    // coordinates), loads its properties from bag (a new control when bag is null) and
    // activates it in place. Raises AppError when that fails.
    AxControl(const std::wstring& progId, HWND parent, const RECT& position, const AmbientProperties& ambient,
              IPropertyBag* bag = nullptr);
    ~AxControl();
    AxControl(const AxControl&) = delete;
    AxControl& operator=(const AxControl&) = delete;

    IDispatch* Dispatch() const { return dispatch_.Get(); }
    IOleObject* Object() const { return object_.Get(); }
    // The control's own window while it is in place (nullptr otherwise).
    HWND Window() const;
    RECT Position() const { return site_->Position(); }
    void Move(const RECT& position) { site_->Move(position); }

    void OnEvent(ControlEventHandler handler);
    // Changes an ambient property and tells the control.
    void SetUserMode(bool userMode);
    void SetDisplayName(const std::wstring& name);

    void SaveProperties(IPropertyBag* bag, bool clearDirty = true) const;
    // The dispids the control reported changed ("marked changed"), in order.
    const std::vector<DISPID>& ChangedProperties() const { return site_->ChangedProperties(); }
    void ForgetChanges() { site_->ForgetChanges(); }

    // Automation by member name; failures are raised as AppError.
    Variant Get(const std::wstring& name) const;
    void Put(const std::wstring& name, const Variant& value);
    Variant Call(const std::wstring& name, const std::vector<Variant>& arguments = {});

private:
    DISPID DispidOf(const std::wstring& name) const;
    Variant Invoke(const std::wstring& name, WORD flags, std::vector<Variant> arguments) const;
    void ConnectEvents();
    void AmbientChanged(DISPID dispid);

    ComPtr<ControlSite> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IDispatch> dispatch_;
    ComPtr<EventSink> events_;
    ComPtr<IConnectionPoint> eventPoint_;
    DWORD eventCookie_ = 0;
    ComPtr<IConnectionPoint> notifyPoint_;
    DWORD notifyCookie_ = 0;
};
