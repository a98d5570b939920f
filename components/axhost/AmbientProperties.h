#pragma once
// The ambient properties a container gives its controls.
#include <oaidl.h>

#include <string>

struct AmbientProperties {
    bool userMode = true;          // false: the control sits in a designer
    std::wstring displayName;      // the control's name on its form
};

// The value of an ambient property; DISP_E_MEMBERNOTFOUND for those the container
// does not offer (the control then uses its own default).
HRESULT AmbientValue(const AmbientProperties& ambient, DISPID dispid, VARIANT& value);
