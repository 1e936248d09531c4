// Token codes of the scanner and their spellings.
#pragma once

#include <cstdint>

namespace tpx {

using TokenCode = unsigned;

namespace tok {
inline constexpr TokenCode EndOfInput = 0;
inline constexpr TokenCode LParen = 1;
inline constexpr TokenCode RParen = 2;
inline constexpr TokenCode LBracket = 3;
inline constexpr TokenCode RBracket = 4;
inline constexpr TokenCode LBrace = 5;
inline constexpr TokenCode RBrace = 6;
inline constexpr TokenCode Semicolon = 7;
inline constexpr TokenCode Comma = 8;
inline constexpr TokenCode Ellipsis = 9;
inline constexpr TokenCode EndOfLine = 10;
inline constexpr TokenCode Assign = 11;
inline constexpr TokenCode PlusAssign = 12;
inline constexpr TokenCode MinusAssign = 13;
inline constexpr TokenCode StarAssign = 14;
inline constexpr TokenCode SlashAssign = 15;
inline constexpr TokenCode PercentAssign = 16;
inline constexpr TokenCode AmpAssign = 17;
inline constexpr TokenCode BarAssign = 18;
inline constexpr TokenCode CaretAssign = 19;
inline constexpr TokenCode ShlAssign = 20;
inline constexpr TokenCode ShrAssign = 21;
inline constexpr TokenCode Plus = 22;
inline constexpr TokenCode Minus = 23;
inline constexpr TokenCode Star = 24;
inline constexpr TokenCode Slash = 25;
inline constexpr TokenCode Percent = 26;
inline constexpr TokenCode Amp = 27;
inline constexpr TokenCode Bar = 28;
inline constexpr TokenCode Caret = 29;
inline constexpr TokenCode Shl = 30;
inline constexpr TokenCode Shr = 31;
inline constexpr TokenCode Question = 32;
inline constexpr TokenCode Colon = 33;
inline constexpr TokenCode OrOr = 34;
inline constexpr TokenCode AndAnd = 35;
inline constexpr TokenCode DotStar = 36;
inline constexpr TokenCode ArrowStar = 37;
inline constexpr TokenCode Equal = 38;
inline constexpr TokenCode NotEqual = 39;
inline constexpr TokenCode Less = 40;
inline constexpr TokenCode Greater = 41;
inline constexpr TokenCode LessEqual = 42;
inline constexpr TokenCode GreaterEqual = 43;
inline constexpr TokenCode Not = 44;
inline constexpr TokenCode Tilde = 45;
inline constexpr TokenCode Sizeof = 46;
inline constexpr TokenCode PlusPlus = 47;
inline constexpr TokenCode MinusMinus = 48;
inline constexpr TokenCode Dot = 49;
inline constexpr TokenCode Arrow = 50;
inline constexpr TokenCode Hash = 51;
inline constexpr TokenCode Identifier = 52;
inline constexpr TokenCode QualIdentifier = 53;
inline constexpr TokenCode CharConst = 54;
inline constexpr TokenCode IntConst = 55;
inline constexpr TokenCode LongConst = 56;
inline constexpr TokenCode FloatConst = 57;
inline constexpr TokenCode String = 58;
inline constexpr TokenCode FirstKeyword = 59;
inline constexpr TokenCode Asm = 97;
inline constexpr TokenCode Try = 110;
inline constexpr TokenCode ColonColon = 115;
inline constexpr TokenCode LastKeyword = 143;
inline constexpr TokenCode NoToken = 158;
inline constexpr TokenCode Count = 162;
}  // namespace tok

// The spelling of each token code, as the output writer and messages use it.
extern const char* const kTokenNames[tok::Count];

}  // namespace tpx
