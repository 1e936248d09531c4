#include "diagnostics/misc_strings.h"

namespace tpx {

namespace {

const char* const kMiscStrings[kMiscStringCount] = {
    "true",                // 0
    "false",               // 1
    "command line",        // 2
    "configuration file",  // 3
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "Array bounds",  // 14
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "Kestrel C++ Preprocessor ",                    // 24
    "Copyright (c) 2026 the tpx32 developers\r\n",  // 25
    "",
    "",
    "*** %d errors in Compile ***\n",  // 28
    "Error",                           // 29
    "Fatal",                           // 30
    "Warning",                         // 31
    "",
    "",
    "",
    "JanFebMarAprMayJunJulAugSepOctNovDec",  // 35: the month abbreviations, three letters each
    "Syntax is: TPX32 [ options ] file[s]     * = default; -x- = turn switch x off\r\n"
    "  -S      Line number information   -Sc     Keep comments\r\n"
    "  -Sd     Defines/undefs in output  -Sk     Keep output on errors\r\n"
    "  -Sr     Readable commented output -Ss     Give header statistics at end\r\n"
    "  -Ax     Disable extensions        -C      Allow nested comments\r\n"
    "  -Dxxx   Define macro              -Ixxx   Include files directory\r\n"
    "  -P    * Include source line info  -Uxxx   Undefine macro\r\n"
    "  -gnnn   Stop after N warnings     -innn   Maximum identifier length N\r\n"
    "  -jnnn   Stop after N errors       -nxxx   Output file directory\r\n"
    "  -oxxx   Output file name          -p      Pascal calls\r\n"
    "  -w      Enable all warnings       -wxxx   Enable warning xxx\r\n"
    "  -w-xxx  Disable warning xxx\r\n",  // 36
    " for Win32\r\n",                     // 37
};

}  // namespace

const char* MiscString(int index) {
  if (index < 0 || index >= kMiscStringCount) return "";
  return kMiscStrings[index];
}

}  // namespace tpx
