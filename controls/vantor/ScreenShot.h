#pragma once
// ScreenShot: the screenshot user control. Takes a picture of the screen, of a window
// with its frame or of a window's client area, keeps it as its Picture and raises Done.
#include "ActiveXControl.h"
#include "AutomationDispatch.h"
#include "DesignerButton.h"
#include "Snaplib.h"

#include <string>

class ScreenShot final : public ActiveXControl, public AutomationDispatch<_ScreenShot> {
public:
    ScreenShot();

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
        return ActiveXControl::QueryInterface(riid, object);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ActiveXControl::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return ActiveXControl::Release(); }

    STDMETHODIMP get_ScreenShotMode(ScreenShotModeConstants* value) override;
    STDMETHODIMP put_ScreenShotMode(ScreenShotModeConstants value) override;
    STDMETHODIMP get_Picture(IPictureDisp** value) override;
    STDMETHODIMP get_Window(LONG* value) override;
    STDMETHODIMP put_Window(LONG value) override;
    STDMETHODIMP Clear(IPictureDisp** result) override;
    STDMETHODIMP Shot(VARIANT mode, VARIANT window, IPictureDisp** result) override;

protected:
    IDispatch* Automation() override { return static_cast<_ScreenShot*>(this); }
    ITypeInfo* DispatchTypeInfo() override { return AutomationTypeInfo(); }

    void OnInitProperties() override;
    void OnReadProperties(PropertyReader& reader) override;
    void OnWriteProperties(PropertyWriter& writer) override;
    void OnResize() override;
    void OnDraw(HDC dc, const RECT& bounds) override;
    void OnAmbientChanged(DISPID dispid) override;
    void OnWindowCreated(HWND window) override;
    void OnWindowDestroying(HWND window) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    ComPtr<IPictureDisp> TakeShot(const VARIANT& modeArgument, const VARIANT& windowArgument);
    void RaiseDone(const ComPtr<IPictureDisp>& picture);
    // The designer shows the button; a running form does not.
    void ShowButtonForMode();
    std::wstring SourceOf(const wchar_t* member) const;

    ScreenShotModeConstants mode_ = ssScreen;
    LONG windowHandle_ = 0;
    ComPtr<IPictureDisp> picture_;
    bool resizing_ = false;
    DesignerButton cmdBack_;
};

HRESULT CreateScreenShot(REFIID riid, void** object);
