#include "ControlClass.h"

const ControlClassInfo* FindControlClass(REFCLSID clsid) {
    for (const ControlClassInfo& info : ThisControlLibrary().classes)
        if (IsEqualCLSID(*info.clsid, clsid)) return &info;
    return nullptr;
}
