// Diagnostics: the message catalogue, the error, warning and fatal reporters, the warning
// switches and the limits on the number of messages.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <cstdio>

#include "options/option_block.h"
#include "source/position.h"

namespace tpx {

using MessageNumber = int;

// Message numbers used by name in the code.
namespace msg {
inline constexpr MessageNumber InternalError = 1;
inline constexpr MessageNumber CannotCreateOutput = 4;
inline constexpr MessageNumber ErrorDirective = 5;
inline constexpr MessageNumber IncludeTooDeep = 6;
inline constexpr MessageNumber BadIntrinsicCall = 7;
inline constexpr MessageNumber OutOfMemory = 9;
inline constexpr MessageNumber CannotOpenInput = 10;
inline constexpr MessageNumber ErrorWritingOutput = 12;
inline constexpr MessageNumber IncorrectOption = 84;
inline constexpr MessageNumber CouldNotFindFile = 202;
inline constexpr MessageNumber TooManyMessages = 235;
inline constexpr MessageNumber NoFileNames = 265;
inline constexpr MessageNumber Redefinition = 461;
}  // namespace msg

inline constexpr int kMessageCount = 509;       // catalogue entries 0..508
inline constexpr int kWarningSwitchCount = 81;  // switch i controls message 435 + i
inline constexpr int kFirstWarning = 435;

// Thrown by a fatal report (and by the stop rule) to abandon the current file; caught at the
// per-file recovery point of the driver.
struct FatalError {
  int value = 2;
};

// Thrown to end the whole process with a status (option errors, "No file names given").
struct ProcessExit {
  int status;
};

// Returns the catalogue text of a message, or null for an entry this program never reports.
const char* MessageText(MessageNumber number);

// The warning-switch table: code and default state of each of the 81 switches.
struct WarningSwitch {
  char code[4];
  bool defaultOn;
};
extern const WarningSwitch kWarningSwitches[kWarningSwitchCount];

class Diagnostics {
 public:
  Diagnostics(OptionBlock& options, const SourcePosition& position, std::FILE* out = stdout);

  // The reporters. Arguments follow the catalogue text's printf placeholders.
  void ReportFatal(MessageNumber number, ...);
  void ReportError(MessageNumber number, ...);
  void ReportWarning(MessageNumber number, ...);
  // Reports an error with both message limits set to 0 for the duration of the report.
  void ReportOutsideFile(MessageNumber number, ...);
  // For use before any file is processed: reports with both limits 0 and ends the process
  // with status 1.
  [[noreturn]] void ErrorAndExit(MessageNumber number, ...);
  // Integer overflow: error 312 in strict ANSI mode, warning 507 otherwise.
  void ReportOverflow();

  // Per-file counters.
  void ResetFileCounters();
  std::uint32_t ErrorCount() const { return errorCount_; }
  std::uint32_t MessageCount() const { return messageCount_; }
  std::uint32_t WarningCount() const { return messageCount_ - errorCount_; }
  bool FatalLatch() const { return fatalLatch_; }

  // Warning switches. `current` is what option parsing changes; the command-line state is
  // what each file starts from.
  void LoadSwitchDefaults();         // current = table defaults
  void CommitCommandLineSwitches();  // command-line state = current
  void LoadWarningEnable();          // per file: enable bytes = command-line state
  void SetSwitch(int index, bool on) { current_[index] = on; }
  bool SwitchOn(int index) const { return current_[index]; }
  bool CommandLineSwitch(int index) const { return commandLine_[index]; }
  void SetAllSwitches(bool on);
  bool WarningEnabled(MessageNumber number) const;
  void SetWarningEnabled(MessageNumber number, bool on);

  // The pending scanner position: restored after a line is printed and when a warning is not
  // reported. The owner (the scanner) registers the operation that restores it.
  using RestoreHook = void (*)(void* owner);
  void SetPendingRestore(RestoreHook hook, void* owner);
  void ClearPendingRestore();

  // Internal-error state machine of the per-file fault handler (0..3).
  int internalErrorState = 0;

  std::FILE* Stream() const { return out_; }

  // The gnu form (--diagnostics=gnu): every line reads "file:line: error: text" ("warning:",
  // "fatal error:" by the kind word; "tpx32: error: text" outside any file) and goes to
  // `stream`, standard error, which editors and build-log readers understand. What was
  // written to standard output before a line is flushed first, so the two keep their order.
  void UseGnuForm(std::FILE* stream);
  bool GnuForm() const { return gnuForm_; }
  // The per-file error summary, printed where the messages go.
  void PrintSummary(const char* format, int errorCount);

 private:
  void ReportLine(MessageNumber number, std::va_list args, const char* kindWord);
  void PrintLine(const char* kindWord, MessageNumber number, ...);
  [[noreturn]] void Stop();
  void ApplyPendingRestore();

  OptionBlock& options_;
  const SourcePosition& position_;
  std::FILE* out_;
  bool gnuForm_ = false;
  std::uint32_t errorCount_ = 0;
  std::uint32_t messageCount_ = 0;
  bool fatalLatch_ = false;
  bool current_[kWarningSwitchCount] = {};
  bool commandLine_[kWarningSwitchCount] = {};
  bool enable_[516] = {};
  RestoreHook restoreHook_ = nullptr;
  void* restoreOwner_ = nullptr;
};

}  // namespace tpx
