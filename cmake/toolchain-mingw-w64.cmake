# The part of the mingw-w64 toolchain files that both Windows programs share: the including
# file sets TPX32_MINGW_PREFIX (the compilers' prefix) and TPX32_MINGW_WINE (the names of the
# Wine that runs its programs) first. The runtime libraries are linked statically, so tpx32.exe
# imports only system DLLs, and the main thread gets a 16 MiB stack: deeply nested includes and
# expressions recurse.
set(CMAKE_SYSTEM_NAME Windows)

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

# Test programs run through Wine; cmake/win32.sh prepares the Wine prefix they use.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(TPX32_WINE NAMES ${TPX32_MINGW_WINE} PATHS /usr/lib/wine)
  if(TPX32_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TPX32_WINE})
  endif()
endif()
