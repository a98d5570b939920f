#pragma once
// Shell-backed routines: special folders, folder creation, file type names, GUID text
// and the common-control set-up at start and end.
#include <windows.h>
#include <string>

// CSIDL values the program uses.
inline constexpr int CSIDL_DESKTOP_FOLDER = 16;   // CSIDL_DESKTOPDIRECTORY
inline constexpr int CSIDL_USER_APPDATA = 26;     // CSIDL_APPDATA

std::wstring FO_SpecialfolderGet(int csidl);
// Creates the folder and every missing parent: 0 created, 183 already there, else the error.
long FO_FolderCreate(const std::wstring& path);
std::wstring FileTypeName(const std::wstring& path);
std::wstring NewGuidString();
bool ComCtlInit();
void ComCtlTerminate();
