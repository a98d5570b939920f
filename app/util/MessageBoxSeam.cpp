#include "MessageBoxSeam.h"

namespace {
MessageBoxPresenter* g_presenter = nullptr;
}

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT style, HWND owner) {
    if (g_presenter) return g_presenter->Present({owner, text, caption, style});
    return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

MessageBoxPresenter* SetMessageBoxPresenter(MessageBoxPresenter* presenter) {
    MessageBoxPresenter* previous = g_presenter;
    g_presenter = presenter;
    return previous;
}
