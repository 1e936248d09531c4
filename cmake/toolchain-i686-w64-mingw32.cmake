# Cross-compiles the 32-bit Windows console program with mingw-w64 (i686).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TPX32_MINGW_PREFIX i686-w64-mingw32)
set(TPX32_MINGW_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-w64.cmake)
