#include "FailureReport.h"

#include "MessageBoxSeam.h"

#include <new>

std::wstring_view ModuleKindName(ModuleKind kind) {
    switch (kind) {
    case ModuleKind::Module: return L"Modul";
    case ModuleKind::Form: return L"Formular";
    case ModuleKind::ClassModule: return L"Klassenmodul";
    case ModuleKind::UserControl: return L"Benutzersteuerelement";
    }
    return L"Modul";
}

std::wstring FormatFailureReport(const AppError& error, const FailureSite& site) {
    std::wstring text = L"Error " + std::to_wstring(error.Number()) + L" (" + error.Description() +
                        L") in procedure ";
    text += site.procedure;
    text += L" of ";
    text += ModuleKindName(site.kind);
    text += L" ";
    text += site.module;
    return text;
}

void ShowFailureReport(const AppError& error, const FailureSite& site) {
    ShowMessageBox(FormatFailureReport(error, site), kProgramTitle, MB_OK);
}

AppError RuntimeFailure(long number, std::wstring source) {
    const wchar_t* description = L"Application-defined or object-defined error";
    switch (number) {
    case RuntimeError::InvalidCall: description = L"Invalid procedure call or argument"; break;
    case RuntimeError::Overflow: description = L"Overflow"; break;
    case RuntimeError::OutOfMemory: description = L"Out of memory"; break;
    case RuntimeError::SubscriptOutOfRange: description = L"Subscript out of range"; break;
    case RuntimeError::TypeMismatch: description = L"Type mismatch"; break;
    case RuntimeError::InvalidPropertyValue: description = L"Invalid property value"; break;
    case 52: description = L"Bad file name or number"; break;
    case 53: description = L"File not found"; break;
    case 58: description = L"File already exists"; break;
    case 61: description = L"Disk full"; break;
    case 70: description = L"Permission denied"; break;
    case 75: description = L"Path/File access error"; break;
    case 76: description = L"Path not found"; break;
    default: break;
    }
    return AppError(number, std::move(source), description);
}

AppError CurrentExceptionAsError() {
    try {
        throw;
    } catch (const AppError& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return RuntimeFailure(RuntimeError::OutOfMemory);
    } catch (const std::exception& e) {
        std::string what = e.what();
        return AppError(RuntimeError::InvalidCall, {}, std::wstring(what.begin(), what.end()));
    } catch (...) {
        return RuntimeFailure(RuntimeError::InvalidCall);
    }
}
