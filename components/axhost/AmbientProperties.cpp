#include "AmbientProperties.h"

#include <olectl.h>
#include <oleauto.h>

HRESULT AmbientValue(const AmbientProperties& ambient, DISPID dispid, VARIANT& value) {
    VariantInit(&value);
    switch (dispid) {
    case DISPID_AMBIENT_USERMODE:
        value.vt = VT_BOOL;
        value.boolVal = ambient.userMode ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    case DISPID_AMBIENT_DISPLAYNAME:
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocStringLen(ambient.displayName.data(), static_cast<UINT>(ambient.displayName.size()));
        return value.bstrVal ? S_OK : E_OUTOFMEMORY;
    case DISPID_AMBIENT_LOCALEID:
        value.vt = VT_I4;
        value.lVal = static_cast<LONG>(GetUserDefaultLCID());
        return S_OK;
    case DISPID_AMBIENT_MESSAGEREFLECT:
    case DISPID_AMBIENT_SHOWGRABHANDLES:
    case DISPID_AMBIENT_SHOWHATCHING:
        value.vt = VT_BOOL;
        value.boolVal = VARIANT_FALSE;
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}
