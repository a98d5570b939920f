#pragma once
// MenuExtended: draws the popup menus of a window with images beside their captions
// (caption syntax "text|#key", see MenuCaption.h), in one of two styles the user picks in
// a style dialog, and pops a menu up at the mouse position.
#include "KeyedImageList.h"
#include "MenuCaption.h"

#include <windows.h>

#include <string>
#include <vector>

class MenuEventSink {
public:
    virtual ~MenuEventSink() = default;
    // Raised while the user moves through a menu.
    virtual void MenuHelp(const std::wstring& MenuText, const std::wstring& MenuHelp, bool Enabled) = 0;
};

enum class MenuStyle { Classic = 0, Flat = 1 };

class MenuExtended {
public:
    MenuExtended() = default;
    ~MenuExtended();
    MenuExtended(const MenuExtended&) = delete;
    MenuExtended& operator=(const MenuExtended&) = delete;

    // From now on the menus window pops up are drawn with images from images. programPath
    // names the program; the chosen style is kept per program.
    bool Attach(HWND window, const std::wstring& programPath, const KeyedImageList* images, int mode,
                MenuEventSink* events);
    // Shows the items of menu at (x, y) in screen pixels, or at the mouse position when
    // they are negative, and delivers the chosen item to owner as WM_COMMAND. Returns the
    // chosen command id, 0 when the menu was dismissed.
    UINT Popup(HWND owner, HMENU menu, double x = -1.0, double y = -1.0);
    // Lets the user choose the drawing style; true when a style was chosen.
    bool StyleDialog(HWND window);
    void Detach(HWND window, const KeyedImageList* images, MenuEventSink* events);

    bool IsAttached() const { return window_ != nullptr; }
    MenuStyle Style() const { return style_; }
    void SetStyle(MenuStyle style);

private:
    struct DrawnItem {
        HMENU menu;
        UINT position;
        UINT originalType;
        std::wstring caption;
        MenuCaption parsed;
    };

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void MakeOwnerDrawn(HMENU menu);
    void RestoreCaptions();
    void Measure(MEASUREITEMSTRUCT& item) const;
    void Draw(const DRAWITEMSTRUCT& item) const;
    void ReportMenuHelp(HMENU menu, UINT item, UINT flags);
    const DrawnItem* Find(ULONG_PTR data) const;

    HWND window_ = nullptr;
    std::wstring programPath_;
    const KeyedImageList* images_ = nullptr;
    MenuEventSink* events_ = nullptr;
    MenuStyle style_ = MenuStyle::Flat;
    std::vector<DrawnItem> drawn_;
};
