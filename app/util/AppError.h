#pragma once
// The error value every procedure raises and every failure report shows: a number
// (a Win32 code, a runtime error number or a fixed number of this program), the source
// that raised it and its description.
#include <exception>
#include <string>

class AppError : public std::exception {
public:
    AppError(long number, std::wstring source, std::wstring description)
        : number_(number), source_(std::move(source)), description_(std::move(description)) {}

    long Number() const { return number_; }
    const std::wstring& Source() const { return source_; }
    const std::wstring& Description() const { return description_; }
    const char* what() const noexcept override { return "AppError"; }

private:
    long number_;
    std::wstring source_;
    std::wstring description_;
};

// Runtime error numbers used across the program.
namespace RuntimeError {
constexpr long SubscriptOutOfRange = 9;
constexpr long OutOfMemory = 7;
constexpr long Overflow = 6;
constexpr long InvalidCall = 5;
constexpr long TypeMismatch = 13;
constexpr long InvalidPropertyValue = 380;
}  // namespace RuntimeError

// An error with the runtime's own description for the common runtime numbers.
AppError RuntimeFailure(long number, std::wstring source = {});

// The error a caught exception stands for; call only inside a catch block.
AppError CurrentExceptionAsError();
