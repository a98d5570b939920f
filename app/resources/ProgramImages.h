#pragma once
// The program's own pictures, drawn at run time: the main form's icon (the one shown in
// the notification area) and the images of the tray menu.
#include "ScopedHandle.h"

#include <string>

// Six small planes in two rows on a dark blue tile.
ScopedIcon CreateFormIcon(int size);

// The image of a tray menu key: "q_Key1" a green plus (new desktop), "q_Key2" a red
// minus (remove desktop), "none" and any other key an empty, transparent image.
ScopedIcon CreateMenuImage(const std::wstring& key, int size);
