# Cross toolchain: 32-bit Windows binaries (the shipped architecture), mingw-w64 with posix threads.
set(HEXAPLANE_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
