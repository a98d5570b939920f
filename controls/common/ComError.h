#pragma once
// Errors at a COM boundary: an AppError becomes an HRESULT plus the thread's IErrorInfo
// (number, source and description), so no exception ever leaves a COM method.
#include "AppError.h"

#include <windows.h>

// Negative numbers are already HRESULTs; runtime numbers go into FACILITY_CONTROL
// (380 becomes 0x800A017C).
HRESULT HResultOf(const AppError& error);

// Sets the thread's error information for error raised through interface iid and
// returns its HRESULT.
HRESULT ReturnComError(const AppError& error, REFIID iid);

// Runs body, which returns an HRESULT; any exception becomes ReturnComError.
template <typename Body>
HRESULT ComBoundary(REFIID iid, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        try {
            return ReturnComError(CurrentExceptionAsError(), iid);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
}
