#pragma once
// The caption syntax of drawn menus: "text|#key" shows text with the image of key beside
// it; a caption without "|" has no image.
#include <string>

struct MenuCaption {
    std::wstring text;
    std::wstring imageKey;
};

MenuCaption ParseMenuCaption(const std::wstring& caption);
