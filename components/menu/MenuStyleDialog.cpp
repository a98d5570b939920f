#include "MenuStyleDialog.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Builds a dialog template in memory, so the component carries no resources of its own.
class DialogTemplate {
public:
    DialogTemplate(const wchar_t* caption, short cx, short cy) {
        Add<uint32_t>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
        Add<uint32_t>(0);  // extended style
        countAt_ = words_.size();
        Add<uint16_t>(0);  // item count, filled in by AddItem
        Add<int16_t>(0);
        Add<int16_t>(0);
        Add<int16_t>(cx);
        Add<int16_t>(cy);
        Add<uint16_t>(0);  // no menu
        Add<uint16_t>(0);  // standard class
        AddText(caption);
        Add<uint16_t>(8);
        AddText(L"MS Shell Dlg");
    }

    void AddItem(uint16_t atom, DWORD style, short x, short y, short cx, short cy, WORD id, const wchar_t* text) {
        if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD boundary
        Add<uint32_t>(style | WS_CHILD | WS_VISIBLE);
        Add<uint32_t>(0);
        Add<int16_t>(x);
        Add<int16_t>(y);
        Add<int16_t>(cx);
        Add<int16_t>(cy);
        Add<uint16_t>(id);
        Add<uint16_t>(0xFFFF);
        Add<uint16_t>(atom);
        AddText(text);
        Add<uint16_t>(0);  // no creation data
        ++words_[countAt_];
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    template <typename T>
    void Add(T value) {
        static_assert(sizeof(T) % 2 == 0);
        const auto* parts = reinterpret_cast<const uint16_t*>(&value);
        words_.insert(words_.end(), parts, parts + sizeof(T) / 2);
    }
    void AddText(const wchar_t* text) {
        for (; *text; ++text) words_.push_back(static_cast<uint16_t>(*text));
        words_.push_back(0);
    }

    std::vector<uint16_t> words_;
    size_t countAt_ = 0;
};

constexpr uint16_t kButton = 0x0080;

struct DialogState {
    MenuStyle style;
};

INT_PTR CALLBACK StyleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        auto state = reinterpret_cast<DialogState*>(lParam);
        CheckRadioButton(dialog, IDC_MENUSTYLE_CLASSIC, IDC_MENUSTYLE_FLAT,
                         state->style == MenuStyle::Classic ? IDC_MENUSTYLE_CLASSIC : IDC_MENUSTYLE_FLAT);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            auto state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
            state->style = IsDlgButtonChecked(dialog, IDC_MENUSTYLE_CLASSIC) ? MenuStyle::Classic : MenuStyle::Flat;
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

bool ShowMenuStyleDialog(HWND owner, MenuStyle& style) {
    DialogTemplate dialog(L"Menu Style", 150, 74);
    dialog.AddItem(kButton, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 10, 8, 130, 12, IDC_MENUSTYLE_CLASSIC,
                   L"Classic");
    dialog.AddItem(kButton, BS_AUTORADIOBUTTON, 10, 24, 130, 12, IDC_MENUSTYLE_FLAT, L"Flat with image column");
    dialog.AddItem(kButton, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 36, 52, 50, 14, IDOK, L"OK");
    dialog.AddItem(kButton, BS_PUSHBUTTON | WS_TABSTOP, 92, 52, 50, 14, IDCANCEL, L"Cancel");
    DialogState state{style};
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner, StyleDialogProc,
                                             reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return false;
    style = state.style;
    return true;
}
