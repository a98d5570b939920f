#pragma once
// The language runtime: a string source bound to a module's string resources, and
// runtime support objects through which a language change is announced to every
// dialog that holds one.
#include <windows.h>

#include <functional>
#include <string>

namespace langruntime {

class StringSource {
public:
    // Binds to the string resources of module (the program's own instance handle).
    void Bind(HMODULE module) { module_ = module; }
    bool IsBound() const { return module_ != nullptr; }

    // The text of string number in language. A language without a table of its own takes
    // the table of the same primary language, else English (USA). Empty when there is none.
    std::wstring Text(int number, LANGID language) const;

private:
    HMODULE module_ = nullptr;
};

// Each dialog that follows the language holds one from load to unload. Announce raises
// the change handler of every runtime support object alive at that moment, the
// announcing one included, in the order they were created.
class RuntimeSupport {
public:
    using ChangeHandler = std::function<void(long languageId, const std::wstring& language)>;

    explicit RuntimeSupport(ChangeHandler onLanguageChanged);
    ~RuntimeSupport();
    RuntimeSupport(const RuntimeSupport&) = delete;
    RuntimeSupport& operator=(const RuntimeSupport&) = delete;

    void Announce(long languageId, const std::wstring& language);

    // Number of runtime support objects alive in the process.
    static size_t LiveCount();

private:
    ChangeHandler onLanguageChanged_;
};

}  // namespace langruntime
