// The macro table and macro expansion: #define and #undef, the stored body form, the
// predefined and special macros, and expansion by pushing macro texts onto the source stack.
#pragma once

#include <cstddef>
#include <cstdint>

#include "source/source_stack.h"

namespace tpx {

struct RunContext;
class Scanner;
struct IdentEntry;
struct MacroDef;
struct MacroParameter;

// One argument of a macro call.
struct MacroArg {
  MacroArg* next;
  unsigned char* rawBlock;  // the raw text's block: one NUL byte, then the text
  unsigned char* raw;       // the argument as collected, blanks trimmed
  unsigned char* expanded;  // the argument fully expanded, blanks trimmed
};

// A macro-text input record: a body or an argument text being read.
struct MacroText : SourceFile {
  const unsigned char* text;
  MacroArg* args;
  IdentEntry* macro;     // the macro being expanded, or none
  MacroDef* definition;  // its definition, given back at the end of the text
  MacroText* nextFree;
  bool argumentExpansion;  // an argument text being expanded: its end byte 26 stops it
};

class Macros {
 public:
  explicit Macros(RunContext& ctx);

  // Per input file.
  void Reset();

  // Directives.
  void DefineDirective(int c);
  void UndefDirective(int c);

  // Definitions. Bodies are in the stored form and end with the end byte 0xFB.
  void StoreMacro(IdentEntry* entry, std::uint8_t parameterByte, const unsigned char* body,
                  std::size_t bodyLength, const char* const* parameterNames, int parameterCount);
  void DefineMacro(const char* value, const char* name);
  void DefineMacroText(const char* value, const char* name);
  void DefineCommandLineMacros();
  void DefinePredefinedMacros();
  void WriteDefineList();
  void SetStandardNames(bool on);

  // 0, or 1 (__STDC__) to 6 (__cplusplus) for a protected name.
  static int ProtectedNameNumber(const char* name, std::size_t length);
  // The protected-name number when the name is special in the current mode, else 0.
  int SpecialNumber(const char* name, std::size_t length) const;
  // Delivers a special macro's value and returns the first character the scanner reads.
  int SpecialMacroValue(int number);
  // Formats the date and time texts for a moment (without quotes).
  static void FormatDate(std::int64_t time, char out[12]);
  static void FormatTime(std::int64_t time, char out[9]);

  bool IsDefinedForOperator(const char* name, std::size_t length, std::uint32_t hash);
  bool IsDefinedForIfdef(const char* name, std::size_t length);

  // Expansion.
  bool Expand(IdentEntry* entry);
  int MacroTextEnd();
  // At the end of a segment of macro text where reading on would only drop the end byte, end
  // the text and return to the record below, or push the expansion of an argument that is not
  // pasted: does that without reading the byte after it, and returns true. Otherwise changes
  // nothing and returns false.
  bool PassTextEnd();
  // Expands the rest of the current directive line into the token text buffer and returns it;
  // the line break is left unread.
  const char* ExpandLine();

 private:
  // The ends of a segment that both MacroTextEnd and PassTextEnd pass without reading: the
  // end of the text (returns to the record below) and a parameter not pasted to what follows
  // (pushes its argument's expansion). True when the end at `position` was one of them.
  bool PassSegmentEnd(MacroText* record, std::uint32_t position);
  // Ends a macro text: gives the macro back its definition, frees the arguments and returns
  // to the record below.
  void EndText(MacroText* record);
  // Moves the read position of a macro text to `at` and finds the end of the segment there.
  void SetTextPosition(MacroText* record, std::uint32_t at);
  // The argument of a macro text for a parameter byte (null when there is none).
  static MacroArg* Argument(const MacroText* record, unsigned char parameter);
  // Moves past the parameter byte before `after` and pushes its argument: the raw text when
  // the parameter is pasted to what follows, else the expansion.
  void PushParameter(MacroText* record, std::uint32_t after);
  void PushMacroText(const unsigned char* text, MacroArg* args, IdentEntry* macro,
                     bool argumentExpansion = false);
  int CollectArgument();
  MacroArg* ExpandArgument(std::size_t start);
  void ExpandText(bool argumentText);
  void FreeArguments(MacroArg* args);
  // Puts a no-expand mark before the name of `length` bytes at `at` in the token text buffer
  // and moves the write position after the name; false, changing nothing, when the buffer has
  // no room for the mark.
  bool MarkNoExpand(std::size_t at, std::size_t length);
  // Stores the no-expand mark that is pending, if any.
  void StorePendingMark();
  void StoreByte(int c);
  void RecordObjectBody(std::size_t start);
  // The parameter list of a function-like #define, after its '(': adds each parameter at the
  // head of `parameters` and counts it; false, with the line skipped, on a syntax error.
  bool ReadParameters(MacroParameter*& parameters, int& count);
  // The body of a function-like #define, into the token text buffer from `start`: each name of
  // a parameter becomes its parameter byte, by its position in the list (newest first).
  void RecordFunctionBody(std::size_t start, const MacroParameter* parameters);
  // Renumbers the parameter bytes of a recorded body of `size` bytes to the order of
  // declaration and makes the parameter byte of the definition; false when a # is not followed
  // by a parameter.
  static bool NumberParameters(unsigned char* body, std::size_t size, int count,
                               std::uint8_t& parameterByte);
  // Trims the recorded body, checks the operators at its ends and appends the end byte and NUL.
  void FinishBody(std::size_t start);
  MacroDef* PlaceDefinition(std::size_t size);

  RunContext& ctx_;
  // The pieces that expansion reads and writes for every byte, held directly.
  Scanner& scanner_;
  SourceStack& source_;
  MacroText* freeRecords_ = nullptr;
  // Set while an argument is collected: false once it holds anything that expansion could
  // change (an unmarked identifier, or a marker byte not standing before an identifier).
  bool argumentPlain_ = true;
};

}  // namespace tpx
