#include "ActiveXControl.h"

#include "ControlModule.h"
#include "ControlWindow.h"

#include <olectl.h>

namespace {

// HIMETRIC (0.01 mm) and pixels of the screen.
int ScreenDpi(int index) {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, index) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

LONG PixelsToHimetric(LONG pixels, int dpi) { return MulDiv(pixels, 2540, dpi); }
LONG HimetricToPixels(LONG himetric, int dpi) { return MulDiv(himetric, dpi, 2540); }

}  // namespace

HRESULT ControlQueryInterface(ActiveXControl& owner, REFIID riid, void** object) {
    return owner.QueryInterface(riid, object);
}
ULONG ControlAddRef(ActiveXControl& owner) { return owner.AddRef(); }
ULONG ControlRelease(ActiveXControl& owner) { return owner.Release(); }

ActiveXControl::ActiveXControl(const ControlClassInfo& classInfo, REFIID automationIid, REFIID eventsIid)
    : classInfo_(classInfo), automationIid_(automationIid), eventsIid_(eventsIid) {
    ControlModuleLock();
}

ActiveXControl::~ActiveXControl() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);  // no messages into a dying object
        DestroyWindow(window_);
    }
    ControlModuleUnlock();
}

HRESULT ActiveXControl::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    IUnknown* answer = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject))
        answer = &oleObject_;
    else if (IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, automationIid_))
        answer = Automation();
    else if (IsEqualIID(riid, IID_IOleInPlaceObject) || IsEqualIID(riid, IID_IOleWindow))
        answer = &inPlaceObject_;
    else if (IsEqualIID(riid, IID_IOleControl))
        answer = &oleControl_;
    else if (IsEqualIID(riid, IID_IViewObject) || IsEqualIID(riid, IID_IViewObject2))
        answer = &viewObject_;
    else if (IsEqualIID(riid, IID_IPersistPropertyBag))
        answer = &persistBag_;
    else if (IsEqualIID(riid, IID_IPersistStreamInit) || IsEqualIID(riid, IID_IPersist))
        answer = &persistStream_;
    else if (IsEqualIID(riid, IID_IProvideClassInfo) || IsEqualIID(riid, IID_IProvideClassInfo2))
        answer = &classInfoPart_;
    else if (IsEqualIID(riid, IID_ISupportErrorInfo))
        answer = &supportErrorInfo_;
    else if (IsEqualIID(riid, IID_IConnectionPointContainer))
        answer = &connections_;
    *object = answer;
    if (!answer) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG ActiveXControl::AddRef() { return InterlockedIncrement(&refCount_); }

ULONG ActiveXControl::Release() {
    ULONG count = InterlockedDecrement(&refCount_);
    if (count == 0) delete this;
    return count;
}

ITypeLib* ActiveXControl::TypeLibrary() {
    if (!typeLib_) LoadTypeLibEx(ControlModulePath().c_str(), REGKIND_NONE, &typeLib_);
    return typeLib_.Get();
}

ITypeInfo* ActiveXControl::AutomationTypeInfo() {
    if (!automationTypeInfo_ && TypeLibrary()) TypeLibrary()->GetTypeInfoOfGuid(automationIid_, &automationTypeInfo_);
    return automationTypeInfo_.Get();
}

void ActiveXControl::SetClientSite(IOleClientSite* site) {
    if (!site) InPlaceDeactivate();
    clientSite_ = site;
    if (site) OnAmbientChanged(DISPID_UNKNOWN);
}

HRESULT ActiveXControl::InPlaceActivate() {
    if (window_) {
        ShowWindow(window_, SW_SHOWNA);
        return S_OK;
    }
    if (!clientSite_) return E_UNEXPECTED;
    ComPtr<IOleInPlaceSite> site;
    HRESULT hr = clientSite_.As(&site);
    if (FAILED(hr)) return hr;
    if (site->CanInPlaceActivate() != S_OK) return E_FAIL;
    hr = site->OnInPlaceActivate();
    if (FAILED(hr)) return hr;
    HWND parent = nullptr;
    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> document;
    RECT position{}, clip{};
    OLEINPLACEFRAMEINFO frameInfo{};
    frameInfo.cb = sizeof frameInfo;
    if (FAILED(site->GetWindow(&parent)) ||
        FAILED(site->GetWindowContext(&frame, &document, &position, &clip, &frameInfo))) {
        site->OnInPlaceDeactivate();
        return E_FAIL;
    }
    inPlaceSite_ = site;
    position_ = position;
    window_ = CreateControlWindow(*this, parent, position);
    if (!window_) {
        inPlaceSite_.Reset();
        site->OnInPlaceDeactivate();
        return HRESULT_FROM_WIN32(GetLastError());
    }
    OnWindowCreated(window_);
    ApplySize(SIZE{position.right - position.left, position.bottom - position.top});
    ShowWindow(window_, SW_SHOWNA);
    return S_OK;
}

void ActiveXControl::InPlaceDeactivate() {
    if (window_) {
        OnWindowDestroying(window_);
        HWND window = window_;
        window_ = nullptr;
        DestroyWindow(window);
    }
    if (ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_)) site->OnInPlaceDeactivate();
}

