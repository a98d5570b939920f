#include "MenuCaption.h"

MenuCaption ParseMenuCaption(const std::wstring& caption) {
    size_t bar = caption.rfind(L'|');
    if (bar == std::wstring::npos) return {caption, {}};
    std::wstring tail = caption.substr(bar + 1);
    // "|#" introduces the key; any other text after "|" names no image.
    std::wstring key = (!tail.empty() && tail[0] == L'#') ? tail.substr(1) : std::wstring();
    return {caption.substr(0, bar), key};
}
