#include "DesignerButton.h"

#include "ControlModule.h"
#include "VantorResources.h"

namespace {
constexpr UINT kButtonId = 1;
constexpr COLORREF kTransparent = RGB(255, 0, 255);
}  // namespace

DesignerButton::DesignerButton()
    : picture_(LoadImageW(ControlModuleHandle(), MAKEINTRESOURCEW(IDB_SCREENSHOT_BUTTON), IMAGE_BITMAP, 0, 0,
                          LR_CREATEDIBSECTION)) {}

void DesignerButton::Create(HWND parent) {
    Destroy();
    window_ = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_OWNERDRAW | (visible_ ? WS_VISIBLE : 0), 0, 0, kSize,
                              kSize, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kButtonId)),
                              ControlModuleHandle(), nullptr);
}

void DesignerButton::Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
}

void DesignerButton::SetVisible(bool visible) {
    visible_ = visible;
    if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void DesignerButton::DrawPicture(HDC dc, int x, int y) const {
    if (!picture_) return;
    MemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    HGDIOBJ previous = SelectObject(source.Get(), picture_.Get());
    TransparentBlt(dc, x, y, kSize, kSize, source.Get(), 0, 0, kSize, kSize, kTransparent);
    SelectObject(source.Get(), previous);
}

bool DesignerButton::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.hwndItem != window_ || !window_) return false;
    RECT face = item.rcItem;
    FillRect(item.hDC, &face, GetSysColorBrush(COLOR_BTNFACE));
    UINT edge = (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED;
    DrawEdge(item.hDC, &face, edge, BF_RECT);
    DrawPicture(item.hDC, face.left, face.top);
    return true;
}
