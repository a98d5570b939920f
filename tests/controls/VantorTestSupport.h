#pragma once
// What the screenshot control's tests share: the library loaded from the build and
// registered, a window that paints one known colour, the pixels of a returned picture
// and a form that hosts the control by its class name.
#include "AxControl.h"
#include "ComPtr.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

inline constexpr wchar_t kScreenShotProgId[] = L"Snaplib.ScreenShot";
inline constexpr wchar_t kScreenShotClsid[] = L"{D2E7F186-2BF3-4EF2-8E74-B9728C6CAD96}";
inline constexpr wchar_t kSnaplibLibId[] = L"{B6156C37-9F08-4243-B2BC-285B572190AF}";
inline constexpr wchar_t kScreenShotIid[] = L"{0C16A0B5-DEE5-46FC-BF2C-9B589F905C8A}";
inline constexpr wchar_t kScreenShotEventsIid[] = L"{78B9A0E8-75BD-4DD8-8D57-E50B040C153A}";

// Full path of Vantor.dll next to the test program.
std::wstring VantorPath();

// Loads Vantor.dll, registers it machine-wide (what creation by class name needs under
// Wine) and sends its message boxes to this program's seam, where MessageBoxRecorder
// sees them. Once per process.
HMODULE LoadRegisteredVantor();

// A top-level window whose client area is painted in one colour, shown and painted.
class PaintedWindow {
public:
    static constexpr COLORREF kColour = RGB(20, 160, 90);
    PaintedWindow(int x, int y, int width, int height);
    ~PaintedWindow();
    PaintedWindow(const PaintedWindow&) = delete;
    PaintedWindow& operator=(const PaintedWindow&) = delete;

    HWND Handle() const { return window_; }
    LONG HandleValue() const { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(window_)); }

private:
    HWND window_;
};

// The handle value of a window that no longer exists.
LONG DestroyedWindowHandle();

// Size and top-down pixels (0x00RRGGBB) of a picture's bitmap.
struct PictureBits {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
    DWORD At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
PictureBits BitsOf(IDispatch* picture);
DWORD RgbOf(COLORREF colour);

// A form window with one screenshot control on it.
class ScreenShotForm {
public:
    explicit ScreenShotForm(bool userMode = true, IPropertyBag* bag = nullptr);
    ~ScreenShotForm();
    ScreenShotForm(const ScreenShotForm&) = delete;
    ScreenShotForm& operator=(const ScreenShotForm&) = delete;

    AxControl& Control() { return *control_; }
    HWND FormWindow() const { return form_; }
    // The pictures Done delivered, in order.
    const std::vector<ComPtr<IDispatch>>& DonePictures() const { return done_; }
    // Size of the control's own window.
    SIZE ControlWindowSize() const;

private:
    HWND form_;
    std::unique_ptr<AxControl> control_;
    std::vector<ComPtr<IDispatch>> done_;
};

// Processes the window messages waiting for this thread.
void PumpMessages();
