// Token codes of the keywords that the constant-expression parser and the type-name reader act
// on (the scanner returns a keyword's code in place of the identifier code).
#pragma once

#include "source/tokens.h"

namespace tpx::kw {

inline constexpr TokenCode Static = 59;
inline constexpr TokenCode Extern = 60;
inline constexpr TokenCode Typedef = 61;
inline constexpr TokenCode Register = 62;
inline constexpr TokenCode Auto = 63;
inline constexpr TokenCode Char = 64;
inline constexpr TokenCode WChar = 65;
inline constexpr TokenCode Short = 66;
inline constexpr TokenCode Int = 67;
inline constexpr TokenCode Unsigned = 68;
inline constexpr TokenCode Signed = 69;
inline constexpr TokenCode Long = 70;
inline constexpr TokenCode Float = 71;
inline constexpr TokenCode Double = 72;
inline constexpr TokenCode Struct = 73;
inline constexpr TokenCode Union = 74;
inline constexpr TokenCode Enum = 75;
inline constexpr TokenCode Void = 76;
inline constexpr TokenCode Int8 = 77;
inline constexpr TokenCode Int16 = 78;
inline constexpr TokenCode Int32 = 79;
inline constexpr TokenCode Int64 = 80;
inline constexpr TokenCode Bool = 81;
inline constexpr TokenCode Pascal = 82;
inline constexpr TokenCode Cdecl = 83;
inline constexpr TokenCode Fastcall = 84;
inline constexpr TokenCode Fortran = 85;
inline constexpr TokenCode Stdcall = 86;
inline constexpr TokenCode Const = 87;
inline constexpr TokenCode Volatile = 88;
inline constexpr TokenCode Property = 90;
inline constexpr TokenCode Declspec = 94;
inline constexpr TokenCode Class = 116;
inline constexpr TokenCode Friend = 118;
inline constexpr TokenCode Inline = 119;
inline constexpr TokenCode Virtual = 131;
inline constexpr TokenCode Mutable = 135;
inline constexpr TokenCode Explicit = 141;
inline constexpr TokenCode Typename = 142;

}  // namespace tpx::kw
