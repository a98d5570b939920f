#pragma once
// The pixels Shot takes: which device context and size each mode reads, and the copy
// into a picture object.
#include "ComPtr.h"
#include "ScopedHandle.h"

#include <ocidl.h>

// A source of pixels: a window's device context (released when done) and the size of
// the block to copy from its origin.
struct CaptureSource {
    ScopedWindowDc dc;
    SIZE size{};
};

CaptureSource ScreenSource();                  // mode 0: the whole screen
CaptureSource WindowSource(HWND window);       // mode 1: the window with its frame
CaptureSource ClientSource(HWND window);       // mode 2: the window's client area

// Copies size pixels from the source's origin into a new bitmap, first cleared to
// background, and wraps it in a picture object that owns it.
ComPtr<IPictureDisp> CopyToPicture(const CaptureSource& source, COLORREF background);
