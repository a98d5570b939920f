#pragma once
// An image list whose images are found by text keys ("none", "q_Key1", ...), as the menu
// draws them beside captions.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>


class KeyedImageList {
public:
    KeyedImageList(int width, int height);
    ~KeyedImageList();
    KeyedImageList(const KeyedImageList&) = delete;
    KeyedImageList& operator=(const KeyedImageList&) = delete;

    // Adds a copy of icon under key; false when the list refuses it.
    bool Add(const std::wstring& key, HICON icon);
    bool Has(const std::wstring& key) const { return indexes_.count(key) != 0; }
    // Draws the image of key at (x, y); false when there is no such key.
    bool Draw(const std::wstring& key, HDC dc, int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    HIMAGELIST Handle() const { return list_; }

private:
    HIMAGELIST list_ = nullptr;
    int width_, height_;
    std::map<std::wstring, int> indexes_;
};
