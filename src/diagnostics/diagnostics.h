// Diagnostics: the message catalogue, the error, warning and fatal reporters, the warning
// switches and the limits on the number of messages.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <cstdio>

#include "diagnostics/position.h"

namespace tpx {

using MessageNumber = int;

// The numbers of the messages in the catalogue, by name.
namespace msg {
inline constexpr MessageNumber InternalError = 1;
inline constexpr MessageNumber CannotCreateOutput = 4;
inline constexpr MessageNumber ErrorDirective = 5;
inline constexpr MessageNumber IncludeTooDeep = 6;
inline constexpr MessageNumber BadIntrinsicCall = 7;
inline constexpr MessageNumber OutOfMemory = 9;
inline constexpr MessageNumber CannotOpenInput = 10;
inline constexpr MessageNumber CannotDeleteOutput = 11;
inline constexpr MessageNumber ErrorWritingOutput = 12;
inline constexpr MessageNumber AddressOfBitField = 17;
inline constexpr MessageNumber AddressOfMain = 18;
inline constexpr MessageNumber ArrayNeedsElement = 33;
inline constexpr MessageNumber ArrayTooLarge = 34;
inline constexpr MessageNumber ArrayOfReferences = 35;
inline constexpr MessageNumber ModifyConst = 36;
inline constexpr MessageNumber AssignToThis = 37;
inline constexpr MessageNumber AddressOfNonMemory = 39;
inline constexpr MessageNumber DeclarationTerminated = 50;
inline constexpr MessageNumber MisplacedDecimalPoint = 51;
inline constexpr MessageNumber UnknownDirective = 57;
inline constexpr MessageNumber BadFileNameFormat = 60;
inline constexpr MessageNumber BadDirectiveSyntax = 61;
inline constexpr MessageNumber MisplacedElif = 63;
inline constexpr MessageNumber MisplacedElse = 65;
inline constexpr MessageNumber MisplacedEndif = 66;
inline constexpr MessageNumber IllegalFloatingPoint = 70;
inline constexpr MessageNumber InvalidIndirection = 72;
inline constexpr MessageNumber IllegalMemberPointer = 77;
inline constexpr MessageNumber IllegalClosurePointer = 78;
inline constexpr MessageNumber IllegalNumberSuffix = 83;
inline constexpr MessageNumber IncorrectOption = 84;
inline constexpr MessageNumber ParameterNamesNeedBody = 93;
inline constexpr MessageNumber InvalidPointerAddition = 94;
inline constexpr MessageNumber IllegalPointerSubtraction = 95;
inline constexpr MessageNumber IllegalPointer = 96;
inline constexpr MessageNumber QualifiedIdentifier = 98;
inline constexpr MessageNumber FunctionReturnsArray = 100;
inline constexpr MessageNumber StorageClassNotAllowed = 101;
inline constexpr MessageNumber IncompatibleConversion = 102;
inline constexpr MessageNumber IllegalStructureOperation = 105;
inline constexpr MessageNumber NotAllowedType = 117;
inline constexpr MessageNumber ImproperTypedef = 120;
inline constexpr MessageNumber CharConstantLength = 138;
inline constexpr MessageNumber ConflictingModifiers = 148;
inline constexpr MessageNumber DeclarationSyntax = 152;
inline constexpr MessageNumber DefaultUsesLocals = 163;
inline constexpr MessageNumber DefineNeedsIdentifier = 164;
inline constexpr MessageNumber TooManyStorageClasses = 186;
inline constexpr MessageNumber TooManyTypes = 187;
inline constexpr MessageNumber EndOfFileInComment = 194;
inline constexpr MessageNumber EndOfFileInConditional = 195;
inline constexpr MessageNumber ExpressionSyntax = 196;
inline constexpr MessageNumber CouldNotFindFile = 202;
inline constexpr MessageNumber FileNameTooLong = 203;
inline constexpr MessageNumber IllegalCharacter = 214;
inline constexpr MessageNumber CannotOpenInclude = 217;
inline constexpr MessageNumber WrongArgumentCount = 226;
inline constexpr MessageNumber InvalidArgumentSeparator = 227;
inline constexpr MessageNumber MacroArgumentSyntax = 228;
inline constexpr MessageNumber MacroExpansionTooLong = 229;
inline constexpr MessageNumber TooManyDecimalPoints = 230;
inline constexpr MessageNumber TooManyMessages = 235;
inline constexpr MessageNumber MultipleDeclaration = 243;
inline constexpr MessageNumber CommaExpected = 256;
inline constexpr MessageNumber NoColonAfterQuestion = 259;
inline constexpr MessageNumber NoFileNames = 265;
inline constexpr MessageNumber NoFileNameEnding = 266;
inline constexpr MessageNumber OpenParenExpected = 273;
inline constexpr MessageNumber LvalueRequired = 275;
inline constexpr MessageNumber ConstMemberFunction = 278;
inline constexpr MessageNumber MissingBracket = 287;
inline constexpr MessageNumber CloseParenExpected = 290;
inline constexpr MessageNumber ConstantRequired = 294;
inline constexpr MessageNumber TypeNameExpected = 307;
inline constexpr MessageNumber IncorrectNumberFormat = 311;
inline constexpr MessageNumber ConstantTooLarge = 312;
inline constexpr MessageNumber NonportableConversionError = 332;
inline constexpr MessageNumber ReferenceToReference = 333;
inline constexpr MessageNumber OperandTypesDiffer = 336;
inline constexpr MessageNumber AlreadyIncluded = 342;
inline constexpr MessageNumber SizeofBitField = 350;
inline constexpr MessageNumber SizeofFunction = 351;
inline constexpr MessageNumber UnterminatedLiteral = 358;
inline constexpr MessageNumber TwoDots = 380;
inline constexpr MessageNumber UndefinedStructure = 388;
inline constexpr MessageNumber UnknownSize = 390;
inline constexpr MessageNumber VoidReference = 399;
inline constexpr MessageNumber VoidValue = 401;
inline constexpr MessageNumber ClosureCallingConvention = 428;
inline constexpr MessageNumber CombineDeclspecs = 431;
inline constexpr MessageNumber AmbiguousOperators = 435;
inline constexpr MessageNumber NonAnsiKeyword = 436;
inline constexpr MessageNumber PossiblyIncorrectAssignment = 437;
inline constexpr MessageNumber ConditionAlways = 445;
inline constexpr MessageNumber ConstantOutOfRange = 447;
inline constexpr MessageNumber DivisionByZero = 449;
inline constexpr MessageNumber SuperfluousAmpersand = 452;
inline constexpr MessageNumber LongHexEscape = 454;
inline constexpr MessageNumber LosesDigits = 460;
inline constexpr MessageNumber Redefinition = 461;
inline constexpr MessageNumber MixingCharPointers = 462;
inline constexpr MessageNumber NoEffect = 467;
inline constexpr MessageNumber ObsoleteDefinitionStyle = 471;
inline constexpr MessageNumber NonportableConversion = 477;
inline constexpr MessageNumber SuspiciousPointerArithmetic = 485;
inline constexpr MessageNumber NonportablePointerComparison = 486;
inline constexpr MessageNumber SuspiciousPointerConversion = 487;
inline constexpr MessageNumber UseBeforeDefinition = 490;
inline constexpr MessageNumber Obsolete = 498;
inline constexpr MessageNumber ContinuationInLineComment = 500;
inline constexpr MessageNumber SignedUnsignedComparison = 502;
inline constexpr MessageNumber NegatingUnsigned = 503;
inline constexpr MessageNumber ArithmeticOverflow = 507;
inline constexpr MessageNumber ShiftOverflow = 508;
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
  // The limits on the number of messages (0: none) and the language mode (1: strict ANSI) are
  // the option bytes of the run; the reporters lower the limits to 0 around reports made
  // outside a file.
  Diagnostics(std::uint8_t& errorLimit, std::uint8_t& warningLimit,
              const std::uint8_t& languageMode, const SourcePosition& position,
              std::FILE* out = stdout);

