// The records of the constant-expression subsystem: type records with their per-code table of
// sizes and classes, and the expression nodes that the parser builds and the folder reduces.
#pragma once

#include <cstdint>

namespace tpx {

// Kinds of type records. Codes 1 to 15 double as the constant type codes of the scanner, and
// their order is the conversion rank.
using BasicTypeCode = std::int16_t;

namespace tc {
inline constexpr BasicTypeCode Error = 0;
inline constexpr BasicTypeCode Char = 1;
inline constexpr BasicTypeCode SignedChar = 2;
inline constexpr BasicTypeCode UnsignedChar = 3;
inline constexpr BasicTypeCode WChar = 4;
inline constexpr BasicTypeCode Short = 5;
inline constexpr BasicTypeCode UnsignedShort = 6;
inline constexpr BasicTypeCode Int = 7;
inline constexpr BasicTypeCode UnsignedInt = 8;
inline constexpr BasicTypeCode Long = 9;
inline constexpr BasicTypeCode UnsignedLong = 10;
inline constexpr BasicTypeCode Int64 = 11;
inline constexpr BasicTypeCode UnsignedInt64 = 12;
inline constexpr BasicTypeCode Float = 13;
inline constexpr BasicTypeCode Double = 14;
inline constexpr BasicTypeCode LongDouble = 15;
inline constexpr BasicTypeCode Void = 16;
inline constexpr BasicTypeCode Pointer = 17;
inline constexpr BasicTypeCode Array = 21;
inline constexpr BasicTypeCode Function = 22;
inline constexpr BasicTypeCode Struct = 23;
inline constexpr BasicTypeCode Enum = 24;
inline constexpr BasicTypeCode MemberPointer = 25;
inline constexpr BasicTypeCode Bool = 26;
inline constexpr BasicTypeCode Closure = 27;
inline constexpr BasicTypeCode Count = 30;
}  // namespace tc

// Class flags of a type code.
namespace tcf {
inline constexpr std::uint8_t Integral = 0x01;
inline constexpr std::uint8_t Floating = 0x02;
inline constexpr std::uint8_t PointerLike = 0x04;
inline constexpr std::uint8_t PointerAttribute = 0x08;
inline constexpr std::uint8_t PointerLike2 = 0x10;
inline constexpr std::uint8_t Unsigned = 0x20;
inline constexpr std::uint8_t ToMember = 0x80;
}  // namespace tcf

// One row per type code: the code of the type sharing its representation, alignment, size and
// class flags.
struct TypeInfo {
  std::uint8_t sameRepresentation;
  std::uint8_t alignment;
  std::uint8_t size;
  std::uint8_t classFlags;
};
extern const TypeInfo TypeInfoTable[tc::Count];

inline const TypeInfo& InfoOf(int code) {
  static constexpr TypeInfo kNone{0, 0, 0, 0};
  return code >= 0 && code < tc::Count ? TypeInfoTable[code] : kNone;
}
inline std::uint8_t TypeClassFlags(int code) { return InfoOf(code).classFlags; }
inline bool IsIntegral(int code) { return (TypeClassFlags(code) & tcf::Integral) != 0; }
inline bool IsFloating(int code) { return (TypeClassFlags(code) & tcf::Floating) != 0; }
inline bool IsUnsigned(int code) { return (TypeClassFlags(code) & tcf::Unsigned) != 0; }
inline bool IsPointerLike(int code) {
  return (TypeClassFlags(code) & (tcf::PointerLike | tcf::PointerLike2)) != 0;
}
inline bool IsArithmetic(int code) {
  return (TypeClassFlags(code) & (tcf::Integral | tcf::Floating)) != 0;
}
inline bool Is64Bit(int code) { return code == tc::Int64 || code == tc::UnsignedInt64; }

// Attribute bits of a type record.
namespace ta {
inline constexpr std::uint8_t Const = 0x01;
inline constexpr std::uint8_t Volatile = 0x02;
inline constexpr std::uint8_t Qualifiers = 0x03;
inline constexpr std::uint8_t Reference = 0x80;
}  // namespace ta

struct TypeRec {
  BasicTypeCode kind;
  std::uint8_t attributes;
  std::uint8_t modifier;  // calling-convention and similar modifiers; always 0 here
  TypeRec* referenced;    // pointers: target; arrays: element; enumerations: underlying;
                          // functions: return type
  std::uint32_t count;    // arrays: element count, 0 for an unknown bound
  std::uint32_t size;     // structures: size in bytes
  TypeRec* nextInChain;   // pointers: the next record of the same hash chain
};

// Kinds of expression nodes.
using NodeKind = std::int16_t;

namespace nk {
inline constexpr NodeKind Error = 0;
inline constexpr NodeKind Int32 = 2;
inline constexpr NodeKind Int64 = 3;
inline constexpr NodeKind Floating = 4;
inline constexpr NodeKind Add = 10;
inline constexpr NodeKind Sub = 11;
inline constexpr NodeKind Mul = 12;
inline constexpr NodeKind Div = 13;
inline constexpr NodeKind Mod = 14;
inline constexpr NodeKind Shl = 15;
inline constexpr NodeKind Shr = 16;
inline constexpr NodeKind And = 17;
inline constexpr NodeKind Or = 18;
inline constexpr NodeKind Xor = 19;
inline constexpr NodeKind Assign = 20;
inline constexpr NodeKind LastAssign = 30;
inline constexpr NodeKind Eq = 31;
inline constexpr NodeKind Ne = 32;
inline constexpr NodeKind Gt = 33;
inline constexpr NodeKind Lt = 34;
inline constexpr NodeKind Ge = 35;
inline constexpr NodeKind Le = 36;
inline constexpr NodeKind Question = 39;
inline constexpr NodeKind Colon = 40;
inline constexpr NodeKind AndAnd = 41;
inline constexpr NodeKind OrOr = 42;
inline constexpr NodeKind Comma = 44;
inline constexpr NodeKind DotStar = 48;
inline constexpr NodeKind ArrowStar = 49;
inline constexpr NodeKind UnaryPlus = 50;
inline constexpr NodeKind Negate = 51;
inline constexpr NodeKind Complement = 52;
inline constexpr NodeKind Not = 53;
inline constexpr NodeKind Convert = 59;
// The difference of two pointers: never a constant.
inline constexpr NodeKind PointerDifference = 60;
}  // namespace nk

inline bool IsComparison(NodeKind k) { return k >= nk::Eq && k <= nk::Le; }
inline bool IsUnaryKind(NodeKind k) { return k >= nk::UnaryPlus && k <= nk::Not; }

// Node flag bits: the qualifiers of the value's type, and marks set by conversions.
namespace nf {
inline constexpr std::uint32_t Qualifiers = 0x03;
inline constexpr std::uint32_t NotLvalue = 0x100;
}  // namespace nf

struct ExprNode {
  NodeKind kind;
  BasicTypeCode typeCode;  // 0 marks an error node
  std::uint32_t flags;
  TypeRec* type;
  union {
    struct {
      ExprNode* left;
      ExprNode* right;
    } op;
    std::uint32_t value;
    struct {
      std::uint32_t low;
      std::uint32_t high;
    } wide;
    long double real;
  };

  bool IsConstant() const { return kind == nk::Int32 || kind == nk::Int64 || kind == nk::Floating; }
  std::uint64_t Value64() const { return static_cast<std::uint64_t>(wide.high) << 32 | wide.low; }
  void SetValue64(std::uint64_t v) {
    wide.low = static_cast<std::uint32_t>(v);
    wide.high = static_cast<std::uint32_t>(v >> 32);
  }
};

// Reduces a 32-bit value to the range of a type narrower than 32 bits: sign- or zero-extends
// the low 8 or 16 bits by the type; plain char follows the unsigned-char option; a bool value
// becomes 0 or 1. Other codes return the value unchanged.
std::uint32_t NormalizeToType(int code, std::uint32_t value, bool plainCharUnsigned);

}  // namespace tpx
