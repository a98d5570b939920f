#include "PathRoutines.h"

std::wstring AddBackslash(const std::wstring& path) {
    if (!path.empty() && path.back() == L'\\') return path;
    return path + L'\\';
}

std::wstring AddBackslashIfAny(const std::wstring& path) {
    return path.empty() ? path : AddBackslash(path);
}

std::wstring PathFilePart(const std::wstring& path) {
    size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring PathFolderPart(const std::wstring& path) {
    size_t cut = path.rfind(L'\\');
    if (cut == std::wstring::npos) cut = path.rfind(L':');
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

std::wstring TrimAtNull(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}

namespace {
// Position of the "." that starts the extension. The search starts at the
// second-to-last character, so a name ending in "." has no extension.
size_t ExtensionDot(const std::wstring& name) {
    if (name.size() <= 1) return std::wstring::npos;
    return name.rfind(L'.', name.size() - 2);
}
}  // namespace

std::wstring FileExtension(const std::wstring& name) {
    size_t dot = ExtensionDot(name);
    return dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
}

std::wstring FileBaseName(const std::wstring& name) {
    if (name.size() <= 1) return std::wstring();
    size_t dot = ExtensionDot(name);
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}
