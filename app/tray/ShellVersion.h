#pragma once
// The generation of the installed shell, read from the file version of shell32.dll, and
// the icon record size that generation understands.
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <optional>

// Record sizes of the three shell generations: the first 64 tooltip characters only, the
// balloon fields added, the item GUID added.
inline constexpr DWORD kRecordSizeShell4 = NOTIFYICONDATAA_V1_SIZE;
inline constexpr DWORD kRecordSizeShell5 = NOTIFYICONDATAA_V2_SIZE;
inline constexpr DWORD kRecordSizeShell6 = NOTIFYICONDATAA_V3_SIZE;

#if !defined(_WIN64)
static_assert(kRecordSizeShell4 == 88);
static_assert(kRecordSizeShell5 == 488);
static_assert(kRecordSizeShell6 == 504);
#endif

// Major file version of shell32.dll in the system folder; nothing when the file carries no
// version information or it cannot be read.
std::optional<unsigned> Shell32MajorVersion();

// Above 5: the newest record; 5: with balloons; 4 or less: the oldest record.
DWORD RecordSizeForShell(unsigned majorVersion);
