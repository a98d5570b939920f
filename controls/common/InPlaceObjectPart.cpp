#include "InPlaceObjectPart.h"

#include "ActiveXControl.h"
#include "ComError.h"

STDMETHODIMP InPlaceObjectPart::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = owner_.Window();
    return *window ? S_OK : E_FAIL;
}

STDMETHODIMP InPlaceObjectPart::InPlaceDeactivate() {
    return ComBoundary(IID_IOleInPlaceObject, [&] {
        owner_.InPlaceDeactivate();
        return S_OK;
    });
}

STDMETHODIMP InPlaceObjectPart::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    return ComBoundary(IID_IOleInPlaceObject, [&] {
        owner_.SetObjectRects(*position);
        return S_OK;
    });
}
