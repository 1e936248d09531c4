#include "diagnostics/diagnostics.h"

#include <cstdarg>
#include <cstring>

#include "diagnostics/misc_strings.h"

namespace tpx {

namespace {

struct CatalogueEntry {
  MessageNumber number;
  const char* text;
};

// The messages this program can report, by number. Every other entry has no text.
constexpr CatalogueEntry kCatalogue[] = {
    {0, "Noerror"},
    {1, "Internal compiler error %s"},
    {4, "Unable to create output file '%s'"},
    {5, "Error directive: %s"},
    {6, "Include files nested too deep"},
    {7, "Bad call of intrinsic function"},
    {9, "Out of memory"},
    {10, "Unable to open input file '%s'"},
    // tpx32's own: a partial output file that could not be deleted (it is emptied instead).
    {11, "Unable to delete output file '%s'"},
    {12, "Error writing output file"},
    {17, "Illegal to take address of bit field"},
    {18, "Cannot take address of 'main'"},
    {33, "Array must have at least one element"},
    {34, "Array size too large"},
    {35, "Array of references is not allowed"},
    {36, "Cannot modify a const object"},
    {37, "Assignment to 'this' not allowed, use X::operator new instead"},
    {39, "Must take address of a memory location"},
    {50, "Declaration terminated incorrectly"},
    {51, "Misplaced decimal point"},
    {57, "Unknown preprocessor directive: '%s'"},
    {60, "Bad file name format in %s directive"},
    {61, "Bad %s directive syntax"},
    {63, "Misplaced elif directive"},
    {65, "Misplaced else directive"},
    {66, "Misplaced endif directive"},
    {70, "Illegal use of floating point"},
    {72, "Invalid indirection"},
    {77, "Illegal use of member pointer"},
    {78, "Illegal use of closure pointer"},
    {83, "Illegal number suffix"},
    {84, "Incorrect %s option: %s"},
    {93, "Parameter names are used only with a function body"},
    {94, "Invalid pointer addition"},
    {95, "Illegal pointer subtraction"},
    {96, "Illegal use of pointer"},
    {98, "Identifier '%s' cannot have a type qualifier"},
    {100, "Functions cannot return arrays or functions"},
    {101, "Storage class '%s' is not allowed here"},
    {102, "Incompatible type conversion"},
    {105, "Illegal structure operation"},
    {117, "Not an allowed type"},
    {120, "Improper use of typedef '%s'"},
    {138, "Character constant must be one or two characters long"},
    {148, "Conflicting type modifiers"},
    {152, "Declaration syntax error"},
    {163, "Default expression may not use local variables"},
    {164, "Define directive needs an identifier"},
    {186, "Too many storage classes in declaration"},
    {187, "Too many types in declaration"},
    {194, "Unexpected end of file in comment started on line %d"},
    {195, "Unexpected end of file in conditional started on line %d"},
    {196, "Expression syntax"},
    {202, "Could not find file '%s'"},
    {203, "File name too long"},
    {214, "Illegal character '%s' (0x%x)"},
    {217, "Unable to open include file '%s'"},
    {226, "Wrong number of arguments in call of macro '%s'"},
    {227, "Invalid macro argument separator"},
    {228, "Macro argument syntax error"},
    {229, "Macro expansion too long"},
    {230, "Too many decimal points"},
    {235, "Too many error or warning messages"},
    {243, "Multiple declaration for '%s'"},
    {256, ", expected"},
    {259, "No : following the ?"},
    {265, "No file names given"},
    {266, "No file name ending"},
    {273, "( expected"},
    {275, "Lvalue required"},
    {278, "Only member functions may be 'const' or 'volatile'"},
    {287, "%s missing ]"},
    {290, ") expected"},
    {294, "Constant expression required"},
    {307, "Type name expected"},
    {311, "Incorrect number format"},
    {312, "Numeric constant too large"},
    {332, "Nonportable pointer conversion"},
    {333, "Cannot define a pointer or reference to a reference"},
    {336, "Two operands must evaluate to the same type"},
    {342, "'%s' has already been included"},
    {350, "sizeof may not be applied to a bit field"},
    {351, "sizeof may not be applied to a function"},
    {358, "Unterminated string or character constant"},
    {380, "Two consecutive dots"},
    {388, "Undefined structure '%s'"},
    {390, "Size of the type is unknown or zero"},
    {399, "void & is not a valid type"},
    {401, "Value of type void is not allowed"},
    {428, "Calling convention must be attributed to the function type, not the closure"},
    {431, "Use __declspec(spec1[, spec2]) to combine multiple __declspec's"},
    {435, "Ambiguous operators need parentheses"},
    {436, "Non-ANSI keyword used: '%s'"},
    {437, "Possibly incorrect assignment"},
    {445, "Condition is always %s"},
    {447, "Constant out of range in comparison"},
    {449, "Division by zero"},
    {452, "Superfluous & with function"},
    {454, "Hexadecimal value contains more than 3 digits"},
    {460, "Conversion may lose significant digits"},
    {461, "Redefinition of '%s' is not identical"},
    {462, "Mixing pointers to different 'char' types"},
    {467, "Code has no effect"},
    {471, "Style of function definition is now obsolete"},
    {477, "Nonportable pointer conversion"},
    {485, "Suspicious pointer arithmetic"},
    {486, "Nonportable pointer comparison"},
    {487, "Suspicious pointer conversion"},
    {490, "Possible use of '%s' before definition"},
    {498, "'%s' is obsolete"},
    {500, "Continuation character \\ found in // comment"},
    {502, "Comparing signed and unsigned values"},
    {503, "Negating unsigned value"},
    {507, "Integer arithmetic overflow"},
    {508, "Possible overflow in shift operation"},
};

struct CatalogueIndex {
  const char* texts[kMessageCount] = {};
  constexpr CatalogueIndex() {
    for (const CatalogueEntry& e : kCatalogue) texts[e.number] = e.text;
  }
};

constexpr CatalogueIndex kIndex;

}  // namespace

const char* MessageText(MessageNumber number) {
  if (number < 0 || number >= kMessageCount) return nullptr;
  return kIndex.texts[number];
}

const WarningSwitch kWarningSwitches[kWarningSwitchCount] = {
    {"amb", false}, {"nak", false}, {"pia", true}, {"asc", true},  {"asm", false}, {"obi", true},
    {"bbf", false}, {"pro", true},  {"pro", true}, {"cln", false}, {"ccc", true},  {"use", false},
    {"rng", true},  {"dsz", true},  {"zdi", true}, {"eas", true},  {"bei", true},  {"amp", false},
    {"ext", true},  {"big", true},  {"hch", true}, {"ibc", true},  {"hid", true},  {"ias", true},
    {"nci", true},  {"sig", false}, {"dup", true}, {"ucp", false}, {"ret", true},  {"nst", true},
    {"inl", true},  {"inl", true},  {"eff", true}, {"pch", true},  {"par", true},  {"rvl", true},
    {"ofp", true},  {"pin", false}, {"msg", true}, {"ill", true},  {"pre", true},  {"dpu", true},
    {"rpt", true},  {"rch", true},  {"lin", true}, {"lvc", true},  {"lvc", true},  {"lvc", true},
    {"lvc", true},  {"stv", false}, {"spa", true}, {"cpt", true},  {"sus", true},  {"nod", false},
    {"stu", false}, {"def", false}, {"aus", true}, {"voi", true},  {"ncf", true},  {"nvf", true},
    {"mpc", true},  {"mpd", true},  {"ntd", true}, {"obs", true},  {"pck", true},  {"com", true},
    {"nto", true},  {"csu", true},  {"ngu", true}, {"thr", true},  {"pow", true},  {"nop", true},
    {"ovf", true},  {"osh", true},  {"nsf", true}, {"nma", true},  {"nmu", true},  {"nfd", true},
    {"ncl", true},  {"nin", true},  {"dig", true},
};

Diagnostics::Diagnostics(std::uint8_t& errorLimit, std::uint8_t& warningLimit,
                         const std::uint8_t& languageMode, const SourcePosition& position,
                         std::FILE* out)
    : errorLimit_(errorLimit),
      warningLimit_(warningLimit),
      languageMode_(languageMode),
      position_(position),
      out_(out) {
  LoadSwitchDefaults();
  CommitCommandLineSwitches();
}

void Diagnostics::UseGnuForm(std::FILE* stream) {
  gnuForm_ = true;
  out_ = stream;
}

void Diagnostics::PrintSummary(const char* format, int errorCount) {
  if (gnuForm_) std::fflush(stdout);
  std::fprintf(out_, format, errorCount);
}

void Diagnostics::ReportLine(MessageNumber number, std::va_list args, const char* kindWord) {
  if (gnuForm_) {
    std::fflush(stdout);
    if (position_.fileName != nullptr) {
      std::fputs(position_.fileName, out_);
      if (position_.messageLine != 0)
        std::fprintf(out_, ":%ld", static_cast<long>(position_.messageLine));
    } else {
      std::fputs("tpx32", out_);
    }
    // The severity follows the kind word, whatever the message does to the file.
    const char* severity = "error";
    if (std::strcmp(kindWord, MiscString(misc::KindFatal)) == 0)
      severity = "fatal error";
    else if (std::strcmp(kindWord, MiscString(misc::KindWarning)) == 0)
      severity = "warning";
    std::fprintf(out_, ": %s: ", severity);
  } else {
    std::fputs(kindWord, out_);
    if (position_.fileName != nullptr) std::fprintf(out_, " %s", position_.fileName);
    if (position_.messageLine != 0)
      std::fprintf(out_, " %ld", static_cast<long>(position_.messageLine));
    std::fputs(": ", out_);
  }
  const char* text = MessageText(number);
  if (text != nullptr) std::vfprintf(out_, text, args);
  std::fputc('\n', out_);
  ApplyPendingRestore();
}

void Diagnostics::PrintLine(const char* kindWord, MessageNumber number, ...) {
  std::va_list args;
  va_start(args, number);
  ReportLine(number, args, kindWord);
  va_end(args);
}

void Diagnostics::ReportFatal(MessageNumber number, ...) {
  if (fatalLatch_) return;
  std::va_list args;
  va_start(args, number);
  ReportLine(number, args, MiscString(number < 10 ? misc::KindFatal : misc::KindError));
  va_end(args);
  if (number == msg::InternalError) return;
  ++errorCount_;
  ++messageCount_;
  fatalLatch_ = true;
  throw FatalError{2};
}

void Diagnostics::CountedError(MessageNumber number, std::va_list args) {
  ReportLine(number, args, MiscString(misc::KindError));
  ++errorCount_;
  ++messageCount_;
}

void Diagnostics::ReportWhileFinishing(MessageNumber number, ...) {
  std::va_list args;
  va_start(args, number);
  CountedError(number, args);
  va_end(args);
}

void Diagnostics::AbandonQuietly() {
  if (!fatalLatch_) {
    ++errorCount_;
    ++messageCount_;
    fatalLatch_ = true;
  }
  throw FatalError{2};
}

void Diagnostics::LeaveStandardOutput() {
  if (out_ == stdout) out_ = stderr;
}

void Diagnostics::ReportError(MessageNumber number, ...) {
  if (fatalLatch_) return;
  std::va_list args;
  va_start(args, number);
  CountedError(number, args);
  va_end(args);
  if ((errorLimit_ != 0 && errorCount_ >= errorLimit_) ||
      (warningLimit_ != 0 && messageCount_ >= warningLimit_)) {
    Stop();
  }
}

void Diagnostics::ReportWarning(MessageNumber number, ...) {
  if (!WarningEnabled(number)) {
    ApplyPendingRestore();
    return;
  }
  if (fatalLatch_) return;
  std::va_list args;
  va_start(args, number);
  ReportLine(number, args, MiscString(misc::KindWarning));
  va_end(args);
  ++messageCount_;
  if (warningLimit_ != 0 && messageCount_ - errorCount_ >= warningLimit_) Stop();
}

void Diagnostics::Stop() {
  PrintLine(MiscString(misc::KindError), msg::TooManyMessages);
  ++errorCount_;
  fatalLatch_ = true;
  throw FatalError{2};
}

void Diagnostics::ReportOutsideFile(MessageNumber number, ...) {
  std::uint8_t errorLimit = errorLimit_;
  std::uint8_t warningLimit = warningLimit_;
  errorLimit_ = 0;
  warningLimit_ = 0;
  std::va_list args;
  va_start(args, number);
  // Printed even when the previous file ended with a fatal error: the latch belongs to a file,
  // and a report outside any file must never be lost.
  ReportLine(number, args, MiscString(misc::KindError));
  va_end(args);
  errorLimit_ = errorLimit;
  warningLimit_ = warningLimit;
}

void Diagnostics::ErrorAndExit(MessageNumber number, ...) {
  errorLimit_ = 0;
  warningLimit_ = 0;
  std::va_list args;
  va_start(args, number);
  ReportLine(number, args, MiscString(misc::KindError));
  va_end(args);
  std::fflush(out_);
  throw ProcessExit{1};
}

void Diagnostics::ReportOverflow() {
  if (languageMode_ == 1)
    ReportError(msg::ConstantTooLarge);
  else
    ReportWarning(msg::ArithmeticOverflow);
}

void Diagnostics::ResetFileCounters() {
  errorCount_ = 0;
  messageCount_ = 0;
  fatalLatch_ = false;
}

void Diagnostics::LoadSwitchDefaults() {
  for (int i = 0; i < kWarningSwitchCount; ++i) current_[i] = kWarningSwitches[i].defaultOn;
}

void Diagnostics::CommitCommandLineSwitches() {
  std::memcpy(commandLine_, current_, sizeof current_);
}

void Diagnostics::LoadWarningEnable() {
  std::memset(enable_, 0, sizeof enable_);
  for (int i = 0; i < kWarningSwitchCount; ++i) enable_[kFirstWarning + i] = commandLine_[i];
}

void Diagnostics::SetAllSwitches(bool on) {
  for (bool& s : current_) s = on;
}

bool Diagnostics::WarningEnabled(MessageNumber number) const {
  return number >= 0 && number < static_cast<int>(sizeof enable_) && enable_[number];
}

void Diagnostics::SetWarningEnabled(MessageNumber number, bool on) {
  if (number >= 0 && number < static_cast<int>(sizeof enable_)) enable_[number] = on;
}

void Diagnostics::SetPendingRestore(RestoreHook hook, void* owner) {
  restoreHook_ = hook;
  restoreOwner_ = owner;
}

void Diagnostics::ClearPendingRestore() {
  restoreHook_ = nullptr;
  restoreOwner_ = nullptr;
}

void Diagnostics::ApplyPendingRestore() {
  if (restoreHook_ == nullptr) return;
  RestoreHook hook = restoreHook_;
  void* owner = restoreOwner_;
  ClearPendingRestore();
  hook(owner);
}

}  // namespace tpx
