// The bytes with a meaning of their own in source and macro texts: the end of input that ends
// every source, and the marks that macro bodies and expansion texts carry among their
// characters. A byte of 0x80 or above that is a source character is stored behind kEscape, so
// it is never taken for a mark.
#pragma once

namespace tpx::mark {

// Ends every source: a file reads it after its last byte, and one in a file ends it there.
inline constexpr unsigned char kEndOfInput = 0x1A;
// 0x80 + i stands for parameter i of a function-like macro's body (counted from 0).
inline constexpr unsigned char kFirstParameter = 0x80;
// The tag byte before an identifier-table entry.
inline constexpr unsigned char kIdentTag = 0xFA;
// Ends a macro body; elsewhere an invisible separator that readers skip and that keeps the
// last token of an expansion apart from what follows. Also the tag byte before a definition.
inline constexpr unsigned char kEndByte = 0xFB;
// The next identifier is never expanded.
inline constexpr unsigned char kNoExpand = 0xFC;
// The # operator: the parameter byte after it is stringized.
inline constexpr unsigned char kStringize = 0xFD;
// The ## operator.
inline constexpr unsigned char kPaste = 0xFE;
// The next byte is a literal source byte of 0x80 or above.
inline constexpr unsigned char kEscape = 0xFF;

// Whether `b` is a parameter byte (0x80 up to the first mark).
constexpr bool IsParameter(unsigned char b) { return b >= kFirstParameter && b < kEndByte; }

}  // namespace tpx::mark