  // The reporters. Arguments follow the catalogue text's printf placeholders.
  void ReportFatal(MessageNumber number, ...);
  void ReportError(MessageNumber number, ...);
  void ReportWarning(MessageNumber number, ...);
  // Reports an error with both message limits set to 0 for the duration of the report.
  void ReportOutsideFile(MessageNumber number, ...);
  // For use before any file is processed: reports with both limits 0 and ends the process
  // with status 1.
  [[noreturn]] void ErrorAndExit(MessageNumber number, ...);
  // Reports an error found while a file's output is finished (kept or discarded): printed and
  // counted even after a fatal error has ended the file, and never stops anything.
  void ReportWhileFinishing(MessageNumber number, ...);
  // Ends the current file as a fatal error does, without a message (once its output cannot be
  // written because the reader of standard output has gone); counts as one error.
  [[noreturn]] void AbandonQuietly();
  // Messages go to standard error from now on when they went to standard output: called when
  // writing to standard output has failed.
  void LeaveStandardOutput();
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
  // Prints an error and counts it.
  void CountedError(MessageNumber number, std::va_list args);
  void PrintLine(const char* kindWord, MessageNumber number, ...);
  [[noreturn]] void Stop();
  void ApplyPendingRestore();

  std::uint8_t& errorLimit_;
  std::uint8_t& warningLimit_;
  const std::uint8_t& languageMode_;
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
