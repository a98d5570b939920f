#pragma once
// cmdBack: the 32 x 32 pixel picture button the control shows in a form designer.
#include "ScopedHandle.h"

#include <windows.h>

class DesignerButton {
public:
    DesignerButton();
    DesignerButton(const DesignerButton&) = delete;
    DesignerButton& operator=(const DesignerButton&) = delete;

    static constexpr int kSize = 32;

    void Create(HWND parent);  // as a child of the control's window
    void Destroy();
    void SetVisible(bool visible);
    bool Visible() const { return visible_; }
    // Draws the picture with its magenta pixels left transparent.
    void DrawPicture(HDC dc, int x, int y) const;
    // WM_DRAWITEM of the owner; true when it was this button's.
    bool Draw(const DRAWITEMSTRUCT& item) const;

private:
    GdiObject picture_;
    HWND window_ = nullptr;
    bool visible_ = false;
};
