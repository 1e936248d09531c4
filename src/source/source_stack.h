// The stack of input records (files, pushed texts, macro texts) that feeds the scanner through
// one cursor, with line counting, the end-of-file checks, the include-guard list and the
// statistics hooks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

namespace tpx {

struct RunContext;
struct ConditionalFrame;

struct SourceFile {
  // An open file. Its handle is kept in `handle`: the kind stays below the codes of pushed and
  // macro texts whatever number the system gives the handle.
  static constexpr std::int32_t kOpenFile = 0;
  static constexpr std::int32_t kPushedText = 200;
  static constexpr std::int32_t kMacroText = 201;
  static constexpr std::int32_t kReleased = -1;

  std::int32_t kind;     // kOpenFile, kPushedText, kMacroText, or kReleased
  std::uint32_t count;   // valid bytes in the buffer
  std::uint32_t offset;  // read position, saved when another record is pushed on top
  const unsigned char* buffer;
  SourceFile* below;
  // File records only.
  const char* includerName;
  std::uint32_t includerLine;
  std::uint32_t fileOffset;  // position in the file of the buffer's first byte
  ConditionalFrame* includerConditionals;
  std::uint8_t standardNames;
  std::int32_t handle;  // the open handle (kind mirrors it for open files)

  bool IsFile() const { return kind < kPushedText; }
};

// A file the run opened, kept (when asked for) in the order first opened, each once.
struct OpenedFile {
  OpenedFile* next;   // the next file opened
  OpenedFile* chain;  // the next of the same hash bucket
  std::uint32_t hash;
  char name[1];  // the path as opened, zero-terminated
};

struct IncludeGuardEntry {
  IncludeGuardEntry* next;
  std::uint32_t hash;
  char* fileName;
  char* macroName;
};

struct HeaderStatEntry;
struct HeaderStatNode {
  HeaderStatEntry* entry;
  HeaderStatNode* next;
};
struct HeaderStatEntry {
  char* name;
  std::uint32_t lines;
  std::uint32_t totalAtOpen;
  std::uint32_t totalAtClose;
  std::uint32_t timesOpened;
  HeaderStatNode* included;
  HeaderStatEntry* next;
};

class SourceStack {
 public:
  // Size of a file record with its buffer, and the most one read asks for.
  static constexpr std::size_t kFileRecordSize = 16384;
  static constexpr std::size_t kReadSize = 15872;
  static constexpr int kMaxDepth = 1000;

  explicit SourceStack(RunContext& ctx) : ctx_(ctx) {}

  // Clears the reader state for a new input file.
  void Reset();

  // Opens a file and pushes it, or finds that the include-guard list skips it.
  // `lookup` says how the name is looked up (platform/platform.h); the file keeps the name as
  // written for messages and markers either way.
  enum class Opened {
    kNot,             // the file does not open
    kPushed,          // opened and pushed: reading goes on in it
    kSkippedByGuard,  // opened, but its include guard is defined: nothing pushed
  };
  Opened OpenSourceFile(const char* name, platform::NameLookup lookup =
                                              platform::NameLookup::kAsWrittenThenWindowsStyle);
  // Pushes a zero-terminated text (not copied); reading returns below where it left off.
  void PushText(const char* text);
  // The same for a text that may hold zero bytes.
  void PushText(const char* text, std::size_t length);
  void PushRecord(SourceFile* record);
  void PopRecord();

  // The next byte, refilling as needed.
  int NextByte() {
    if (cursor < limit) return *cursor++;
    return Refill();
  }
  void Unget() { --cursor; }
  int Refill();

  // Ends the top record: 1 when reading goes on in an enclosing record, 0 when the stack
  // became empty.
  int EndOfFile(bool quiet);
  // Counts a line break whose first character `c` was just read (0: consumed in full).
  void CountNewline(int c);
  // The same for a line break that the caller has read in full. Defined in source/count_line.h,
  // inline: every line of the input passes here.
  inline void CountLine();
  // Whether `second` completes the line break begun by `first`: CR LF or LF CR.
  static bool IsBreakPair(int first, int second) {
    return (first == '\r' && second == '\n') || (first == '\n' && second == '\r');
  }
  // The length of the line break at `p` in a buffer (1, or 2 for a pair): `p[0]` is CR or LF
  // and `p[1]` is readable. The byte that completes the pair is the other of the two, the one
  // whose bits differ from the first's in exactly those where CR and LF differ: one test, no
  // branch.
  static std::size_t BreakLength(const unsigned char* p) {
    return 1 + static_cast<std::size_t>((p[0] ^ p[1]) == ('\r' ^ '\n'));
  }

  // Include guards.
  void RecordGuard(const char* macroName);
  void ResetGuards();
  // `#line` with its (macro-expanded) text.
  void LineDirective(const char* text);

  // Gives up the handle of the outermost open file; false when there is none.
  bool ReleaseOneHandle();

  // Files that the current input file must not read: its output file and its dependency file,
  // as they stand and as they are being written. Opening one of them (an #include of the
  // output, say) is the fatal error "Unable to create output file" with `name`, which must live
  // as long as the input file. Forgotten when the reader state is cleared.
  void ForbidReading(const platform::FileId& id, const char* name);
  // Whether a file of this identity has been opened for the current input file.
  bool HasOpened(const platform::FileId& id) const;
  // The name given with the forbidden file that the input file tried to read, or null.
  const char* RefusedName() const { return refusedName_; }

  SourceFile* Top() const { return top_; }
  SourceFile* CurrentFile() const { return currentFile_; }
  int Depth() const { return depth_; }
  const char* FileName() const { return fileName_; }
  std::uint32_t Line() const { return line_; }
  void SetLine(std::uint32_t line);
  std::uint64_t TotalLines() const { return totalLines_; }
  HeaderStatEntry* Statistics() const { return stats_; }
  // The files opened for the current input file, the main file first (kept for the dependency
  // file when it is asked for; none otherwise).
  const OpenedFile* OpenedFiles() const { return opened_; }

  // Hot reader state: the scanner reads through these directly.
  const unsigned char* cursor = nullptr;
  const unsigned char* limit = nullptr;

 private:
  int OpenWithRetry(const char* name, platform::NameLookup lookup);
  bool CheckAllowed(int handle);
  bool GuardedAndDefined(const char* name) const;
  void SetFileName(const char* name);
  void UpdateStatisticsAtOpen(const char* name);
  void UpdateStatisticsAtClose();
  void ApplyStandardNames();
  void RecomputeCurrentFile();

  RunContext& ctx_;
  SourceFile* top_ = nullptr;
  SourceFile* currentFile_ = nullptr;
  int depth_ = 0;
  char* fileName_ = nullptr;
  std::uint32_t line_ = 0;
  std::uint64_t totalLines_ = 0;
  IncludeGuardEntry* guards_ = nullptr;
  HeaderStatEntry* stats_ = nullptr;
  void NoteOpened(const char* name, platform::NameLookup lookup);
  static constexpr unsigned kOpenedBuckets = 256;
  OpenedFile* opened_ = nullptr;
  OpenedFile* openedTail_ = nullptr;
  OpenedFile** openedBuckets_ = nullptr;
  HeaderStatEntry* statsTail_ = nullptr;
  struct OpenedId {
    OpenedId* next;
    platform::FileId id;
  };
  OpenedId* openedIds_ = nullptr;
  struct Forbidden {
    platform::FileId id;
    const char* name;
  };
  static constexpr int kMaxForbidden = 4;
  Forbidden forbidden_[kMaxForbidden] = {};
  int forbiddenCount_ = 0;
  const char* refusedName_ = nullptr;
};

}  // namespace tpx
