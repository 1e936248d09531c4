// The working state of one condition evaluation: the node pool, the table of basic types, the
// pointer-type chains and the recursion bound, with the parser, the type-name reader and the
// folder as its operations. One evaluator lives for one #if or #elif line; everything it builds
// goes back to the block pool when it ends.
#pragma once

#include <cstddef>
#include <cstdint>

#include "constexpr/expr_types.h"
#include "source/tokens.h"

namespace tpx {

struct RunContext;
class BlockPool;

// Bump allocation of nodes and type records from blocks of the per-file block pool. Every block
// is given back when the pool ends; the block pool itself is emptied at the end of the file, so
// nothing outlives the file even when a fatal error abandons the evaluation.
class ExprNodePool {
 public:
  explicit ExprNodePool(BlockPool& blocks) : blocks_(blocks) {}
  ~ExprNodePool();
  ExprNodePool(const ExprNodePool&) = delete;
  ExprNodePool& operator=(const ExprNodePool&) = delete;

  // Zero-filled storage aligned for any record of this subsystem.
  void* Allocate(std::size_t n);
  std::size_t BlockCount() const { return count_; }

 private:
  static constexpr std::size_t kBlockSize = 4096;
  static constexpr std::size_t kAlign = 16;
  struct Block {
    Block* next;
  };
  void* AllocateSlow(std::size_t n);

  BlockPool& blocks_;
  Block* head_ = nullptr;
  char* current_ = nullptr;
  char* limit_ = nullptr;
  std::size_t count_ = 0;
};

class ExprEvaluator {
 public:
  // Nesting allowed to the parser and the folder together; deeper expressions end the file as
  // if the stack had run out.
  static constexpr int kMaxDepth = 4000;
  static constexpr std::size_t kPointerChains = 4096;

  enum class ParseMode { Full, Bound, Middle, Line };

  explicit ExprEvaluator(RunContext& ctx);
  ExprEvaluator(const ExprEvaluator&) = delete;
  ExprEvaluator& operator=(const ExprEvaluator&) = delete;

  // The condition of #if and #elif: true when the line's expression is valid and not 0.
  bool EvaluateCondition();
  // Condition context (`arrayBound` false): reads the line from its first token. Array-bound
  // context: the first token has been read. Returns 1 with a value, or 0 after a syntax error
  // at the top level of a condition (value 0). `isSigned` receives whether the value's type is
  // signed.
  int EvaluateConstantExpression(std::uint32_t& value, bool arrayBound, bool* isSigned = nullptr);

  ExprNode* ParseBinary(NodeKind enclosing, ParseMode mode, int minimumPrecedence);
  ExprNode* ParseUnary();

  // Leaves.
  ExprNode* MakeInt32(std::uint32_t value, TypeRec* type);
  ExprNode* MakeInt64(std::uint64_t value, TypeRec* type);
  ExprNode* MakeFloating(long double value, TypeRec* type);
  ExprNode* MakeError();
  // Reports `number` (when not 0) and returns a fresh error node.
  ExprNode* TreeError(int number);

  // Types.
  TypeRec* BasicType(int code);
  TypeRec* PointerTo(TypeRec* target, std::uint8_t attributes);
  TypeRec* ArrayOf(TypeRec* element, std::uint32_t count);
  TypeRec* FunctionReturning(TypeRec* result);
  TypeRec* ParseTypeName(std::uint8_t& qualifiers);
  std::uint32_t TypeSize(const TypeRec* type);
  bool CanBeginTypeName(TokenCode code) const;

  // Typing and folding.
  ExprNode* MakeOperatorNode(NodeKind kind, ExprNode* left, ExprNode* right);
  ExprNode* MakeBooleanTest(ExprNode* node);
  ExprNode* PromoteOperand(ExprNode* node);
  ExprNode* ConvertChecked(bool explicitCast, TypeRec* type, ExprNode* node);
  ExprNode* ConvertConstant(TypeRec* type, ExprNode* node);
  std::uint32_t Normalize(int code, std::uint32_t value) const;
  ExprNode* FoldExpression(ExprNode* node);
  ExprNode* FoldOperator(ExprNode* node);

  ExprNodePool& Pool() { return pool_; }
  bool Cpp() const { return cpp_; }
  bool Strict() const { return strict_; }

 private:
  struct DepthGuard {
    explicit DepthGuard(ExprEvaluator& e);
    ~DepthGuard() { --evaluator.depth_; }
    ExprEvaluator& evaluator;
  };

  // Parser helpers.
  TokenCode Next();
  TokenCode Code() const;
  void SetMessageLine();
  void ErrorWithRecovery(int number, const char* argument = nullptr);
  ExprNode* ParseSizeof();
  ExprNode* ParseParenthesis();

  // Type-name helpers.
  struct Specifiers;
  // Reads the specifiers that begin a type name, up to the first token that is none.
  bool ReadSpecifiers(Specifiers& s);
  // The basic type the specifiers name, with the checks of their combination.
  int SpecifiedType(const Specifiers& s);
  struct Derivation;
  bool ParseDeclarator(Derivation*& list);
  bool ParseSuffixes(Derivation*& list);
  bool SkipParameterList();
  TypeRec* BuildType(TypeRec* base, Derivation* list);

  // Folding helpers.
  ExprNode* NewNode(NodeKind kind, TypeRec* type);
  ExprNode* WrapConversion(TypeRec* type, ExprNode* operand);
  ExprNode* WrapBoolIfCpp(ExprNode* node);
  ExprNode* PointerArithmetic(NodeKind kind, ExprNode* left, ExprNode* right);
  ExprNode* PrepareComparison(NodeKind kind, ExprNode*& left, ExprNode*& right);
  ExprNode* LogicalNot(ExprNode* left);
  ExprNode* Usual(NodeKind kind, ExprNode* left, ExprNode* right, std::uint32_t flags);
  ExprNode* Colon(ExprNode* left, ExprNode* right);
  void RangeCheck(ExprNode* constant, NodeKind kind, ExprNode* other);
  ExprNode* Fold32(ExprNode* node, ExprNode* left, ExprNode* right);
  ExprNode* Fold64(ExprNode* node, ExprNode* left, ExprNode* right);
  ExprNode* FoldFloating(ExprNode* node, ExprNode* left, ExprNode* right);
  long double RoundTo(int code, long double value) const;
  bool SameType(const ExprNode* node, const TypeRec* type) const;

  RunContext& ctx_;
  ExprNodePool pool_;
  TypeRec* basic_[tc::Count] = {};
  TypeRec** pointerChains_ = nullptr;
  ExprNode* savedOperand_ = nullptr;
  int depth_ = 0;
  bool cpp_;
  bool strict_;
  bool unsignedChar_;
};

}  // namespace tpx
