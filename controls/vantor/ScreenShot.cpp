#include "ScreenShot.h"

#include "ComError.h"
#include "FailureReport.h"
#include "ScreenCapture.h"

#include <olectl.h>

namespace {

constexpr long kInvalidWindow = ssErrInvalidWindow;  // 0x80040000 + 10000
constexpr DISPID kDoneEvent = 1;
constexpr LONG kDesignerSize = DesignerButton::kSize;

FailureSite SiteOf(const wchar_t* member) { return FailureSite{member, ModuleKind::UserControl, L"ScreenShot"}; }

// Window handles are 32-bit values, also in a 64-bit process.
HWND HandleOf(LONG value) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(value)); }

bool IsMissing(const VARIANT& argument) {
    return argument.vt == VT_EMPTY || (argument.vt == VT_ERROR && argument.scode == DISP_E_PARAMNOTFOUND);
}

LONG LongOf(const VARIANT& argument, const std::wstring& source) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(VariantChangeType(&value, const_cast<VARIANT*>(&argument), 0, VT_I4)))
        throw RuntimeFailure(RuntimeError::TypeMismatch, source);
    return value.lVal;
}

AppError InvalidWindow(LONG handle, std::wstring source) {
    return AppError(kInvalidWindow, std::move(source), L"Ungültiges Fenster-Handle: " + std::to_wstring(handle));
}

// Sets the resize guard for one call of the resize handler.
class GuardScope {
public:
    explicit GuardScope(bool& guard) : guard_(guard) { guard_ = true; }
    ~GuardScope() { guard_ = false; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

private:
    bool& guard_;
};

template <typename T>
HRESULT HandOut(const ComPtr<T>& object, T** out) {
    *out = object.Get();
    if (*out) (*out)->AddRef();
    return S_OK;
}

// A member that reports its own failures: the caller always sees success.
template <typename Body>
HRESULT Reported(const wchar_t* member, Body&& body) {
    return ComBoundary(IID__ScreenShot, [&] {
        RunReported(SiteOf(member), body);
        return S_OK;
    });
}

}  // namespace

extern const ControlClassInfo kScreenShotClass;

ScreenShot::ScreenShot() : ActiveXControl(kScreenShotClass, IID__ScreenShot, DIID___ScreenShot) {}

HRESULT CreateScreenShot(REFIID riid, void** object) { return CreateControl<ScreenShot>(riid, object); }

std::wstring ScreenShot::SourceOf(const wchar_t* member) const { return AmbientDisplayName() + L"." + member; }

STDMETHODIMP ScreenShot::get_ScreenShotMode(ScreenShotModeConstants* value) {
    if (!value) return E_POINTER;
    *value = mode_;
    return S_OK;
}

STDMETHODIMP ScreenShot::put_ScreenShotMode(ScreenShotModeConstants value) {
    return Reported(L"ScreenShotMode", [&] {
        if (value != mode_) {
            if (value < ssScreen || value > ssClientRect)
                throw RuntimeFailure(RuntimeError::InvalidPropertyValue, SourceOf(L"ScreenShotMode"));
            mode_ = value;
        }
        PropertyChanged(DISPID_VALUE);
    });
}

STDMETHODIMP ScreenShot::get_Picture(IPictureDisp** value) {
    if (!value) return E_POINTER;
    return HandOut(picture_, value);
}

STDMETHODIMP ScreenShot::get_Window(LONG* value) {
    if (!value) return E_POINTER;
    *value = windowHandle_;
    return S_OK;
}

STDMETHODIMP ScreenShot::put_Window(LONG value) {
    return Reported(L"Window", [&] {
        windowHandle_ = value;  // kept even when it names no window
        if (!IsWindow(HandleOf(value))) throw InvalidWindow(value, SourceOf(L"Window"));
    });
}

STDMETHODIMP ScreenShot::Clear(IPictureDisp** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return Reported(L"Clear", [&] {
        picture_.Reset();
        Redraw();
    });
}

STDMETHODIMP ScreenShot::Shot(VARIANT mode, VARIANT window, IPictureDisp** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return Reported(L"Shot", [&] { HandOut(TakeShot(mode, window), result); });
}

