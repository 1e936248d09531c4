// Typing and constant folding: gives each operator node its type with the compiler's operand
// checks, promotions and usual conversions, converts constants between types, and reduces a
// finished tree to a constant in 32-bit, 64-bit or 80-bit extended floating arithmetic.
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <type_traits>

#include "constexpr/evaluator.h"
#include "diagnostics/diagnostics.h"
#include "diagnostics/misc_strings.h"
#include "options/run_context.h"

namespace tpx {

namespace {

// Operand classes an operator accepts (low byte of its flags).
constexpr std::uint32_t kFloating = 0x01;
constexpr std::uint32_t kPointer = 0x02;
constexpr std::uint32_t kVoid = 0x04;
constexpr std::uint32_t kNearPointer = 0x08;
constexpr std::uint32_t kStructure = 0x10;
constexpr std::uint32_t kMember = 0x20;
constexpr std::uint32_t kAllClasses = 0x3F;
// Conversion rules.
constexpr std::uint32_t kRightToLeft = 0x100;
constexpr std::uint32_t kCountRule = 0x200;
constexpr std::uint32_t kPlainCountRule = 0x300;
constexpr std::uint32_t kRuleMask = 0x300;
constexpr std::uint32_t kIntResult = 0x400;
constexpr std::uint32_t kPromote = 0x800;
constexpr std::uint32_t kLvalue = 0x1000;

std::uint32_t OperatorFlags(NodeKind kind) {
  switch (kind) {
    case nk::Add:
      return kFloating | kPointer | kNearPointer | kPromote;
    case nk::Sub:
      return kFloating | kPointer | kPromote;
    case nk::Mul:
    case nk::Div:
      return kFloating | kPromote;
    case nk::Mod:
      return kPromote;
    case nk::Shl:
    case nk::Shr:
      return kPromote | kCountRule;
    case nk::And:
    case nk::Or:
    case nk::Xor:
      return 0;
    case 20:
      return kFloating | kPointer | kNearPointer | kStructure | kMember | kLvalue | kRightToLeft;
    case 21:
    case 22:
      return kFloating | kPointer | kLvalue | kRightToLeft;
    case 23:
    case 24:
      return kFloating | kLvalue | kRightToLeft;
    case 25:
    case 28:
    case 29:
    case 30:
      return kLvalue | kRightToLeft;
    case 26:
    case 27:
      return kLvalue | kPlainCountRule;
    case nk::Eq:
    case nk::Ne:
      return kFloating | kPointer | kNearPointer | kMember | kIntResult;
    case nk::Gt:
    case nk::Lt:
    case nk::Ge:
    case nk::Le:
      return kFloating | kPointer | kNearPointer | kIntResult;
    case nk::AndAnd:
    case nk::OrOr:
    case nk::Not:
      return kFloating | kPointer | kNearPointer | kMember;
    case nk::UnaryPlus:
      return kFloating | kPointer | kPromote;
    case nk::Negate:
      return kFloating | kPromote;
    case nk::Complement:
      return kPromote;
    default:
      return kAllClasses;  // ? : , and the member-pointer operators
  }
}

struct OperandClass {
  std::uint32_t bit;
  int message;
};

// The class of an operand of a type code, and what is reported when an operator refuses it.
OperandClass OperandClassMask(int code) {
  switch (code) {
    case tc::Float:
    case tc::Double:
    case tc::LongDouble:
      return {kFloating, 70};
    case tc::Void:
      return {kVoid, 117};
    case 17:
    case 19:
    case 20:
    case tc::Array:
    case tc::Function:
      return {kPointer, 96};
    case 18:
      return {kNearPointer, 96};
    case tc::Struct:
      return {kStructure, 105};
    case tc::MemberPointer:
      return {kMember, 77};
    case tc::Closure:
      return {kMember, 78};
    default:
      return {0, 0};
  }
}

bool IsTruthValue(const ExprNode* n) {
  return IsComparison(n->kind) || n->kind == nk::AndAnd || n->kind == nk::OrOr ||
         n->kind == nk::Not;
}

NodeKind Mirrored(NodeKind kind) {
  switch (kind) {
    case nk::Gt:
      return nk::Lt;
    case nk::Lt:
      return nk::Gt;
    case nk::Ge:
      return nk::Le;
    case nk::Le:
      return nk::Ge;
    default:
      return kind;
  }
}

NodeKind Negated(NodeKind kind) {
  switch (kind) {
    case nk::Eq:
      return nk::Ne;
    case nk::Ne:
      return nk::Eq;
    case nk::Lt:
      return nk::Ge;
    case nk::Ge:
      return nk::Lt;
    case nk::Gt:
      return nk::Le;
    default:
      return nk::Gt;  // <=
  }
}

bool IsZero(const ExprNode* n) {
  switch (n->kind) {
    case nk::Int32:
      return n->value == 0;
    case nk::Int64:
      return n->Value64() == 0;
    case nk::Floating:
      return n->real == 0;
    default:
      return false;
  }
}

// A 32-bit integral type as wide as unsigned long.
bool IsLongWide(int code) { return IsIntegral(code) && InfoOf(code).size == 4; }

bool IsNegativeConstant(const ExprNode* n) {
  if (IsUnsigned(n->typeCode)) return false;
  if (n->kind == nk::Int32) return static_cast<std::int32_t>(n->value) < 0;
  if (n->kind == nk::Int64) return static_cast<std::int64_t>(n->Value64()) < 0;
  if (n->kind == nk::Floating) return n->real < 0;
  return false;
}

constexpr std::uint64_t kInt64Min = std::uint64_t{1} << 63;
constexpr long double kTwo63 = 9223372036854775808.0L;
constexpr long double kTwo64 = 18446744073709551616.0L;

// Truncation toward zero to a signed 64-bit integer; NaN and values outside the range give the
// integer-indefinite value, as the processor's conversion does with exceptions masked.
std::uint64_t TruncateSigned64(long double x) {
  if (std::isnan(x) || x >= kTwo63 || x < -kTwo63) return kInt64Min;
  return static_cast<std::uint64_t>(static_cast<std::int64_t>(x));
}

std::uint64_t TruncateUnsigned64(long double x) {
  if (x >= kTwo63 && x < kTwo64) return static_cast<std::uint64_t>(x - kTwo63) + kInt64Min;
  return TruncateSigned64(x);
}

bool SignedAddOverflows(std::uint32_t a, std::uint32_t b) {
  std::int64_t sum =
      static_cast<std::int64_t>(static_cast<std::int32_t>(a)) + static_cast<std::int32_t>(b);
  return sum != static_cast<std::int32_t>(static_cast<std::uint32_t>(sum));
}
bool SignedSubOverflows(std::uint32_t a, std::uint32_t b) {
  std::int64_t d =
      static_cast<std::int64_t>(static_cast<std::int32_t>(a)) - static_cast<std::int32_t>(b);
  return d != static_cast<std::int32_t>(static_cast<std::uint32_t>(d));
}
bool SignedMulOverflows(std::uint32_t a, std::uint32_t b) {
  std::int64_t p =
      static_cast<std::int64_t>(static_cast<std::int32_t>(a)) * static_cast<std::int32_t>(b);
  return p != static_cast<std::int32_t>(static_cast<std::uint32_t>(p));
}

// The exponent of a positive power of two, or -1.
int PowerOfTwo(std::uint32_t v) {
  if (v == 0 || (v & (v - 1)) != 0) return -1;
  int n = 0;
  while ((v >>= 1) != 0) ++n;
  return n;
}

// Quotient or remainder of two values of an unsigned type U (b not zero), taken as signed when
// `isSigned`. The most negative value divided by -1 would trap; it wraps instead (remainder 0).
template <typename U>
U DivideOrRemainder(U a, U b, bool divide, bool isSigned) {
  if (!isSigned) return divide ? a / b : a % b;
  using S = std::make_signed_t<U>;
  auto sa = static_cast<S>(a), sb = static_cast<S>(b);
  if (sa == std::numeric_limits<S>::min() && sb == -1) return divide ? a : 0;
  return static_cast<U>(divide ? sa / sb : sa % sb);
}

}  // namespace

std::uint32_t ExprEvaluator::Normalize(int code, std::uint32_t value) const {
  return NormalizeToType(code, value, unsignedChar_);
}

bool ExprEvaluator::SameType(const ExprNode* node, const TypeRec* type) const {
  return node->type == type;
}

long double ExprEvaluator::RoundTo(int code, long double value) const {
  if (code == tc::Float) return static_cast<float>(value);
  if (code == tc::Double) return static_cast<double>(value);
  return value;
}

ExprNode* ExprEvaluator::WrapConversion(TypeRec* type, ExprNode* operand) {
  ExprNode* n = NewNode(nk::Convert, type);
  n->op.left = operand;
  return n;
}

ExprNode* ExprEvaluator::WrapBoolIfCpp(ExprNode* node) {
  return cpp_ ? WrapConversion(basic_[tc::Bool], node) : node;
}

// ---------------------------------------------------------------------------------------------
// Operator nodes.

ExprNode* ExprEvaluator::MakeOperatorNode(NodeKind kind, ExprNode* left, ExprNode* right) {
  if (left->typeCode == tc::Error) return left;
  if (right != nullptr && right->typeCode == tc::Error) return right;
  ExprNode* other = right != nullptr ? right : left;

  std::uint32_t flags = OperatorFlags(kind);
  if ((IsPointerLike(left->typeCode) || IsPointerLike(other->typeCode)) && kind != nk::Comma)
    flags &= ~kFloating;
  for (const ExprNode* operand : {left, other}) {
    int code = operand->typeCode;
    if (code >= tc::Float && code != tc::Enum && code != tc::Bool && code != 28 && code != 29) {
      OperandClass oc = OperandClassMask(code);
      if ((flags & oc.bit) == 0) return TreeError(oc.message);
    }
  }
  if (flags & kLvalue) return TreeError(msg::LvalueRequired);

  switch (kind) {
    case nk::Add:
    case nk::Sub:
      if (IsPointerLike(left->typeCode) || IsPointerLike(right->typeCode))
        return PointerArithmetic(kind, left, right);
      break;

    case nk::Eq:
    case nk::Ne:
    case nk::Gt:
    case nk::Lt:
    case nk::Ge:
    case nk::Le:
      if (!IsPointerLike(left->typeCode) && !IsPointerLike(right->typeCode)) {
        if (ExprNode* error = PrepareComparison(kind, left, right)) return error;
      }
      break;

    case nk::Question: {
      ExprNode* n = NewNode(kind, right->type);
      n->flags |= right->flags & nf::Qualifiers;
      n->op.left = left;
      n->op.right = right;
      return n;
    }

    case nk::Colon:
      return Colon(left, right);

    case nk::AndAnd:
    case nk::OrOr: {
      left = MakeBooleanTest(left);
      if (left->typeCode == tc::Error) return left;
      right = MakeBooleanTest(right);
      if (right->typeCode == tc::Error) return right;
      ExprNode* n = NewNode(kind, basic_[tc::Int]);
      n->op.left = left;
      n->op.right = right;
      return WrapBoolIfCpp(n);
    }

    case nk::Comma: {
      ExprNode* n = NewNode(kind, right->type);
      n->op.left = left;
      n->op.right = right;
      return n;
    }

    case nk::DotStar:
    case nk::ArrowStar: {
      // Member access through a pointer to member never yields a constant.
      ExprNode* n = NewNode(kind, left->type);
      n->op.left = left;
      n->op.right = right;
      return n;
    }

    case nk::UnaryPlus:
      return PromoteOperand(left);

    case nk::Negate:
    case nk::Complement: {
      if (kind == nk::Negate && IsUnsigned(left->typeCode) && IsLongWide(left->typeCode))
        ctx_.diag.ReportWarning(msg::NegatingUnsigned);
      ExprNode* operand = PromoteOperand(left);
      if (operand->typeCode == tc::Error) return operand;
      ExprNode* n = NewNode(kind, operand->type);
      n->op.left = operand;
      return n;
    }

    case nk::Not:
      return LogicalNot(left);

    default:
      break;
  }
  return Usual(kind, left, right, flags);
}

// Pointer + integer, integer + pointer and pointer - integer scale the integer by the size of
// what the pointer points to; pointer - pointer is a difference that never folds.
ExprNode* ExprEvaluator::PointerArithmetic(NodeKind kind, ExprNode* left, ExprNode* right) {
  bool lp = IsPointerLike(left->typeCode), rp = IsPointerLike(right->typeCode);
  if (kind == nk::Add && lp && rp) return TreeError(msg::InvalidPointerAddition);
  if (kind == nk::Sub && !lp && rp) return TreeError(msg::IllegalPointerSubtraction);
  if (lp && rp) {
    // The difference of two addresses is never known here.
    ExprNode* n = NewNode(nk::PointerDifference, basic_[tc::Int]);
    n->op.left = left;
    n->op.right = right;
    return n;
  }
  ExprNode*& pointer = lp ? left : right;
  ExprNode*& index = lp ? right : left;
  if (Is64Bit(index->typeCode)) {
    ctx_.diag.ReportWarning(msg::SuspiciousPointerArithmetic);
    index = ConvertConstant(basic_[tc::UnsignedInt], index);
  }
  index = ConvertConstant(basic_[tc::Int], index);
  if (index->typeCode == tc::Error) return index;
  std::uint32_t size = TypeSize(pointer->type->referenced);
  if (size == 0) {
    ctx_.diag.ReportError(msg::UnknownSize);
    size = 1;
  }
  if (size > 1) index = MakeOperatorNode(nk::Mul, index, MakeInt32(size, basic_[tc::Int]));
  if (index->typeCode == tc::Error) return index;
  ExprNode* n = NewNode(kind, pointer->type);
  n->op.left = left;
  n->op.right = right;
  return n;
}

// A comparison of two non-pointers: both sides are folded, a constant facing a narrow
// non-constant is checked against its range, and sides of different types are promoted.
// Returns the error node of a side that is one, else null with the sides replaced.
ExprNode* ExprEvaluator::PrepareComparison(NodeKind kind, ExprNode*& left, ExprNode*& right) {
  left = FoldExpression(left);
  right = FoldExpression(right);
  if (left->typeCode == tc::Error) return left;
  if (right->typeCode == tc::Error) return right;
  bool lc = left->kind == nk::Int32, rc = right->kind == nk::Int32;
  if (rc && !lc && left->typeCode >= 1 && left->typeCode <= tc::UnsignedInt)
    RangeCheck(right, kind, left);
  else if (lc && !rc && right->typeCode >= 1 && right->typeCode <= tc::UnsignedInt)
    RangeCheck(left, Mirrored(kind), right);
  if (left->typeCode != right->typeCode) {
    left = PromoteOperand(left);
    right = PromoteOperand(right);
  }
  return nullptr;
}

// Logical not: an int truth value, in C++ wrapped as bool; not (x != 0) becomes x == 0.
ExprNode* ExprEvaluator::LogicalNot(ExprNode* left) {
  ExprNode* operand;
  if (!cpp_ || left->typeCode == tc::Bool) {
    operand = PromoteOperand(left);
    if (operand->typeCode != tc::Error && !IsIntegral(operand->typeCode))
      operand = MakeBooleanTest(operand);
  } else {
    ExprNode* test = MakeBooleanTest(left);
    if (test->typeCode == tc::Error) return test;
    ExprNode* inner = test->kind == nk::Convert ? test->op.left : test;
    if (inner->kind == nk::Ne) {
      // Not (x != 0) is x == 0.
      inner->kind = nk::Eq;
      return test->kind == nk::Convert ? test : WrapBoolIfCpp(test);
    }
    operand = PromoteOperand(test);
  }
  if (operand->typeCode == tc::Error) return operand;
  ExprNode* n = NewNode(nk::Not, basic_[tc::Int]);
  n->op.left = operand;
  return WrapBoolIfCpp(n);
}

// The usual conversions of a binary operator and the type of its node.
ExprNode* ExprEvaluator::Usual(NodeKind kind, ExprNode* left, ExprNode* right,
                               std::uint32_t flags) {
  if (flags & kPromote) {
    left = PromoteOperand(left);
    if (left->typeCode == tc::Error) return left;
    right = PromoteOperand(right);
    if (right->typeCode == tc::Error) return right;
  }
  std::uint32_t rule = flags & kRuleMask;
  if (rule == kCountRule || rule == kPlainCountRule) {
    TypeRec* count = basic_[tc::UnsignedInt];
    right =
        rule == kCountRule ? ConvertChecked(false, count, right) : ConvertConstant(count, right);
    if (right->typeCode == tc::Error) return right;
    if (right->kind == nk::Int32) {
      std::int32_t v = static_cast<std::int32_t>(right->value);
      if (v < 0 || static_cast<std::uint32_t>(v) >= 8 * TypeSize(left->type))
        ctx_.diag.ReportWarning(msg::ShiftOverflow);
    }
  } else if (rule == kRightToLeft) {
    right = ConvertChecked(false, left->type, right);
    if (right->typeCode == tc::Error) return right;
  } else {
    int l = left->typeCode, r = right->typeCode;
    if (IsComparison(kind) && IsUnsigned(l) != IsUnsigned(r) && IsLongWide(l) && IsLongWide(r)) {
      auto suspicious = [](const ExprNode* n) {
        return IsUnsigned(n->typeCode) || !n->IsConstant() || IsNegativeConstant(n);
      };
      if (suspicious(left) && suspicious(right))
        ctx_.diag.ReportWarning(msg::SignedUnsignedComparison);
    }
    if (IsPointerLike(l) && right->kind == nk::Int32 && right->value == 0 && r != tc::Bool) {
      right = ConvertConstant(left->type, right);
    } else if (IsPointerLike(r) && left->kind == nk::Int32 && left->value == 0 && l != tc::Bool) {
      left = ConvertConstant(right->type, left);
    } else if (l != r) {
      if ((l == tc::Long && r == tc::UnsignedInt) || (l == tc::UnsignedInt && r == tc::Long)) {
        left = ConvertConstant(basic_[tc::UnsignedLong], left);
        right = ConvertConstant(basic_[tc::UnsignedLong], right);
      } else if (l == tc::Bool) {
        left = ConvertConstant(right->type, left);
      } else if (r == tc::Bool) {
        right = ConvertConstant(left->type, right);
      } else if (l < r) {
        left = ConvertConstant(right->type, left);
      } else {
        right = ConvertConstant(left->type, right);
      }
    }
    if (left->typeCode == tc::Error) return left;
    if (right->typeCode == tc::Error) return right;
  }
  ExprNode* n = NewNode(kind, (flags & kIntResult) ? basic_[tc::Int] : left->type);
  n->op.left = left;
  n->op.right = right;
  return (flags & kIntResult) ? WrapBoolIfCpp(n) : n;
}

// The two branches of a conditional: brought to one type.
ExprNode* ExprEvaluator::Colon(ExprNode* left, ExprNode* right) {
  if (left->type != right->type) {
    int l = left->typeCode, r = right->typeCode;
    bool la = IsArithmetic(l), ra = IsArithmetic(r);
    bool lp = IsPointerLike(l), rp = IsPointerLike(r);
    auto isMember = [](int code) { return (TypeClassFlags(code) & tcf::ToMember) != 0; };
    if (la && ra) {
      return Usual(nk::Colon, left, right, kAllClasses);
    } else if ((la && !ra && !rp) || (ra && !la && !lp)) {
      ExprNode*& arithmetic = la ? left : right;
      ExprNode*& otherSide = la ? right : left;
      if (isMember(otherSide->typeCode))
        arithmetic = ConvertChecked(false, otherSide->type, arithmetic);
      else
        otherSide = ConvertChecked(false, arithmetic->type, otherSide);
      if (left->typeCode == tc::Error) return left;
      if (right->typeCode == tc::Error) return right;
      if (left->type != right->type) return Usual(nk::Colon, left, right, kAllClasses);
    } else if (lp && !rp) {
      right = ConvertChecked(false, left->type, right);
      if (right->typeCode == tc::Error) return right;
      if (left->type != right->type) return Usual(nk::Colon, left, right, kAllClasses);
    } else if (rp && !lp) {
      left = ConvertChecked(false, right->type, left);
      if (left->typeCode == tc::Error) return left;
      if (left->type != right->type) return Usual(nk::Colon, left, right, kAllClasses);
    } else if (lp && rp) {
      // A pointer to void absorbs the other pointer; otherwise the left type is taken.
      const TypeRec* lt = left->type->referenced;
      const TypeRec* rt = right->type->referenced;
      if (rt != nullptr && rt->kind == tc::Void && !(lt != nullptr && lt->kind == tc::Void))
        left = ConvertConstant(right->type, left);
      else
        right = ConvertConstant(left->type, right);
    } else {
      return TreeError(msg::OperandTypesDiffer);
    }
  }
  ExprNode* n = NewNode(nk::Colon, left->type);
  n->flags |= (left->flags | right->flags) & nf::Qualifiers;
  n->op.left = left;
  n->op.right = right;
  return n;
}

// Comparison of a constant with a value of a small integral type: warns when the constant is
// out of the type's range or the comparison cannot go either way, else gives it that type.
void ExprEvaluator::RangeCheck(ExprNode* constant, NodeKind kind, ExprNode* other) {
  int code = other->typeCode;
  int range = code == tc::Char ? (unsignedChar_ ? tc::UnsignedChar : tc::SignedChar) : code;
  std::int64_t low, high;
  switch (range) {
    case tc::SignedChar:
      low = -128;
      high = 127;
      break;
    case tc::UnsignedChar:
      low = 0;
      high = 255;
      break;
    case tc::WChar:
    case tc::UnsignedShort:
      low = 0;
      high = 65535;
      break;
    case tc::Short:
      low = -32768;
      high = 32767;
      break;
    case tc::Int:
      low = INT32_MIN;
      high = INT32_MAX;
      break;
    default:
      low = 0;
      high = UINT32_MAX;
      break;  // unsigned int
  }
  std::int64_t v = IsUnsigned(constant->typeCode)
                       ? static_cast<std::int64_t>(constant->value)
                       : static_cast<std::int64_t>(static_cast<std::int32_t>(constant->value));
  if (v < low || v > high) {
    ctx_.diag.ReportWarning(msg::ConstantOutOfRange);
  } else if (v == low && (kind == nk::Lt || kind == nk::Ge)) {
    ctx_.diag.ReportWarning(msg::ConditionAlways,
                            MiscString(kind == nk::Lt ? misc::False : misc::True));
  } else if (v == high && (kind == nk::Gt || kind == nk::Le)) {
    ctx_.diag.ReportWarning(msg::ConditionAlways,
                            MiscString(kind == nk::Gt ? misc::False : misc::True));
  } else {
    constant->value = Normalize(code, constant->value);
    constant->type = other->type;
    constant->typeCode = other->typeCode;
  }
}

ExprNode* ExprEvaluator::MakeBooleanTest(ExprNode* node) {
  if (node->typeCode == tc::Error) return node;
  if (cpp_) {
    node = ConvertConstant(basic_[tc::Bool], node);
    if (node->typeCode == tc::Error) return node;
  }
  const ExprNode* truth = node;
  if (cpp_ && node->kind == nk::Convert && IsTruthValue(node->op.left)) truth = node->op.left;
  if (IsTruthValue(truth)) return node;
  ExprNode* zero = MakeInt32(0, basic_[node->typeCode == tc::Bool ? tc::Bool : tc::Int]);
  return MakeOperatorNode(nk::Ne, node, zero);
}

ExprNode* ExprEvaluator::PromoteOperand(ExprNode* node) {
  int code = node->typeCode;
  if ((code >= tc::Char && code <= tc::UnsignedShort) || code == tc::Void || code == tc::Bool)
    return ConvertConstant(basic_[tc::Int], node);
  if (Is64Bit(code)) return ConvertConstant(node->type, node);
  if (code == tc::Enum) {
    node = ConvertConstant(node->type->referenced, node);
    return ConvertConstant(basic_[tc::Int], node);
  }
  return node;
}

// ---------------------------------------------------------------------------------------------
// Conversions.

ExprNode* ExprEvaluator::ConvertChecked(bool explicitCast, TypeRec* type, ExprNode* node) {
  if (node->typeCode == tc::Error) return node;
  node = FoldExpression(node);
  if (node->typeCode == tc::Error) return node;
  if (SameType(node, type)) {
    node->flags &= ~nf::Qualifiers;
    if (strict_ && explicitCast) node->flags |= nf::NotLvalue;
    return node;
  }
  int t = type->kind, s = node->typeCode;
  if (t == tc::Void) return WrapConversion(type, node);
  if (IsPointerLike(t) && node->kind == nk::Int32 && node->value == 0) {
    // The null pointer of that type.
    node->type = type;
    node->typeCode = type->kind;
    return node;
  }
  if (t == tc::Array || t == tc::Function || t == tc::Struct)
    return TreeError(msg::IncompatibleConversion);
  if (Is64Bit(s) && t >= tc::Char && t <= tc::UnsignedLong && !explicitCast &&
      node->kind != nk::Int64)
    ctx_.diag.ReportWarning(msg::LosesDigits);
  if (IsFloating(s) && IsPointerLike(t)) ctx_.diag.ReportError(msg::IncompatibleConversion);
  if (s == tc::Void) return TreeError(msg::VoidValue);
  if (IsPointerLike(s) && (IsFloating(t) || (cpp_ && !explicitCast && IsIntegral(t))))
    return TreeError(msg::IncompatibleConversion);
  if (!cpp_ && !explicitCast && IsPointerLike(s) && IsIntegral(t)) {
    if (InfoOf(t).size != InfoOf(s).size)
      ctx_.diag.ReportError(msg::NonportableConversionError);
    else
      ctx_.diag.ReportWarning(msg::NonportableConversion);
  }
  if (s == tc::Function || s == tc::Struct) return TreeError(msg::IncompatibleConversion);
  return ConvertConstant(type, node);
}

ExprNode* ExprEvaluator::ConvertConstant(TypeRec* type, ExprNode* node) {
  if (node->typeCode == tc::Error) return node;
  node = FoldExpression(node);
  if (node->typeCode == tc::Error) return node;
  if (SameType(node, type)) return node;
  int t = type->kind, s = node->typeCode;
  if (!strict_ && InfoOf(s).sameRepresentation == InfoOf(t).sameRepresentation) {
    node->type = type;
    node->typeCode = type->kind;
    return node;
  }
  if (t == tc::Void || !node->IsConstant()) {
    if (s == tc::Void && t != tc::Void) return TreeError(msg::VoidValue);
    return WrapConversion(type, node);
  }
  switch (node->kind) {
    case nk::Int32: {
      std::uint32_t v = node->value;
      bool negative = !IsUnsigned(s) && static_cast<std::int32_t>(v) < 0;
      if (Is64Bit(t)) {
        node->kind = nk::Int64;
        node->SetValue64(negative ? static_cast<std::uint64_t>(
                                        static_cast<std::int64_t>(static_cast<std::int32_t>(v)))
                                  : v);
      } else if (IsFloating(t)) {
        long double x = IsUnsigned(s) ? static_cast<long double>(v)
                                      : static_cast<long double>(static_cast<std::int32_t>(v));
        x = RoundTo(t, x);
        if (strict_ && std::isinf(x)) ctx_.diag.ReportError(msg::ConstantTooLarge);
        node->kind = nk::Floating;
        node->real = x;
      } else {
        node->value = Normalize(t, v);
      }
      break;
    }
    case nk::Floating: {
      long double x = node->real;
      if (t == tc::Float || t == tc::Double) {
        node->real = RoundTo(t, x);
      } else if (t == tc::LongDouble) {
        // already extended
      } else if (Is64Bit(t)) {
        node->kind = nk::Int64;
        node->SetValue64(t == tc::UnsignedInt64 ? TruncateUnsigned64(x) : TruncateSigned64(x));
      } else {
        node->kind = nk::Int32;
        node->value = t == tc::Bool ? (x != 0 ? 1 : 0)
                                    : Normalize(t, static_cast<std::uint32_t>(TruncateSigned64(x)));
      }
      break;
    }
    default: {  // 64-bit
      std::uint64_t v = node->Value64();
      if (IsFloating(t)) {
        long double x = s == tc::Int64 ? static_cast<long double>(static_cast<std::int64_t>(v))
                                       : static_cast<long double>(v);
        node->kind = nk::Floating;
        node->real = RoundTo(t, x);
      } else if (!Is64Bit(t)) {
        node->kind = nk::Int32;
        node->value =
            t == tc::Bool ? (v != 0 ? 1 : 0) : Normalize(t, static_cast<std::uint32_t>(v));
      }
      break;
    }
  }
  node->type = type;
  node->typeCode = type->kind;
  return node;
}

// ---------------------------------------------------------------------------------------------
// Reduction.

ExprNode* ExprEvaluator::FoldExpression(ExprNode* node) {
  if (node == nullptr || node->typeCode == tc::Error) return node;
  DepthGuard guard(*this);
  if (node->kind == nk::Convert) {
    ExprNode* operand = node->op.left;
    if (operand->type == node->type) return FoldExpression(operand);
    operand = FoldExpression(operand);
    node->op.left = operand;
    if (operand->typeCode == tc::Error) return operand;
    if (operand->IsConstant() && node->type->kind != tc::Void)
      return ConvertConstant(node->type, operand);
    return node;
  }
  if (node->kind < nk::Add) return node;

  ExprNode* left = FoldExpression(node->op.left);
  node->op.left = left;
  ExprNode* right = nullptr;
  if (node->op.right != nullptr) {
    right = FoldExpression(node->op.right);
    node->op.right = right;
  }
  if (left->typeCode == tc::Error) return left;
  if (right != nullptr && right->typeCode == tc::Error) return right;

  switch (node->kind) {
    case nk::Add:
      if (IsZero(right)) return ConvertConstant(node->type, left);
      if (left->IsConstant()) {
        node->op.left = right;
        node->op.right = left;
        if (IsZero(left)) return ConvertConstant(node->type, right);
      }
      break;
    case nk::Sub:
      if (right->IsConstant()) {
        if (IsZero(right)) return left;
        if (!IsUnsigned(node->typeCode)) {
          // a - c is computed, and checked for overflow, as a + (-c).
          if (right->kind == nk::Int32)
            right->value = 0u - right->value;
          else if (right->kind == nk::Int64)
            right->SetValue64(0 - right->Value64());
          else
            right->real = -right->real;
          node->kind = nk::Add;
        }
      }
      break;
    case nk::Div:
      if (right->kind == nk::Int32 &&
          (IsUnsigned(right->typeCode) || static_cast<std::int32_t>(right->value) > 0)) {
        int n = PowerOfTwo(right->value);
        if (n == 0) return left;
        if (n > 0 && IsUnsigned(node->typeCode)) {
          node->kind = nk::Shr;
          node->op.right = MakeInt32(static_cast<std::uint32_t>(n), basic_[tc::UnsignedInt]);
        }
      }
      break;
    case nk::Mod:
      if (right->kind == nk::Int32 &&
          (IsUnsigned(right->typeCode) || static_cast<std::int32_t>(right->value) > 0)) {
        int n = PowerOfTwo(right->value);
        if (n == 0) {
          right->value = 0;
          return right;
        }
        if (n > 0 && IsUnsigned(node->typeCode)) {
          node->kind = nk::And;
          right->value = (std::uint32_t{1} << n) - 1;
        }
      }
      break;
    case nk::Question:
      if (left->kind == nk::Int32) {
        ExprNode* colon = node->op.right;
        ExprNode* chosen = left->value != 0 ? colon->op.left : colon->op.right;
        chosen->type = node->type;
        return chosen;
      }
      break;
    case nk::Not:
      if (IsComparison(left->kind)) {
        left->kind = Negated(left->kind);
        return left;
      }
      break;
    default:
      break;
  }
  return FoldOperator(node);
}

ExprNode* ExprEvaluator::FoldOperator(ExprNode* node) {
  if (node->kind > nk::Convert) return node;
  ExprNode* left = node->op.left;
  ExprNode* right = node->op.right;
  if (left->kind == nk::Floating && (right == nullptr || right->kind == nk::Floating))
    return FoldFloating(node, left, right);
  auto integer = [](const ExprNode* n) { return n->kind == nk::Int32 || n->kind == nk::Int64; };
  if ((left->kind == nk::Int64 || (right != nullptr && right->kind == nk::Int64)) &&
      integer(left) && (right == nullptr || integer(right)))
    return Fold64(node, left, right);
  if (left->kind == nk::Int32 && (right == nullptr || right->kind == nk::Int32))
    return Fold32(node, left, right);
  return node;
}

ExprNode* ExprEvaluator::FoldFloating(ExprNode* node, ExprNode* left, ExprNode* right) {
  long double a = left->real;
  long double b = right != nullptr ? right->real : 0;
  long double result;
  switch (node->kind) {
    case nk::Add:
      result = a + b;
      break;
    case nk::Sub:
      result = a - b;
      break;
    case nk::Mul:
      result = a * b;
      break;
    case nk::Div:
      result = a / b;
      break;
    case nk::Negate:
      result = -a;
      break;
    case nk::Eq:
    case nk::Ne:
    case nk::Gt:
    case nk::Lt:
    case nk::Ge:
    case nk::Le: {
      // Decided by the sign of the difference; an unordered result counts as negative.
      long double d = a - b;
      int sign = std::isnan(d) || d < 0 ? -1 : d > 0 ? 1 : 0;
      bool truth;
      switch (node->kind) {
        case nk::Eq:
          truth = sign == 0;
          break;
        case nk::Ne:
          truth = sign != 0;
          break;
        case nk::Gt:
          truth = sign > 0;
          break;
        case nk::Lt:
          truth = sign < 0;
          break;
        case nk::Ge:
          truth = sign >= 0;
          break;
        default:
          truth = sign <= 0;
          break;
      }
      left->kind = nk::Int32;
      left->flags = 0;
      left->type = node->type;
      left->typeCode = node->typeCode;
      left->value = truth ? 1 : 0;
      return left;
    }
    default:
      return node;
  }
  left->flags = 0;
  left->real = RoundTo(left->typeCode, result);
  return left;
}

ExprNode* ExprEvaluator::Fold64(ExprNode* node, ExprNode* left, ExprNode* right) {
  auto widen = [](const ExprNode* n) -> std::uint64_t {
    if (n->kind == nk::Int64) return n->Value64();
    if (!IsUnsigned(n->typeCode) && static_cast<std::int32_t>(n->value) < 0)
      return static_cast<std::uint64_t>(
          static_cast<std::int64_t>(static_cast<std::int32_t>(n->value)));
    return n->value;
  };
  std::uint64_t a = widen(left);
  std::uint64_t b = right != nullptr ? widen(right) : 0;
  bool isSigned = !IsUnsigned(node->typeCode);
  bool leftSigned = !IsUnsigned(left->typeCode);
  auto sa = static_cast<std::int64_t>(a), sb = static_cast<std::int64_t>(b);
  std::uint64_t r = 0;
  bool truthResult = false;
  switch (node->kind) {
    case nk::Add:
      r = a + b;
      break;
    case nk::Sub:
      r = a - b;
      break;
    case nk::Mul:
      r = a * b;
      break;
    case nk::Div:
    case nk::Mod:
      if (b == 0) {
        ctx_.diag.ReportWarning(msg::DivisionByZero);
        r = a;
      } else {
        r = DivideOrRemainder(a, b, node->kind == nk::Div, isSigned);
      }
      break;
    case nk::Shl:
    case nk::Shr: {
      unsigned count = static_cast<std::uint32_t>(b) & 0xFF;
      if (node->kind == nk::Shl)
        r = count < 64 ? a << count : 0;
      else if (isSigned)
        r = static_cast<std::uint64_t>(sa >> (count < 64 ? count : 63));
      else
        r = count < 64 ? a >> count : 0;
      break;
    }
    case nk::And:
      r = a & b;
      break;
    case nk::Or:
      r = a | b;
      break;
    case nk::Xor:
      r = a ^ b;
      break;
    case nk::Eq:
      r = a == b;
      truthResult = true;
      break;
    case nk::Ne:
      r = a != b;
      truthResult = true;
      break;
    case nk::Gt:
      r = leftSigned ? sa > sb : a > b;
      truthResult = true;
      break;
    case nk::Lt:
      r = leftSigned ? sa < sb : a < b;
      truthResult = true;
      break;
    case nk::Ge:
      r = leftSigned ? sa >= sb : a >= b;
      truthResult = true;
      break;
    case nk::Le:
      r = leftSigned ? sa <= sb : a <= b;
      truthResult = true;
      break;
    case nk::AndAnd:
      r = a != 0 && b != 0;
      truthResult = true;
      break;
    case nk::OrOr:
      r = a != 0 || b != 0;
      truthResult = true;
      break;
    case nk::Negate:
      r = 0 - a;
      break;
    case nk::Complement:
      r = ~a;
      break;
    case nk::Not:
      r = a == 0;
      truthResult = true;
      break;
    default:
      return node;
  }
  left->flags = 0;
  left->type = node->type;
  left->typeCode = node->typeCode;
  if (truthResult) {
    left->kind = nk::Int32;
    left->value = static_cast<std::uint32_t>(r);
  } else {
    left->kind = nk::Int64;
    left->SetValue64(r);
  }
  return left;
}

ExprNode* ExprEvaluator::Fold32(ExprNode* node, ExprNode* left, ExprNode* right) {
  std::uint32_t a = left->value;
  std::uint32_t b = right != nullptr ? right->value : 0;
  bool isSigned = !IsUnsigned(node->typeCode);
  auto sa = static_cast<std::int32_t>(a), sb = static_cast<std::int32_t>(b);
  bool leftUnsigned = IsUnsigned(left->typeCode);
  std::uint32_t r;
  switch (node->kind) {
    case nk::Add:
    case nk::Sub:
    case nk::Mul: {
      bool overflow;
      if (node->kind == nk::Add) {
        r = a + b;
        overflow = SignedAddOverflows(a, b);
      } else if (node->kind == nk::Sub) {
        r = a - b;
        overflow = SignedSubOverflows(a, b);
      } else {
        r = a * b;
        overflow = SignedMulOverflows(a, b);
      }
      if (overflow && isSigned) {
        ctx_.diag.ReportOverflow();
        r = 1;
      }
      break;
    }
    case nk::Div:
    case nk::Mod:
      if (b == 0) {
        ctx_.diag.ReportWarning(msg::DivisionByZero);
        r = a;
      } else {
        r = DivideOrRemainder(a, b, node->kind == nk::Div, isSigned);
      }
      break;
    case nk::Shl:
      r = a << (b & 31);
      break;
    case nk::Shr:
      r = isSigned ? static_cast<std::uint32_t>(sa >> (b & 31)) : a >> (b & 31);
      break;
    case nk::And:
      r = a & b;
      break;
    case nk::Or:
      r = a | b;
      break;
    case nk::Xor:
      r = a ^ b;
      break;
    case nk::Eq:
      r = a == b;
      break;
    case nk::Ne:
      r = a != b;
      break;
    case nk::Gt:
      r = leftUnsigned ? a > b : sa > sb;
      break;
    case nk::Lt:
      r = leftUnsigned ? a < b : sa < sb;
      break;
    case nk::Ge:
      r = leftUnsigned ? a >= b : sa >= sb;
      break;
    case nk::Le:
      r = leftUnsigned ? a <= b : sa <= sb;
      break;
    case nk::AndAnd:
      r = a != 0 && b != 0;
      break;
    case nk::OrOr:
      r = a != 0 || b != 0;
      break;
    case nk::Negate:
      r = 0u - a;
      break;
    case nk::Complement:
      r = ~a;
      break;
    case nk::Not:
      r = a == 0;
      break;
    default:
      return node;
  }
  left->flags = 0;
  left->type = node->type;
  left->typeCode = node->typeCode;
  left->value = Normalize(node->typeCode, r);
  return left;
}

}  // namespace tpx
