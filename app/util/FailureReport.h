#pragma once
// The one failure report of the program: "Error <n> (<description>) in procedure <name>
// of <kind> <module>", shown with only an OK button, no icon, caption "Hexaplane".
#include "AppError.h"

#include <string>
#include <string_view>

enum class ModuleKind { Module, Form, ClassModule, UserControl };

// Where a report comes from. Module names are fixed per procedure and are not always
// the name of the file that holds it.
struct FailureSite {
    std::wstring_view procedure;
    ModuleKind kind;
    std::wstring_view module;
};

inline constexpr wchar_t kProgramTitle[] = L"Hexaplane";

std::wstring_view ModuleKindName(ModuleKind kind);
std::wstring FormatFailureReport(const AppError& error, const FailureSite& site);
void ShowFailureReport(const AppError& error, const FailureSite& site);

// Runs body at a procedure's boundary: any failure is reported for site and the neutral
// result returned instead.
template <typename Result, typename Body>
Result RunReported(const FailureSite& site, Result neutral, Body&& body) {
    try {
        return body();
    } catch (...) {
        ShowFailureReport(CurrentExceptionAsError(), site);
        return neutral;
    }
}

template <typename Body>
void RunReported(const FailureSite& site, Body&& body) {
    try {
        body();
    } catch (...) {
        ShowFailureReport(CurrentExceptionAsError(), site);
    }
}
