#include "ScreenCapture.h"

#include "AppError.h"
#include "SystemText.h"

#include <olectl.h>

namespace {

[[noreturn]] void RaiseLastError(const wchar_t* step) {
    DWORD code = GetLastError();
    if (code == 0) code = ERROR_INVALID_HANDLE;
    throw AppError(static_cast<long>(code), step, DllErrorText(code));
}

}  // namespace

CaptureSource ScreenSource() {
    CaptureSource source;
    HWND desktop = GetDesktopWindow();
    source.dc.Reset(WindowDc{desktop, GetDC(desktop)});
    if (!source.dc) RaiseLastError(L"GetDC");
    source.size = SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return source;
}

namespace {

// A window's device context from getDc and the size of area, a rectangle of that window.
CaptureSource WindowAreaSource(HWND window, BOOL(WINAPI* getArea)(HWND, LPRECT), HDC(WINAPI* getDc)(HWND),
                               const wchar_t* step) {
    CaptureSource source;
    RECT area{};
    if (!getArea(window, &area)) RaiseLastError(step);
    source.dc.Reset(WindowDc{window, getDc(window)});
    if (!source.dc) RaiseLastError(step);
    source.size = SIZE{area.right - area.left, area.bottom - area.top};
    return source;
}

}  // namespace

CaptureSource WindowSource(HWND window) { return WindowAreaSource(window, GetWindowRect, GetWindowDC, L"GetWindowDC"); }

CaptureSource ClientSource(HWND window) { return WindowAreaSource(window, GetClientRect, GetDC, L"GetDC"); }

ComPtr<IPictureDisp> CopyToPicture(const CaptureSource& source, COLORREF background) {
    // An empty rectangle (a minimised or zero-sized window) still gives a picture.
    const int width = source.size.cx > 0 ? source.size.cx : 1;
    const int height = source.size.cy > 0 ? source.size.cy : 1;
    HDC from = source.dc.Get().dc;
    MemoryDc surface(CreateCompatibleDC(from));
    GdiObject bitmap(CreateCompatibleBitmap(from, width, height));
    if (!surface || !bitmap) RaiseLastError(L"CreateCompatibleBitmap");
    HGDIOBJ previous = SelectObject(surface.Get(), bitmap.Get());
    RECT all{0, 0, width, height};
    GdiObject brush(CreateSolidBrush(background));
    FillRect(surface.Get(), &all, static_cast<HBRUSH>(brush.Get()));
    BOOL copied = BitBlt(surface.Get(), 0, 0, source.size.cx, source.size.cy, from, 0, 0, SRCCOPY);
    DWORD copyError = GetLastError();
    SelectObject(surface.Get(), previous);  // a picture may only own a bitmap no context holds
    if (!copied && source.size.cx > 0 && source.size.cy > 0) {
        SetLastError(copyError);
        RaiseLastError(L"BitBlt");
    }

    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = static_cast<HBITMAP>(bitmap.Get());
    ComPtr<IPictureDisp> picture;
    HRESULT hr = OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                          reinterpret_cast<void**>(picture.GetAddressOf()));
    if (FAILED(hr)) throw AppError(hr, L"OleCreatePictureIndirect", DllErrorText(static_cast<DWORD>(hr)));
    bitmap.Release();  // the picture owns it now
    return picture;
}
