// The constant-expression parser: reads the tokens of an #if or #elif line (or of an array
// bound inside a type name) into a tree of nodes by precedence climbing, then reduces the tree
// and decides the result.
#include "constexpr/condition.h"
#include "constexpr/evaluator.h"
#include "diagnostics/diagnostics.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "source/scanner.h"
#include "source/tokens.h"

namespace tpx {

namespace {

constexpr NodeKind kNoOperator = -1;

struct BinaryOperator {
  std::uint8_t precedence;
  NodeKind kind;
};

// Indexed by token code; only codes below 44 can be binary operators.
constexpr TokenCode kFirstNonBinary = 44;
constexpr BinaryOperator kBinaryOperators[kFirstNonBinary] = {
    {0, 0},   {0, 0},   {0, 0},   {0, 0},   {0, 0},   {0, 0},   {0, 0}, {0, 0}, {1, 44},  // ,
    {0, 0},   {0, 0},                                            // ... end of line
    {2, 20},  {2, 21},  {2, 22},  {2, 23},  {2, 24},  {2, 25},   // = += -= *= /= %=
    {2, 28},  {2, 29},  {2, 30},  {2, 26},  {2, 27},             // &= |= ^= <<= >>=
    {13, 10}, {13, 11}, {14, 12}, {14, 13}, {14, 14},            // + - * / %
    {9, 17},  {7, 18},  {8, 19},  {12, 15}, {12, 16},            // & | ^ << >>
    {3, 39},  {0, 0},   {5, 42},  {6, 41},                       // ? : || &&
    {15, 48}, {15, 49},                                          // .* ->*
    {10, 31}, {10, 32}, {11, 34}, {11, 33}, {11, 36}, {11, 35},  // == != < > <= >=
};

constexpr int kConditionalPrecedence = 3;
constexpr int kAssignmentPrecedence = 2;

bool RightAssociative(int precedence) {
  return precedence == kAssignmentPrecedence || precedence == kConditionalPrecedence;
}

}  // namespace

bool EvaluateCondition(RunContext& ctx) {
  ExprEvaluator evaluator(ctx);
  return evaluator.EvaluateCondition();
}

ExprEvaluator::ExprEvaluator(RunContext& ctx)
    : ctx_(ctx),
      pool_(ctx.memory.blocks),
      cpp_(ctx.frontEndCpp),
      strict_(ctx.options.LanguageMode == 1),
      unsignedChar_(ctx.options.UnsignedChar != 0) {
  // The basic types: one record per code up to void; plain char is a type of its own in C++
  // and one of the two explicit char types in C.
  for (int code = 0; code <= tc::Void; ++code) {
    auto* t = static_cast<TypeRec*>(pool_.Allocate(sizeof(TypeRec)));
    t->kind = static_cast<BasicTypeCode>(code);
    basic_[code] = t;
  }
  if (!cpp_) basic_[tc::Char] = basic_[unsignedChar_ ? tc::UnsignedChar : tc::SignedChar];
  auto* b = static_cast<TypeRec*>(pool_.Allocate(sizeof(TypeRec)));
  b->kind = tc::Bool;
  basic_[tc::Bool] = b;
}

ExprEvaluator::DepthGuard::DepthGuard(ExprEvaluator& e) : evaluator(e) {
  if (++e.depth_ > kMaxDepth) {
    // Nesting this deep would exhaust the stack: the file ends as it would then.
    e.ctx_.diag.ReportFatal(msg::OutOfMemory);
    throw FatalError{};
  }
}

// ---------------------------------------------------------------------------------------------
// Tokens and recovery.

TokenCode ExprEvaluator::Next() { return ctx_.scanner.GetToken(); }
TokenCode ExprEvaluator::Code() const { return ctx_.scanner.Current().code; }

void ExprEvaluator::SetMessageLine() {
  ctx_.position.messageLine = static_cast<std::int32_t>(ctx_.scanner.Current().line);
}

void ExprEvaluator::ErrorWithRecovery(int number, const char* argument) {
  SetMessageLine();
  if (number != 0) {
    if (argument != nullptr)
      ctx_.diag.ReportError(number, argument);
    else
      ctx_.diag.ReportError(number);
  }
  if (!ctx_.scanner.InDirectiveLine()) return;
  while (Code() != tok::EndOfLine && Code() != tok::EndOfInput) {
    Next();
    SetMessageLine();
  }
}

// ---------------------------------------------------------------------------------------------
// Leaves.

ExprNode* ExprEvaluator::NewNode(NodeKind kind, TypeRec* type) {
  auto* n = static_cast<ExprNode*>(pool_.Allocate(sizeof(ExprNode)));
  n->kind = kind;
  n->type = type;
  n->typeCode = type->kind;
  return n;
}

ExprNode* ExprEvaluator::MakeInt32(std::uint32_t value, TypeRec* type) {
  ExprNode* n = NewNode(nk::Int32, type);
  n->value = value;
  return n;
}

ExprNode* ExprEvaluator::MakeInt64(std::uint64_t value, TypeRec* type) {
  ExprNode* n = NewNode(nk::Int64, type);
  n->SetValue64(value);
  return n;
}

ExprNode* ExprEvaluator::MakeFloating(long double value, TypeRec* type) {
  ExprNode* n = NewNode(nk::Floating, type);
  n->real = value;
  return n;
}

ExprNode* ExprEvaluator::MakeError() { return NewNode(nk::Error, basic_[tc::Error]); }

ExprNode* ExprEvaluator::TreeError(int number) {
  if (number != 0) ctx_.diag.ReportError(number);
  return MakeError();
}

// ---------------------------------------------------------------------------------------------
// Entry points.

bool ExprEvaluator::EvaluateCondition() {
  std::uint32_t value = 0;
  return EvaluateConstantExpression(value, false) == 1 && value != 0;
}

int ExprEvaluator::EvaluateConstantExpression(std::uint32_t& value, bool arrayBound,
                                              bool* isSigned) {
  if (isSigned != nullptr) *isSigned = true;
  ExprNode* tree;
  if (!arrayBound) {
    ctx_.scanner.SetDirectiveLine(true);
    Next();
    tree = ParseBinary(kNoOperator, ParseMode::Line, 0);
    ctx_.scanner.SetDirectiveLine(false);
    if (Code() != tok::EndOfLine || (tree != nullptr && tree->kind == nk::Comma)) {
      ctx_.diag.ReportError(msg::ExpressionSyntax);
      value = 0;
      return 0;
    }
  } else {
    tree = ParseBinary(kNoOperator, ParseMode::Bound, 0);
    if (tree != nullptr && tree->kind == nk::Comma && strict_) {
      ctx_.diag.ReportError(msg::ExpressionSyntax);
      value = 1;
      return 1;
    }
  }
  if (tree == nullptr) {
    value = 1;
    return 1;
  }
  tree = FoldExpression(tree);
  if (tree->typeCode == tc::Error) {
    value = 1;
  } else if (tree->kind == nk::Int32) {
    value = tree->value;
    if (isSigned != nullptr) *isSigned = !IsUnsigned(tree->typeCode);
  } else if (tree->kind == nk::Int64) {
    ctx_.diag.ReportError(msg::ConstantTooLarge);
    value = tree->wide.low;
    if (isSigned != nullptr) *isSigned = !IsUnsigned(tree->typeCode);
  } else {
    ctx_.diag.ReportError(msg::ConstantRequired);
    value = 1;
  }
  return 1;
}

// ---------------------------------------------------------------------------------------------
// Binary operators by precedence climbing.

ExprNode* ExprEvaluator::ParseBinary(NodeKind enclosing, ParseMode mode, int minimum) {
  DepthGuard guard(*this);
  ExprNode* left = ParseUnary();
  if (left == nullptr) return nullptr;
  for (;;) {
    TokenCode code = Code();
    if (code >= kFirstNonBinary) break;
    if ((mode == ParseMode::Bound && code == tok::Comma) ||
        (mode == ParseMode::Middle && code == tok::Colon) ||
        (mode == ParseMode::Line && code == tok::EndOfLine))
      break;
    int p = kBinaryOperators[code].precedence;
    if (p == 0) break;
    NodeKind k = kBinaryOperators[code].kind;
    SetMessageLine();
    // Operators of neighbouring precedence whose grouping is often misread. Tested before the
    // precedence test, so it fires whichever of the two binds tighter.
    if (enclosing != kNoOperator && k != enclosing && minimum > 6 && p > 6 &&
        ((minimum <= 12 && p <= 12) || (minimum == 12 && p == 13) || (minimum == 13 && p == 12)))
      ctx_.diag.ReportWarning(msg::AmbiguousOperators);
    if (p < minimum || (p == minimum && !RightAssociative(p))) break;

    if (k == nk::Question) {
      if (left->kind != nk::Int32) left = MakeBooleanTest(left);
      Next();
      ExprNode* middle = ParseBinary(kNoOperator, ParseMode::Middle, 0);
      if (middle == nullptr) return nullptr;
      if (Code() != tok::Colon) {
        ErrorWithRecovery(msg::NoColonAfterQuestion);
        return nullptr;
      }
      Next();
      // In C++ the third operand may be an assignment.
      ExprNode* last =
          ParseBinary(kNoOperator, mode, cpp_ ? kAssignmentPrecedence : kConditionalPrecedence);
      if (last == nullptr) return nullptr;
      ExprNode* colon = MakeOperatorNode(nk::Colon, middle, last);
      left = MakeOperatorNode(nk::Question, left, colon);
    } else {
      Next();
      ExprNode* right = ParseBinary(k, mode, p);
      if (right == nullptr) return nullptr;
      left = MakeOperatorNode(k, left, right);
    }
  }
  return left;
}

// ---------------------------------------------------------------------------------------------
// Operands.

ExprNode* ExprEvaluator::ParseUnary() {
  DepthGuard guard(*this);
  SetMessageLine();
  const Token& t = ctx_.scanner.Current();
  ExprNode* n;
  switch (t.code) {
    case tok::Identifier:
      // Every name that reaches the parser is not a macro.
      n = MakeInt32(0, basic_[tc::Int]);
      Next();
      return n;
    case tok::IntConst:
    case tok::CharConst:
      n = MakeInt32(t.value, BasicType(t.type));
      Next();
      return n;
    case tok::LongConst:
      n = MakeInt64(t.value64, BasicType(t.type));
      Next();
      return n;
    case tok::FloatConst:
      if (ctx_.scanner.InDirectiveLine() && strict_) {
        ErrorWithRecovery(msg::IllegalFloatingPoint);
        return nullptr;
      }
      n = MakeFloating(t.floatValue, BasicType(t.type));
      Next();
      return n;
    case tok::String:
      ctx_.diag.ReportError(msg::ConstantRequired);
      Next();
      while (Code() == tok::String) Next();
      return MakeError();
    case tok::Plus: {
      Next();
      ExprNode* operand = ParseUnary();
      if (operand == nullptr) return nullptr;
      if (!cpp_ && IsPointerLike(operand->typeCode)) ctx_.diag.ReportError(msg::IllegalPointer);
      return MakeOperatorNode(nk::UnaryPlus, operand, nullptr);
    }
    case tok::Minus:
    case tok::Tilde:
    case tok::Not: {
      NodeKind kind = t.code == tok::Minus   ? nk::Negate
                      : t.code == tok::Tilde ? nk::Complement
                                             : nk::Not;
      Next();
      ExprNode* operand = ParseUnary();
      if (operand == nullptr) return nullptr;
      return MakeOperatorNode(kind, operand, nullptr);
    }
    case tok::Sizeof:
      return ParseSizeof();
    case tok::LParen:
      return ParseParenthesis();
    case tok::NoToken:
      // The operand that sizeof read in parentheses.
      n = savedOperand_;
      savedOperand_ = nullptr;
      Next();
      return n;
    default:
      ErrorWithRecovery(msg::ExpressionSyntax);
      return nullptr;
  }
}

ExprNode* ExprEvaluator::ParseParenthesis() {
  Next();
  if (CanBeginTypeName(Code())) {
    std::uint8_t qualifiers = 0;
    TypeRec* type = ParseTypeName(qualifiers);
    if (type == nullptr) return nullptr;
    ExprNode* operand = ParseUnary();
    if (operand == nullptr) return nullptr;
    if (operand->typeCode == tc::Error) return operand;
    ExprNode* result = ConvertChecked(true, type, operand);
    if (result->typeCode != tc::Error) result->flags |= qualifiers;
    return result;
  }
  ExprNode* inner = ParseBinary(kNoOperator, ParseMode::Full, 0);
  if (inner == nullptr) return nullptr;
  if (Code() != tok::RParen) {
    ErrorWithRecovery(msg::CloseParenExpected);
    return nullptr;
  }
  Next();
  return inner;
}

ExprNode* ExprEvaluator::ParseSizeof() {
  Scanner& scanner = ctx_.scanner;
  Next();
  if (Code() == tok::LParen && scanner.InDirectiveLine() && CanBeginTypeName(scanner.PeekToken())) {
    Next();
    std::uint8_t qualifiers = 0;
    TypeRec* type = ParseTypeName(qualifiers);
    if (type == nullptr) return nullptr;
    if (type->kind == tc::Pointer && (type->attributes & ta::Reference)) type = type->referenced;
    std::uint32_t size = TypeSize(type);
    if (size == 0) ctx_.diag.ReportError(msg::NotAllowedType);
    return MakeInt32(size, basic_[tc::UnsignedInt]);
  }
  ExprNode* operand;
  if (Code() == tok::LParen) {
    Next();
    ExprNode* inner = ParseBinary(kNoOperator, ParseMode::Full, 0);
    if (inner == nullptr) return nullptr;
    if (Code() != tok::RParen) {
      ErrorWithRecovery(msg::ExpressionSyntax);
      return nullptr;
    }
    savedOperand_ = inner;
    scanner.Current().code = tok::NoToken;
    operand = ParseUnary();
  } else {
    operand = ParseUnary();
  }
  if (operand == nullptr) return nullptr;
  if (operand->typeCode == tc::Error) return operand;
  std::uint32_t size;
  if (operand->type->kind == tc::Function) {
    ctx_.diag.ReportError(msg::SizeofFunction);
    size = 1;
  } else {
    size = TypeSize(operand->type);
    if (size == 0) ctx_.diag.ReportError(msg::NotAllowedType);
  }
  return MakeInt32(size, basic_[tc::UnsignedInt]);
}

}  // namespace tpx
