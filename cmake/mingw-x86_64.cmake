# Cross toolchain: 64-bit Windows binaries, used to test on machines that cannot execute
# 32-bit code (there Wine can only run a 64-bit prefix).
set(HEXAPLANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
