// Options: the option tables and their matcher, the handlers that act on the option block and
// the lists beside it, and the readers of the configuration file and of response files.
#pragma once

#include <cstddef>
#include <cstdint>

#include "options/option_block.h"
#include "options/option_lists.h"

namespace tpx {

struct RunContext;
struct OptionEntry;

// A handler acts on the rest of the option text (after the character that selected its entry)
// and returns 1 to accept, 0 to refuse.
using OptionHandler = int (*)(RunContext& ctx, const char* rest, const OptionEntry& entry);

// One row of an option table. A table ends with the entry whose handler is null.
struct OptionEntry {
  unsigned char letter;      // next character; 0 matches the end, kAnyLetter matches anything
  unsigned char level;       // the highest option phase in which the entry may act
  OptionHandler handler;     // null ends the table
  const OptionEntry* table;  // the sub-table of a descend entry
  std::size_t target;        // offset of the OptionBlock field the handler sets
  std::uint32_t value;       // the value to store, or the upper limit of a number
};

inline constexpr unsigned char kAnyLetter = 0xFF;

// Levels of entries: before any file only, also before a file's output is opened, any time.
inline constexpr unsigned char kLevelBeforeFiles = 0;
inline constexpr unsigned char kLevelBeforeOutput = 1;
inline constexpr unsigned char kLevelAnyTime = 2;

// Source levels of ParseOption.
inline constexpr int kEarlyPass = -1;   // first look at the command line (-I, -L only)
inline constexpr int kCommandLine = 0;  // the command line and options between file names
inline constexpr int kConfigurationFile = 1;

// The matcher: every entry whose letter equals the first character of `text` (or is the
// wildcard) acts, in table order; a refusal refuses at once; the option is accepted only when
// an entry matched its character exactly.
int MatchOption(RunContext& ctx, const char* text, const OptionEntry* table);

// Parses one option given without its leading "-" or "/". Returns 1 when it was accepted (or
// passed over at this level), 0 when it is incorrect.
int ParseOption(RunContext& ctx, int level, const char* text);

// The top table of the option tree.
const OptionEntry* TopOptionTable();

// The handler kinds shared by the tables. Tests build small tables from them.
namespace handlers {
int Descend(RunContext& ctx, const char* rest, const OptionEntry& entry);
int SetValue(RunContext& ctx, const char* rest, const OptionEntry& entry);
int Switch(RunContext& ctx, const char* rest, const OptionEntry& entry);
// A switch whose sign ("+", "-", ".") is the letter that selected the entry; the text must end
// after it. Lets a sub-table hold the switch forms beside other letters.
int SwitchSign(RunContext& ctx, const char* rest, const OptionEntry& entry);
int SwitchAndRetune(RunContext& ctx, const char* rest, const OptionEntry& entry);
int Restore(RunContext& ctx, const char* rest, const OptionEntry& entry);
int InvertedSwitch(RunContext& ctx, const char* rest, const OptionEntry& entry);
int BoundedNumber(RunContext& ctx, const char* rest, const OptionEntry& entry);
int IdentifierLength(RunContext& ctx, const char* rest, const OptionEntry& entry);
int String(RunContext& ctx, const char* rest, const OptionEntry& entry);
int Path(RunContext& ctx, const char* rest, const OptionEntry& entry);
int IncludeDirectories(RunContext& ctx, const char* rest, const OptionEntry& entry);
int LibraryDirectories(RunContext& ctx, const char* rest, const OptionEntry& entry);
int Define(RunContext& ctx, const char* rest, const OptionEntry& entry);
int Undefine(RunContext& ctx, const char* rest, const OptionEntry& entry);
int Warnings(RunContext& ctx, const char* rest, const OptionEntry& entry);
int Accept(RunContext& ctx, const char* rest, const OptionEntry& entry);
}  // namespace handlers

// Bytes of OptionBlock::Ignored used by the accepted-and-ignored options, named after the
// option that sets each.
namespace ignored {
enum Index : unsigned {
  a,
  f,
  r,
  G,
  N,
  Z,
  b,
  d,
  dc,
  df,
  k,
  u,
  v,
  vi,
  v4,
  vt,
  vo,
  vu,
  y,
  R,
  RT,
  M1,
  M2,
  M3,
  c,
  s,
  X,
  V,
  Vv,
  Vp,
  Vc,
  Va,
  Vt,
  Ve,
  VC,
  Vquery,
  Vd,
  Vx,
  Vbang,
  Vl,
  Vm,
  Jg,
  Ja,
  xp,
  xf,
  xv,
  xs,
  xds,
  xdg,
  Count
};
// The -Vo option switches these seven -V bytes at once.
inline constexpr Index kVoBytes[7] = {Vv, Vp, Vc, Va, Vt, Ve, VC};
}  // namespace ignored
static_assert(ignored::Count <= sizeof(OptionBlock::Ignored));

// Slots of OptionBlock::IgnoredText used by the accepted-and-ignored options with a name.
namespace ignoredText {
enum Index : unsigned { zD, zG, zB, zC, zP, zA, zR, zS, zT, E, e, Count };
}  // namespace ignoredText
static_assert(ignoredText::Count <= sizeof(OptionBlock::IgnoredText) / sizeof(const char*));

// The text -I stores into AngleSearchMode (any non-empty text means "given").
inline constexpr const char* kAngleSearchGiven = "-I";

// ---------------------------------------------------------------------------------------------
// The lists beside the block.

// Adds a definition to the end of the DefineList. An identical redefinition is silent; a
// different one reports "Redefinition of '%s' is not identical" and keeps the first.
void AddDefine(RunContext& ctx, const char* name, std::size_t nameLength, const char* value,
               std::size_t valueLength);
// Removes the first definition with exactly this name; returns false when there was none.
bool RemoveDefine(RunContext& ctx, const char* name);
// Finds a definition by exact name, or null.
const DefineRecord* FindDefine(const RunContext& ctx, const char* name);
// Puts the -I and -L lists (built by adding at the front) into the order they were given.
void ReverseDirectoryLists(RunContext& ctx);
// The default source extension (".cpp" unless -P set another).
const char* DefaultSourceExtension(const RunContext& ctx);

// ---------------------------------------------------------------------------------------------
// Option sources.

// Replaces every "@name" argument by the words of that response file (argc and argv are
// replaced by a new vector from the long-lived pool). A missing file ends the process.
void ExpandResponseFiles(RunContext& ctx, int& argc, char**& argv);
// Cuts a response-file text (ended by byte 26) into words in place. With `words` null only
// counts them and leaves the text untouched. Returns the number of words.
std::size_t SplitResponseText(char* text, char** words);

// Reads the leading options: warning defaults, the early pass (-I, -L, "+name"), the
// configuration file, the main pass, then commits the warning switches and the derived bytes.
// An incorrect option ends the process (ProcessExit{1}).
void ReadOptions(RunContext& ctx, int argc, char** argv);
// Finds and reads the configuration file (the "+name" one, or the default in the current
// directory, then beside the executable).
void ReadConfigurationFile(RunContext& ctx);
// Gives every word of a configuration text (ended by byte 26) to ParseOption; an incorrect word
// ends the process.
void ParseConfigurationText(RunContext& ctx, const char* text);

// The configuration-file word reader: one word per call.
inline constexpr std::size_t kConfigWordBuffer = 269;
enum class ConfigWord { End, Word, TooLong };
// Reads the next word at `cursor` into `word` (kConfigWordBuffer bytes) and advances the
// cursor. TooLong leaves the first 268 characters in `word`.
ConfigWord NextConfigWord(const char*& cursor, char* word);

// Builds the path of `name` in the directory of `executablePath` (drive and directory kept).
// Returns false when there is no directory or the result does not fit into `size` bytes.
bool PathBesideExecutable(const char* executablePath, const char* name, char* out,
                          std::size_t size);

}  // namespace tpx
