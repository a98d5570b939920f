#include "VantorTestSupport.h"

#include "MessageBoxForwarder.h"
#include "MessageBoxSeam.h"
#include "PathRoutines.h"

#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>

namespace {

// A frame but no caption, shown without activation: the window manager side of Wine
// leaves such windows alone, so closing them costs no wait for it.
constexpr DWORD kUnmanagedFramed = WS_POPUP | WS_DLGFRAME;

int CALLBACK ForwardToTestSeam(void*, HWND owner, const wchar_t* text, const wchar_t* caption, UINT style) {
    return ShowMessageBox(text, caption, style, owner);
}

LRESULT CALLBACK PaintedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        HBRUSH brush = CreateSolidBrush(PaintedWindow::kColour);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass)) {
        windowClass = WNDCLASSEXW{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = name;
        RegisterClassExW(&windowClass);
    }
    return name;
}

}  // namespace

std::wstring VantorPath() {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    return AddBackslash(PathFolderPart(exe)) + L"Vantor.dll";
}

HMODULE LoadRegisteredVantor() {
    static HMODULE module = [] {
        HMODULE loaded = LoadLibraryW(VantorPath().c_str());
        if (!loaded) return loaded;
        auto registerServer = reinterpret_cast<HRESULT(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(loaded, "DllRegisterServer")));
        auto forward = reinterpret_cast<decltype(&SetMessageBoxForwarder)>(
            reinterpret_cast<void*>(GetProcAddress(loaded, "SetMessageBoxForwarder")));
        if (!registerServer || FAILED(registerServer()) || !forward) return static_cast<HMODULE>(nullptr);
        forward(&ForwardToTestSeam, nullptr);
        return loaded;
    }();
    return module;
}

PaintedWindow::PaintedWindow(int x, int y, int width, int height) {
    window_ = CreateWindowExW(0, RegisterWindowClass(L"VantorTestPaintedWindow", PaintedWindowProc),
                              L"Painted window", kUnmanagedFramed, x, y, width, height, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    PumpMessages();
}

PaintedWindow::~PaintedWindow() { DestroyWindow(window_); }

LONG DestroyedWindowHandle() {
    HWND window = CreateWindowExW(0, L"STATIC", L"gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    LONG value = static_cast<LONG>(reinterpret_cast<LONG_PTR>(window));
    DestroyWindow(window);
    return value;
}

DWORD RgbOf(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }

PictureBits BitsOf(IDispatch* pictureDisp) {
    PictureBits bits;
    ComPtr<IPicture> picture;
    if (!pictureDisp || FAILED(pictureDisp->QueryInterface(IID_PPV_ARGS(&picture)))) return bits;
    OLE_HANDLE handle = 0;
    SHORT type = 0;
    if (FAILED(picture->get_Handle(&handle)) || FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP) return bits;
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) return bits;
    bits.width = info.bmWidth;
    bits.height = info.bmHeight;
    bits.pixels.resize(static_cast<size_t>(bits.width) * bits.height);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = bits.width;
    format.bmiHeader.biHeight = -bits.height;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, bits.height, bits.pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (DWORD& pixel : bits.pixels) pixel &= 0x00FFFFFF;
    return bits;
}

ScreenShotForm::ScreenShotForm(bool userMode, IPropertyBag* bag) {
    EXPECT_NE(LoadRegisteredVantor(), nullptr);
    form_ = CreateWindowExW(0, RegisterWindowClass(L"VantorTestForm", DefWindowProcW), L"Form",
                            WS_POPUP | WS_CLIPCHILDREN, 600, 100, 400, 300, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    ShowWindow(form_, SW_SHOWNOACTIVATE);
    AmbientProperties ambient;
    ambient.userMode = userMode;
    ambient.displayName = L"ScreenShot1";
    control_ = std::make_unique<AxControl>(kScreenShotProgId, form_, RECT{10, 10, 110, 60}, ambient, bag);
    control_->OnEvent([this](DISPID dispid, DISPPARAMS& params) {
        if (dispid != 1 || params.cArgs != 1) return;
        const VARIANTARG& arg = params.rgvarg[0];
        if (arg.vt == (VT_BYREF | VT_DISPATCH)) done_.push_back(*arg.ppdispVal);
    });
}

ScreenShotForm::~ScreenShotForm() {
    control_.reset();
    DestroyWindow(form_);
}

SIZE ScreenShotForm::ControlWindowSize() const {
    RECT client{};
    GetClientRect(control_->Window(), &client);
    return SIZE{client.right, client.bottom};
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
