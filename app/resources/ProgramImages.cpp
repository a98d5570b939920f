#include "ProgramImages.h"

#include <functional>

namespace {

// Paints an icon in two passes over the same shapes: once into the colour bitmap, once
// into the mask, where black marks the opaque pixels.
using IconPainter = std::function<void(HDC dc, int size, bool maskPass)>;

ScopedIcon PaintIcon(int size, const IconPainter& paint) {
    ScopedWindowDc screen(WindowDc{nullptr, GetDC(nullptr)});
    MemoryDc dc(CreateCompatibleDC(screen.Get().dc));
    GdiObject colour(CreateCompatibleBitmap(screen.Get().dc, size, size));
    GdiObject mask(CreateBitmap(size, size, 1, 1, nullptr));
    if (!dc || !colour || !mask) return ScopedIcon();
    const RECT all = {0, 0, size, size};

    HGDIOBJ old = SelectObject(dc.Get(), colour.Get());
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    paint(dc.Get(), size, false);
    SelectObject(dc.Get(), mask.Get());
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    paint(dc.Get(), size, true);
    SelectObject(dc.Get(), old);

    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = static_cast<HBITMAP>(colour.Get());
    info.hbmMask = static_cast<HBITMAP>(mask.Get());
    return ScopedIcon(CreateIconIndirect(&info));
}

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    GdiObject brush(CreateSolidBrush(colour));
    RECT box = {left, top, right, bottom};
    FillRect(dc, &box, static_cast<HBRUSH>(brush.Get()));
}

COLORREF Shape(bool maskPass, COLORREF colour) { return maskPass ? RGB(0, 0, 0) : colour; }

}  // namespace

ScopedIcon CreateFormIcon(int size) {
    return PaintIcon(size, [](HDC dc, int size, bool maskPass) {
        FillBox(dc, 0, 0, size, size, Shape(maskPass, RGB(24, 52, 110)));
        const int gap = size / 8;
        const int width = (size - 4 * gap) / 3;
        const int height = (size - 3 * gap) / 2;
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 3; ++column) {
                int left = gap + column * (width + gap);
                int top = gap + row * (height + gap);
                COLORREF plane = (row + column) % 2 ? RGB(120, 190, 250) : RGB(250, 250, 250);
                FillBox(dc, left, top, left + width, top + height, Shape(maskPass, plane));
            }
        }
    });
}

ScopedIcon CreateMenuImage(const std::wstring& key, int size) {
    const bool plus = key == L"q_Key1";
    const bool minus = key == L"q_Key2";
    return PaintIcon(size, [plus, minus](HDC dc, int size, bool maskPass) {
        const int bar = size / 5 > 1 ? size / 5 : 2;
        const int middle = (size - bar) / 2;
        const int margin = size / 8;
        if (plus) {
            COLORREF green = Shape(maskPass, RGB(30, 150, 50));
            FillBox(dc, margin, middle, size - margin, middle + bar, green);
            FillBox(dc, middle, margin, middle + bar, size - margin, green);
        } else if (minus) {
            FillBox(dc, margin, middle, size - margin, middle + bar, Shape(maskPass, RGB(200, 40, 40)));
        }
    });
}
