#include "ViewObjectPart.h"

#include "ActiveXControl.h"
#include "ComError.h"

STDMETHODIMP ViewObjectPart::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                                  BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc || !bounds) return E_INVALIDARG;
    return ComBoundary(IID_IViewObject, [&] {
        RECT area{bounds->left, bounds->top, bounds->right, bounds->bottom};
        owner_.DrawContent(dc, area);
        return S_OK;
    });
}

STDMETHODIMP ViewObjectPart::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
    if (colors) *colors = nullptr;
    return S_FALSE;
}

STDMETHODIMP ViewObjectPart::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    sink_ = sink;
    aspects_ = aspects;
    flags_ = flags;
    return S_OK;
}

STDMETHODIMP ViewObjectPart::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = aspects_;
    if (flags) *flags = flags_;
    if (sink) {
        *sink = sink_.Get();
        if (*sink) (*sink)->AddRef();
    }
    return S_OK;
}

STDMETHODIMP ViewObjectPart::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = owner_.Extent();
    return S_OK;
}

void ViewObjectPart::SendViewChange() {
    if (sink_ && (aspects_ & DVASPECT_CONTENT)) sink_->OnViewChange(DVASPECT_CONTENT, -1);
}
