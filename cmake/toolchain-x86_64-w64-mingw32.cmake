# Cross-compiles the Windows console program for x86-64 with mingw-w64. The program is the same
# as the 32-bit one; it is built where no 32-bit program can run, so that the Windows platform
# layer is still tested there (cmake/win32.sh picks it). Its tests run through 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TPX32_MINGW_PREFIX x86_64-w64-mingw32)
set(TPX32_MINGW_WINE wine64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-w64.cmake)
