#include "AxControl.h"

#include "AppError.h"
#include "SystemText.h"

#include <olectl.h>

namespace {

[[noreturn]] void Raise(HRESULT hr, const std::wstring& source) {
    throw AppError(hr, source, DllErrorText(static_cast<DWORD>(hr)));
}

void Check(HRESULT hr, const std::wstring& source) {
    if (FAILED(hr)) Raise(hr, source);
}

// A size in pixels of the screen as HIMETRIC (0.01 mm), the unit of IOleObject::SetExtent.
SIZEL HimetricOf(SIZE pixels) {
    HDC screen = GetDC(nullptr);
    int dpiX = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    int dpiY = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return SIZEL{MulDiv(pixels.cx, 2540, dpiX > 0 ? dpiX : 96), MulDiv(pixels.cy, 2540, dpiY > 0 ? dpiY : 96)};
}

}  // namespace

AxControl::AxControl(const std::wstring& progId, HWND parent, const RECT& position, const AmbientProperties& ambient,
                     IPropertyBag* bag) {
    CLSID clsid;
    Check(CLSIDFromProgID(progId.c_str(), &clsid), progId);
    Check(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object_)), progId);
    site_ = ControlSite::Create(parent, position, ambient);
    if (!site_) throw RuntimeFailure(RuntimeError::OutOfMemory, progId);
    site_->Attach(object_.Get());

    DWORD misc = 0;
    object_->GetMiscStatus(DVASPECT_CONTENT, &misc);
    const bool siteFirst = (misc & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (siteFirst) Check(object_->SetClientSite(site_.Get()), progId);

    ComPtr<IPersistPropertyBag> persistBag;
    ComPtr<IPersistStreamInit> persistStream;
    if (SUCCEEDED(object_.As(&persistBag)))
        Check(bag ? persistBag->Load(bag, nullptr) : persistBag->InitNew(), progId);
    else if (SUCCEEDED(object_.As(&persistStream)))
        Check(persistStream->InitNew(), progId);
    if (!siteFirst) Check(object_->SetClientSite(site_.Get()), progId);

    object_.As(&dispatch_);
    ConnectEvents();
    SIZEL himetric = HimetricOf(SIZE{position.right - position.left, position.bottom - position.top});
    object_->SetExtent(DVASPECT_CONTENT, &himetric);
    RECT place = site_->Position();
    Check(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, parent, &place), progId);
}

AxControl::~AxControl() {
    if (eventPoint_) eventPoint_->Unadvise(eventCookie_);
    if (notifyPoint_) notifyPoint_->Unadvise(notifyCookie_);
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    if (site_) site_->Detach();
}

void AxControl::ConnectEvents() {
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(object_.As(&container))) return;
    if (SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, &notifyPoint_)))
        notifyPoint_->Advise(static_cast<IPropertyNotifySink*>(site_.Get()), &notifyCookie_);
    ComPtr<IProvideClassInfo2> classInfo;
    IID eventsIid;
    if (FAILED(object_.As(&classInfo)) || FAILED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &eventsIid)))
        return;
    events_ = EventSink::Create(eventsIid);
    if (events_ && SUCCEEDED(container->FindConnectionPoint(eventsIid, &eventPoint_)))
        eventPoint_->Advise(events_.Get(), &eventCookie_);
}

HWND AxControl::Window() const {
    ComPtr<IOleInPlaceObject> inPlace;
    HWND window = nullptr;
    if (SUCCEEDED(object_.As(&inPlace))) inPlace->GetWindow(&window);
    return window;
}

void AxControl::OnEvent(ControlEventHandler handler) {
    if (events_) events_->SetHandler(std::move(handler));
}

void AxControl::AmbientChanged(DISPID dispid) {
    ComPtr<IOleControl> control;
    if (SUCCEEDED(object_.As(&control))) control->OnAmbientPropertyChange(dispid);
}

void AxControl::SetUserMode(bool userMode) {
    site_->Ambient().userMode = userMode;
    AmbientChanged(DISPID_AMBIENT_USERMODE);
}

void AxControl::SetDisplayName(const std::wstring& name) {
    site_->Ambient().displayName = name;
    AmbientChanged(DISPID_AMBIENT_DISPLAYNAME);
}

void AxControl::SaveProperties(IPropertyBag* bag, bool clearDirty) const {
    ComPtr<IPersistPropertyBag> persist;
    Check(object_.As(&persist), L"IPersistPropertyBag");
    Check(persist->Save(bag, clearDirty, TRUE), L"IPersistPropertyBag");
}

DISPID AxControl::DispidOf(const std::wstring& name) const {
    if (!dispatch_) Raise(E_NOINTERFACE, name);
    DISPID dispid = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
    Check(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid), name);
    return dispid;
}

Variant AxControl::Invoke(const std::wstring& name, WORD flags, std::vector<Variant> arguments) const {
    const DISPID dispid = DispidOf(name);
    std::vector<VARIANTARG> reversed;
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) reversed.push_back(it->Get());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if (flags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    Variant result;
    EXCEPINFO exception{};
    UINT argError = 0;
    HRESULT hr = dispatch_->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                   flags == DISPATCH_PROPERTYPUT ? nullptr : result.Receive(), &exception, &argError);
    if (hr == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
        AppError error(exception.scode ? exception.scode : exception.wCode, exception.bstrSource ? exception.bstrSource : name,
                       exception.bstrDescription ? exception.bstrDescription : L"");
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        throw error;
    }
    Check(hr, name);
    return result;
}

Variant AxControl::Get(const std::wstring& name) const { return Invoke(name, DISPATCH_PROPERTYGET, {}); }

void AxControl::Put(const std::wstring& name, const Variant& value) { Invoke(name, DISPATCH_PROPERTYPUT, {value}); }

Variant AxControl::Call(const std::wstring& name, const std::vector<Variant>& arguments) {
    return Invoke(name, DISPATCH_METHOD, arguments);
}