ComPtr<IPictureDisp> ScreenShot::TakeShot(const VARIANT& modeArgument, const VARIANT& windowArgument) {
    const LONG mode = IsMissing(modeArgument) ? static_cast<LONG>(mode_) : LongOf(modeArgument, SourceOf(L"Shot"));
    if (mode < ssScreen || mode > ssClientRect) throw RuntimeFailure(RuntimeError::InvalidCall, SourceOf(L"Shot"));
    CaptureSource source;
    if (mode == ssScreen) {
        source = ScreenSource();
    } else {
        const LONG handle = IsMissing(windowArgument) ? windowHandle_ : LongOf(windowArgument, SourceOf(L"Shot"));
        const HWND window = HandleOf(handle);
        if (!IsWindow(window)) throw InvalidWindow(handle, SourceOf(L"Shot"));
        source = mode == ssWindow ? WindowSource(window) : ClientSource(window);
    }

    // The control grows to the picture, copies the pixels into its persistent drawing
    // surface, keeps them as its picture and shrinks to one pixel again.
    RequestSizePixels(source.size);
    ComPtr<IPictureDisp> picture = CopyToPicture(source, GetSysColor(COLOR_WINDOW));
    source.dc.Reset();
    picture_ = picture;
    RequestSizePixels(SIZE{1, 1});
    Redraw();
    RaiseDone(picture_);
    return picture_;
}

void ScreenShot::RaiseDone(const ComPtr<IPictureDisp>& picture) {
    // Done hands the picture by reference; whatever the handler leaves there is ours
    // to release.
    IPictureDisp* argument = picture.Get();
    if (argument) argument->AddRef();
    VARIANTARG arg;
    VariantInit(&arg);
    arg.vt = VT_BYREF | VT_DISPATCH;
    arg.ppdispVal = reinterpret_cast<IDispatch**>(&argument);
    FireEvent(kDoneEvent, &arg, 1);
    if (argument) argument->Release();
}

void ScreenShot::OnInitProperties() {
    RunReported(SiteOf(L"UserControl_InitProperties"), [&] {
        mode_ = ssScreen;
        ShowButtonForMode();
    });
}

void ScreenShot::OnReadProperties(PropertyReader& reader) {
    RunReported(SiteOf(L"UserControl_ReadProperties"), [&] {
        ShowButtonForMode();
        const long stored = reader.ReadLong(L"ScreenShotMode", ssScreen);
        // A damaged store must not leave a mode Shot cannot take.
        if (stored < ssScreen || stored > ssClientRect)
            throw RuntimeFailure(RuntimeError::InvalidPropertyValue, SourceOf(L"ScreenShotMode"));
        mode_ = static_cast<ScreenShotModeConstants>(stored);
    });
}

void ScreenShot::OnWriteProperties(PropertyWriter& writer) {
    RunReported(SiteOf(L"UserControl_WriteProperties"),
                [&] { writer.WriteLong(L"ScreenShotMode", mode_, ssScreen); });
}

void ScreenShot::OnResize() {
    RunReported(SiteOf(L"UserControl_Resize"), [&] {
        if (resizing_) return;
        GuardScope guard(resizing_);
        // In a designer the control is always a square of its button's size.
        if (!AmbientUserMode()) RequestSizePixels(SIZE{kDesignerSize, kDesignerSize});
    });
}

void ScreenShot::OnDraw(HDC dc, const RECT& bounds) {
    FillRect(dc, &bounds, GetSysColorBrush(COLOR_WINDOW));
    if (cmdBack_.Visible()) cmdBack_.DrawPicture(dc, bounds.left, bounds.top);
}

void ScreenShot::OnAmbientChanged(DISPID dispid) {
    if (dispid != DISPID_AMBIENT_USERMODE && dispid != DISPID_UNKNOWN) return;
    ShowButtonForMode();
    OnResize();
}

void ScreenShot::OnWindowCreated(HWND window) { cmdBack_.Create(window); }

void ScreenShot::OnWindowDestroying(HWND) { cmdBack_.Destroy(); }

bool ScreenShot::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM || !cmdBack_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
    result = TRUE;
    return true;
}

void ScreenShot::ShowButtonForMode() { cmdBack_.SetVisible(!AmbientUserMode()); }
