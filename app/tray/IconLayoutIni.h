#pragma once
// The INI access of the icon layout files (ANSI profile functions, as the stored format
// is ANSI) and where those files live.
#include <cstdint>
#include <string>

// mode "WRITE" or "GET" (any letter case). clearSection empties the section and gives "ok".
// WRITE: an empty value removes the key; "ok" on success, else empty. GET: the stored
// text (value is the default), at most 274 characters. Any other mode: empty. length
// only sizes the caller's buffer and changes nothing here.
std::wstring ReadWriteINI(const std::wstring& file, const std::wstring& mode, const std::wstring& section,
                          const std::wstring& key, const std::wstring& value, bool clearSection = false,
                          int length = 275);

// A special folder (CSIDL) with a trailing "\"; the program's folder when the system
// names none.
std::wstring SpecialFolderPath(int csidl);

// The layout file of a desktop: storeRoot + desktop + ".twk".
std::wstring IconLayoutFile(int16_t desktop);
