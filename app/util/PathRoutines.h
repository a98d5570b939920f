#pragma once
// Path pieces: pure text routines, no file system access.
#include <string>

std::wstring AddBackslash(const std::wstring& path);       // "" -> "\"
std::wstring AddBackslashIfAny(const std::wstring& path);  // "" stays ""
std::wstring PathFilePart(const std::wstring& path);       // after the last "\"
std::wstring PathFolderPart(const std::wstring& path);     // up to the last "\" (else ":")
std::wstring TrimAtNull(const std::wstring& text);
std::wstring FileExtension(const std::wstring& name);      // after the last "." (not the final char)
std::wstring FileBaseName(const std::wstring& name);       // before that "."
