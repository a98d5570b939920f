#include "ComError.h"

#include "ComPtr.h"

#include <oleauto.h>

HRESULT HResultOf(const AppError& error) {
    long number = error.Number();
    if (number < 0) return static_cast<HRESULT>(number);
    if (number == 0) return E_FAIL;
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number & 0xFFFF);
}

HRESULT ReturnComError(const AppError& error, REFIID iid) {
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        create->SetGUID(iid);
        create->SetSource(const_cast<LPOLESTR>(error.Source().c_str()));
        create->SetDescription(const_cast<LPOLESTR>(error.Description().c_str()));
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(create.As(&info))) SetErrorInfo(0, info.Get());
    }
    return HResultOf(error);
}
