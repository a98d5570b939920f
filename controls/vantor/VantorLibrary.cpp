// The screenshot control library: type library Snaplib with its one control class.
#include "ControlClass.h"
#include "ScreenShot.h"

#include <olectl.h>

extern const ControlClassInfo kScreenShotClass;
const ControlClassInfo kScreenShotClass{
    &CLSID_ScreenShot, L"Snaplib.ScreenShot", L"Snaplib.ScreenShot",
    OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
        OLEMISC_SETCLIENTSITEFIRST,
    &CreateScreenShot};

const ControlLibraryInfo& ThisControlLibrary() {
    static const ControlLibraryInfo library{&LIBID_Snaplib, 1, 0, std::span<const ControlClassInfo>(&kScreenShotClass, 1)};
    return library;
}
