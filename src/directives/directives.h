// Directive dispatch and conditional inclusion: recognises directive lines, runs their
// handlers, keeps the conditional stack of the current file and skips false groups.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

namespace tpx {

struct RunContext;
struct ConditionalFrame;

namespace dir {
inline constexpr int None = 0;
inline constexpr int Define = 1;
inline constexpr int If = 2;
inline constexpr int Ifdef = 3;
inline constexpr int Ifndef = 4;
inline constexpr int Endif = 5;
inline constexpr int Else = 6;
inline constexpr int Elif = 7;
inline constexpr int Line = 8;
inline constexpr int Pragma = 9;
inline constexpr int Undef = 10;
inline constexpr int Include = 11;
inline constexpr int Error = 12;
}  // namespace dir

class Directives {
 public:
  explicit Directives(RunContext& ctx) : ctx_(ctx) {}

  // Called with the input positioned after a '#'. With `process` false the directive is only
  // identified (while skipping) and its code returned.
  int ReadDirective(bool firstDirectiveOfInclude, bool process);
  int CurrentDirective() const { return current_; }

  // The first byte of a directive's operand: blanks and comments after the directive name
  // (which begins with `c`, the byte after the name) are passed over.
  int SkipToOperand(int c);
  void SkipRestOfLine(int c);
  void CheckRestOfLine(int c);

  // The condition evaluator of #if and #elif: reads the rest of the line and returns true when
  // it evaluates to non-zero. Replaceable so the expression layer can be tested alone.
  using ConditionEvaluator = bool (*)(RunContext& ctx);
  ConditionEvaluator evaluateCondition = nullptr;

 private:
  void PushConditional(std::uint8_t kind);
  void PopConditional();
  void SkipFalseGroup(bool chainTaken, bool elseAllowed);
  // Passes over a skipped line that needs no care (blanks, then ordinary bytes up to the line
  // break, all in the buffer) and counts its line break; false, having moved nothing, for any
  // other line.
  bool SkipPlainLine();
  void AfterSkip();
  bool Evaluate();

  void If();
  void IfdefIfndef(int c, bool isIfdef, bool recordGuard);
  void Else(int c);
  void Elif(int c);
  void Endif(int c);
  void GuardCheck(int c, const char* guard);
  void ErrorDirective(int c);
  void LineDirectiveHandler(int c);
  void PragmaDirective(int c);
  void Include(int c);
  int SkipLiteral(int quote);
  // Include search: each returns the open result (0 none, 1 pushed, 2 skipped as guarded).
  int Search(char* name, bool angle);
  // One pass over every place, each name looked up as `lookup` says; `extended` receives the
  // name last searched for (with the default extension of an angle-bracket name).
  int SearchPlaces(const char* name, bool angle, platform::NameLookup lookup, char* extended);
  int SearchIncludeDirectories(const char* name, platform::NameLookup lookup);
  // -1 when directory and name together are too long.
  int TryOpen(const char* directory, std::size_t directoryLength, const char* name,
              platform::NameLookup lookup);

  RunContext& ctx_;
  int current_ = 0;
  bool standardNames_ = false;
  char lastTried_[264] = {};
};

}  // namespace tpx
