# Cross-compiles the Windows console program for x86-64 with mingw-w64. The program is the same
# as the 32-bit one; it is built where no 32-bit program can run, so that the Windows platform
# layer is still tested there (cmake/win32.sh picks it). As for the 32-bit program, the runtime
# libraries are linked statically and the main thread gets a 16 MiB stack.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TPX32_MINGW_PREFIX x86_64-w64-mingw32)
# The compilers of the POSIX thread model: the standard library's std::mutex, which the test
# framework uses, exists only there (its thread library is linked statically as well).
find_program(TPX32_MINGW_CC NAMES ${TPX32_MINGW_PREFIX}-gcc-posix ${TPX32_MINGW_PREFIX}-gcc)
find_program(TPX32_MINGW_CXX NAMES ${TPX32_MINGW_PREFIX}-g++-posix ${TPX32_MINGW_PREFIX}-g++)
set(CMAKE_C_COMPILER ${TPX32_MINGW_CC})
set(CMAKE_CXX_COMPILER ${TPX32_MINGW_CXX})
set(CMAKE_RC_COMPILER ${TPX32_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TPX32_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--stack,16777216")

# Test programs run through 64-bit Wine; cmake/win32.sh prepares the Wine prefix they use.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(TPX32_WINE64 NAMES wine64 PATHS /usr/lib/wine)
  if(TPX32_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TPX32_WINE64})
  endif()
endif()
