// Directive dispatch and conditional inclusion: recognises directive lines, runs their
// handlers, keeps the conditional stack of the current file and skips false groups.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"
#include "source/source_stack.h"

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

  // How ReadDirective treats the directive it reads.
  enum class Reading {
    kProcess,         // carry it out
    kFirstOfInclude,  // carry it out: it is the first one of a file just included, so an
                      // #ifndef there may be an include guard
    kIdentifyOnly,    // only say which one it is (while skipping a false group)
  };
  // Called with the input positioned after a '#'; returns the directive's code.
  int ReadDirective(Reading reading);
  int CurrentDirective() const { return current_; }

  // The first byte of a directive's operand: blanks and comments after the directive name
  // (which begins with `c`, the byte after the name) are passed over.
  int SkipToOperand(int c);
  void SkipRestOfLine(int c);
  void CheckRestOfLine(int c);

  // The conditional stack of the current file. A file record keeps its includer's stack aside
  // while the included file is read; at the end of a file its own open conditionals are
  // reported (unless `quiet`) and dropped.
  void ResetConditionals() { conditionals_ = nullptr; }
  ConditionalFrame* SetAsideConditionals() {
    ConditionalFrame* saved = conditionals_;
    conditionals_ = nullptr;
    return saved;
  }
  void RestoreConditionals(ConditionalFrame* saved) { conditionals_ = saved; }
  void EndConditionals(bool quiet);

 private:
  void PushConditional(std::uint8_t kind);
  void PopConditional();
  // What SkipFalseGroup skips, which decides where it may stop.
  enum class Skipping {
    kFalseGroup,        // a group whose condition is false: an #elif or #else may end it
    kElseGroup,         // an #else group after a processed one: only its #endif ends it
    kRestOfTakenChain,  // the rest of a chain whose earlier group was processed
  };
  void SkipFalseGroup(Skipping skipping);
  // Passes over a skipped line that needs no care (blanks, then ordinary bytes up to the line
  // break, all in the buffer) and counts its line break; false, having moved nothing, for any
  // other line.
  bool SkipPlainLine();
  void AfterSkip();
  bool Evaluate();

  void If();
  enum class NameTest {
    kIfdef,
    kIfndef,
    kIfndefMayBeGuard,  // the first directive of an included file: an #ifndef there may be
                        // the file's include guard
  };
  void IfdefIfndef(int c, NameTest test);
  void Else(int c);
  void Elif(int c);
  void Endif(int c);
  void GuardCheck(int c, const char* guard);
  void ErrorDirective(int c);
  void LineDirectiveHandler(int c);
  void PragmaDirective(int c);
  void Include(int c);
  int SkipLiteral(int quote);
  // Include search: each returns what opening the file found.
  SourceStack::Opened Search(char* name, bool angle);
  // One pass over every place, each name looked up as `lookup` says; `extended` receives the
  // name last searched for (with the default extension of an angle-bracket name).
  SourceStack::Opened SearchPlaces(const char* name, bool angle, platform::NameLookup lookup,
                                   char* extended);
  SourceStack::Opened SearchIncludeDirectories(const char* name, platform::NameLookup lookup);
  // -1 when directory and name together are too long.
  static bool Fits(std::size_t directoryLength, const char* name);
  SourceStack::Opened TryOpen(const char* directory, std::size_t directoryLength, const char* name,
                              platform::NameLookup lookup);

  RunContext& ctx_;
  ConditionalFrame* conditionals_ = nullptr;
  int current_ = 0;
  bool standardNames_ = false;
  char lastTried_[264] = {};
};

}  // namespace tpx