void ActiveXControl::SetObjectRects(const RECT& position) {
    position_ = position;
    if (window_)
        MoveWindow(window_, position.left, position.top, position.right - position.left,
                   position.bottom - position.top, TRUE);
    ApplySize(SIZE{position.right - position.left, position.bottom - position.top});
}

void ActiveXControl::SetExtent(const SIZEL& himetric) {
    ApplySize(SIZE{HimetricToPixels(himetric.cx, ScreenDpi(LOGPIXELSX)),
                   HimetricToPixels(himetric.cy, ScreenDpi(LOGPIXELSY))});
}

SIZEL ActiveXControl::Extent() const {
    return SIZEL{PixelsToHimetric(sizePixels_.cx, ScreenDpi(LOGPIXELSX)),
                 PixelsToHimetric(sizePixels_.cy, ScreenDpi(LOGPIXELSY))};
}

void ActiveXControl::ApplySize(SIZE size) {
    if (size.cx == sizePixels_.cx && size.cy == sizePixels_.cy) return;
    sizePixels_ = size;
    OnResize();
}

void ActiveXControl::RequestSizePixels(SIZE size) {
    if (inPlaceSite_ && window_) {
        RECT wanted{position_.left, position_.top, position_.left + size.cx, position_.top + size.cy};
        inPlaceSite_->OnPosRectChange(&wanted);  // the container answers with SetObjectRects
        if (position_.right - position_.left != size.cx || position_.bottom - position_.top != size.cy)
            SetObjectRects(wanted);  // a container that ignores the request still sees the size
    } else {
        ApplySize(size);
    }
}

void ActiveXControl::InitNewProperties() {
    OnInitProperties();
    dirty_ = false;
}

void ActiveXControl::LoadProperties(PropertyReader& reader) {
    OnReadProperties(reader);
    dirty_ = false;
}

void ActiveXControl::SaveProperties(PropertyWriter& writer) { OnWriteProperties(writer); }

void ActiveXControl::AmbientPropertyChanged(DISPID dispid) { OnAmbientChanged(dispid); }

void ActiveXControl::FreezeEvents(bool freeze) {
    freezeCount_ += freeze ? 1 : -1;
    if (freezeCount_ < 0) freezeCount_ = 0;
}

void ActiveXControl::DrawContent(HDC dc, const RECT& bounds) { OnDraw(dc, bounds); }

void ActiveXControl::OnDraw(HDC dc, const RECT& bounds) { FillRect(dc, &bounds, GetSysColorBrush(COLOR_WINDOW)); }

LRESULT ActiveXControl::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        LRESULT result = 0;
        if (OnMessage(message, wParam, lParam, result)) return result;
        switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT draws everything
        case WM_DESTROY:
            // Destroyed with its parent rather than by deactivation: forget it here.
            if (window == window_) {
                OnWindowDestroying(window);
                window_ = nullptr;
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT client;
            GetClientRect(window, &client);
            OnDraw(dc, client);
            EndPaint(window, &paint);
            return 0;
        }
        default:
            break;
        }
    } catch (...) {
        // Nothing may unwind through the window manager.
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HRESULT ActiveXControl::AmbientProperty(DISPID dispid, VARIANT& value) const {
    VariantInit(&value);
    ComPtr<IDispatch> ambient;
    if (!clientSite_ || FAILED(clientSite_.As(&ambient))) return E_NOINTERFACE;
    DISPPARAMS none{};
    return ambient->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                           nullptr);
}

bool ActiveXControl::AmbientUserMode() const {
    VARIANT value;
    if (FAILED(AmbientProperty(DISPID_AMBIENT_USERMODE, value))) return true;
    bool userMode = true;
    if (SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BOOL))) userMode = value.boolVal != VARIANT_FALSE;
    VariantClear(&value);
    return userMode;
}

std::wstring ActiveXControl::AmbientDisplayName() const {
    VARIANT value;
    std::wstring name;
    if (SUCCEEDED(AmbientProperty(DISPID_AMBIENT_DISPLAYNAME, value)) &&
        SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BSTR)) && value.bstrVal)
        name.assign(value.bstrVal, SysStringLen(value.bstrVal));
    VariantClear(&value);
    if (name.empty()) {
        // Without a name from the container: the class part of the ProgID.
        std::wstring progId = classInfo_.progId;
        size_t dot = progId.find(L'.');
        name = dot == std::wstring::npos ? progId : progId.substr(dot + 1);
    }
    return name;
}

void ActiveXControl::PropertyChanged(DISPID dispid) {
    dirty_ = true;
    connections_.NotifyChanged(dispid);
}

void ActiveXControl::FireEvent(DISPID dispid, VARIANTARG* args, UINT count) {
    if (freezeCount_ > 0) return;  // the container asked for no events now
    ComPtr<IUnknown> keepAlive(&oleObject_);  // a handler may release the control
    connections_.Fire(dispid, args, count);
}

void ActiveXControl::Redraw() {
    if (window_) InvalidateRect(window_, nullptr, TRUE);
    viewObject_.SendViewChange();
}
