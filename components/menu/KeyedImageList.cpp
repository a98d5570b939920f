#include "KeyedImageList.h"

KeyedImageList::KeyedImageList(int width, int height)
    : list_(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4)), width_(width), height_(height) {}

KeyedImageList::~KeyedImageList() {
    if (list_) ImageList_Destroy(list_);
}

bool KeyedImageList::Add(const std::wstring& key, HICON icon) {
    if (!list_) return false;
    int index = ImageList_ReplaceIcon(list_, -1, icon);
    if (index < 0) return false;
    indexes_[key] = index;
    return true;
}

bool KeyedImageList::Draw(const std::wstring& key, HDC dc, int x, int y) const {
    auto found = indexes_.find(key);
    if (found == indexes_.end()) return false;
    return ImageList_Draw(list_, found->second, dc, x, y, ILD_TRANSPARENT) != FALSE;
}
