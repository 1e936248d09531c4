// The option tree: one table per prefix, and the handlers that belong to single options.
#include <cstddef>
#include <cstring>

#include "options/options.h"
#include "options/run_context.h"

namespace tpx {

namespace {

namespace h = handlers;

constexpr unsigned char L0 = kLevelBeforeFiles;
constexpr unsigned char L1 = kLevelBeforeOutput;
constexpr unsigned char L2 = kLevelAnyTime;

// ---------------------------------------------------------------------------------------------
// Handlers of single options.

// -S: line information, the output flags, or one character that is accepted and ignored.
int SourceOutput(RunContext& ctx, const char* rest, const OptionEntry&) {
  if (rest[0] == 0) {
    ctx.options.LineInfo = 1;
    return 1;
  }
  if (rest[1] != 0) return 0;
  switch (rest[0]) {
    case '-':
      ctx.options.LineInfo = 0;
      break;
    case 'c':
      ctx.options.OutputFlags |= kKeepComments;
      break;
    case 'd':
      ctx.options.DefinesInOutput = 1;
      break;
    case 'k':
      ctx.options.KeepOutputOnErrors = 1;
      break;
    case 'r':
      ctx.options.OutputFlags |= kReadableOutput;
      break;
    case 's':
      ctx.options.OutputFlags |= kHeaderStatistics;
      break;
    default:
      break;
  }
  return 1;
}

// -P: line information, the language, and the default source extension.
int LanguageAndExtension(RunContext& ctx, const char* rest, const OptionEntry&) {
  if (rest[0] == 0) {
    ctx.options.LineInfo = 1;
    return 1;
  }
  if (std::strcmp(rest, "-") == 0) {
    ctx.options.LineInfo = 0;
    return 1;
  }
  if (rest[0] == '-') {
    ctx.options.Language = 0;
    ++rest;
  } else {
    ctx.options.Language = 1;
  }
  if (std::strcmp(rest, ".") == 0) {
    ctx.options.LineInfo = ctx.savedOptions.LineInfo;
    return 1;
  }
  if (rest[0] == '.') ++rest;
  char* extension = ctx.lists.defaultExtension;
  extension[0] = '.';
  std::size_t i = 0;
  for (; i < 3 && rest[i] != 0; ++i) extension[i + 1] = rest[i];
  extension[i + 1] = 0;
  return 1;
}

// -A and -A+: strict ANSI. In C++ the identifier length goes back to its maximum.
int StrictAnsi(RunContext& ctx, const char* rest, const OptionEntry&) {
  if (rest[0] != 0) return 0;
  ctx.options.LanguageMode = 1;
  if (ctx.frontEndCpp) {
    ctx.options.IdentifierLength = 250;
    ctx.scannerIdentifierLength = 250;
  }
  return 1;
}

// -CP<number>: the code page of multibyte characters.
int CodePage(RunContext& ctx, const char* rest, const OptionEntry&) {
  if (*rest < '0' || *rest > '9') return 0;
  std::uint64_t n = 0;
  for (; *rest >= '0' && *rest <= '9'; ++rest) {
    n = n * 10 + static_cast<unsigned>(*rest - '0');
    if (n > 0xFFFFFFFFu) return 0;
  }
  ctx.options.CodePage = static_cast<std::uint32_t>(n);
  // No lead-byte table exists before the first file: the scanner builds its table from
  // CodePage (or the active code page when it is 0) when it is set up for a file.
  return 1;
}

// -Vo: switches seven of the -V bytes at once.
int SwitchVoBytes(RunContext& ctx, const char* rest, const OptionEntry&) {
  const char sign = rest[0];
  if (sign != 0 && (rest[1] != 0 || std::strchr("+-.", sign) == nullptr)) return 0;
  if (sign == '.' && ctx.optionPhase == 0) return 0;
  for (ignored::Index index : ignored::kVoBytes) {
    std::uint8_t& byte = ctx.options.Ignored[index];
    if (sign == '.')
      byte = ctx.savedOptions.Ignored[index];
    else
      byte = sign == '-' ? 0 : 1;
  }
  return 1;
}

// -vG forms that set the first n memory-check bytes and clear the others.
int MemCheckLevel(RunContext& ctx, const char*, const OptionEntry& entry) {
  for (std::uint32_t i = 0; i < 3; ++i) ctx.options.MemCheck[i] = i < entry.value ? 1 : 0;
  return 1;
}

// A run of target-kind letters, "R" and "V", each at most once. "R" selects the run-time
// library as a DLL (and defines _RTLDLL), "V" sets bit 0. With adjust, the run also makes a
// target kind of 0 into 1.
int ApplyTargetLetters(RunContext& ctx, const char* run, bool adjust) {
  bool seenR = false;
  bool seenV = false;
  for (const char* p = run; *p != 0; ++p) {
    bool& seen = *p == 'R' ? seenR : seenV;
    if ((*p != 'R' && *p != 'V') || seen) return 0;
    seen = true;
  }
  if (seenV) ctx.options.RuntimeKind |= 1;
  if (seenR) {
    ctx.options.RuntimeKind |= 2;
    AddDefine(ctx, "_RTLDLL", 7, "", 0);
  }
  if (adjust && ctx.options.TargetKind == 0) ctx.options.TargetKind = 1;
  return 1;
}

// The entry's letter ("R" or "V") starts the run; the entry's value asks for the adjustment.
int TargetLetters(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  char run[4] = {static_cast<char>(entry.letter), 0, 0, 0};
  const std::size_t length = std::strlen(rest);
  if (length > 1) return 0;  // more than two letters cannot be a run of distinct R and V
  if (length == 1) run[1] = rest[0];
  return ApplyTargetLetters(ctx, run, entry.value != 0);
}

// -tWP: bits 0 and 2 of the runtime kind, then an optional run of target-kind letters.
int TargetPackage(RunContext& ctx, const char* rest, const OptionEntry&) {
  if (std::strlen(rest) > 2) return 0;
  char run[3] = {0, 0, 0};
  std::memcpy(run, rest, std::strlen(rest));
  const std::uint8_t before = ctx.options.RuntimeKind;
  ctx.options.RuntimeKind |= 5;
  if (ApplyTargetLetters(ctx, run, false) == 0) {
    ctx.options.RuntimeKind = before;
    return 0;
  }
  return 1;
}

// ---------------------------------------------------------------------------------------------
// Entry builders.

constexpr OptionEntry kEnd{0, 0, nullptr, nullptr, 0, 0};

constexpr OptionEntry E(int letter, unsigned char level, OptionHandler handler, std::size_t target,
                        std::uint32_t value = 0) {
  return OptionEntry{static_cast<unsigned char>(letter), level, handler, nullptr, target, value};
}

constexpr OptionEntry Sub(int letter, unsigned char level, const OptionEntry* table) {
  return OptionEntry{static_cast<unsigned char>(letter), level, h::Descend, table, 0, 0};
}

constexpr OptionEntry Do(int letter, unsigned char level, OptionHandler handler,
                         std::uint32_t value = 0) {
  return OptionEntry{static_cast<unsigned char>(letter), level, handler, nullptr, 0, value};
}

constexpr std::size_t Ign(ignored::Index index) { return offsetof(OptionBlock, Ignored) + index; }

constexpr std::size_t IgnText(ignoredText::Index index) {
  return offsetof(OptionBlock, IgnoredText) + index * sizeof(const char*);
}

// The switch forms of one byte inside a sub-table: "", "+", "-" and ".".
#define TPX_SWITCH_FORMS(level, field)                                \
  E(0, level, h::Switch, field), E('+', level, h::SwitchSign, field), \
      E('-', level, h::SwitchSign, field), E('.', level, h::SwitchSign, field)

constexpr std::size_t kCpuLevel = offsetof(OptionBlock, CpuLevel);
constexpr std::size_t kLanguageMode = offsetof(OptionBlock, LanguageMode);
constexpr std::size_t kCallingConvention = offsetof(OptionBlock, CallingConvention);
constexpr std::size_t kTargetKind = offsetof(OptionBlock, TargetKind);
constexpr std::size_t kConsoleKind = offsetof(OptionBlock, ConsoleKind);
constexpr std::size_t kConsoleTarget = offsetof(OptionBlock, ConsoleTarget);
constexpr std::size_t kUnwinding = offsetof(OptionBlock, Unwinding);
constexpr std::size_t kCompatLevel = offsetof(OptionBlock, CompatLevel);
constexpr std::size_t kMemCheck = offsetof(OptionBlock, MemCheck);

// ---------------------------------------------------------------------------------------------
// The tables, leaves first.

// -3 to -6: the processor level; a following "-" clears it, "." restores it.
#define TPX_CPU_TABLE(name, level_value)                                         \
  constexpr OptionEntry name[] = {E(0, L2, h::SetValue, kCpuLevel, level_value), \
                                  E('-', L2, h::SetValue, kCpuLevel, 0),         \
                                  E('.', L2, h::Restore, kCpuLevel), kEnd}
TPX_CPU_TABLE(kCpu3, 3);
TPX_CPU_TABLE(kCpu4, 4);
TPX_CPU_TABLE(kCpu5, 5);
TPX_CPU_TABLE(kCpu6, 6);
#undef TPX_CPU_TABLE

// -a1 and -a16.
constexpr OptionEntry kAlign1[] = {
    E(kAnyLetter, L2, h::SetValue, Ign(ignored::a), 1),
    E('6', L2, h::SetValue, Ign(ignored::a), 16),
    Do(0, L2, h::Accept),
    kEnd,
};
constexpr OptionEntry kAlign[] = {
    E(0, L2, h::SetValue, Ign(ignored::a), 4),   Sub('1', L2, kAlign1),
    E('2', L2, h::SetValue, Ign(ignored::a), 2), E('4', L2, h::SetValue, Ign(ignored::a), 4),
    E('8', L2, h::SetValue, Ign(ignored::a), 8), E('-', L2, h::SetValue, Ign(ignored::a), 1),
    E('.', L2, h::Restore, Ign(ignored::a)),     kEnd,
};

constexpr OptionEntry kAnsi[] = {
    Do(0, L2, StrictAnsi),
    Do('+', L2, StrictAnsi),
    E('K', L2, h::SetValue, kLanguageMode, 3),
    E('U', L2, h::SetValue, kLanguageMode, 2),
    E('T', L2, h::SetValue, kLanguageMode, 0),
    E('-', L2, h::SetValue, kLanguageMode, 0),
    E('.', L2, h::Restore, kLanguageMode),
    kEnd,
};

// -C: the nested-comment switch, and -CP with the code page.
constexpr OptionEntry kComments[] = {
    TPX_SWITCH_FORMS(L2, offsetof(OptionBlock, NestedComments)),
    Do('P', L0, CodePage),
    kEnd,
};

constexpr OptionEntry kDebugInfo[] = {
    TPX_SWITCH_FORMS(L2, Ign(ignored::d)),
    E('c', L2, h::Switch, Ign(ignored::dc)),
    E('f', L2, h::Switch, Ign(ignored::df)),
    kEnd,
};

constexpr OptionEntry kJgTable[] = {
    E(0, L2, h::SetValue, Ign(ignored::Jg), 1),
    E('d', L2, h::SetValue, Ign(ignored::Jg), 2),
    E('x', L2, h::SetValue, Ign(ignored::Jg), 3),
    E('.', L2, h::Restore, Ign(ignored::Jg)),
    kEnd,
};
constexpr OptionEntry kJTable[] = {
    Sub('g', L2, kJgTable),
    E('a', L2, h::SetValue, Ign(ignored::Ja), 1),
    kEnd,
};

constexpr OptionEntry kPascalRegister[] = {
    E(0, L2, h::SetValue, kCallingConvention, 2),
    E('-', L2, h::SetValue, kCallingConvention, 0),
    kEnd,
};
constexpr OptionEntry kCalling[] = {
    E(0, L2, h::SetValue, kCallingConvention, 1),
    Sub('r', L2, kPascalRegister),
    E('c', L2, h::SetValue, kCallingConvention, 0),
    E('s', L2, h::SetValue, kCallingConvention, 3),
    E('-', L2, h::SetValue, kCallingConvention, 0),
    E('.', L2, h::Restore, kCallingConvention),
    kEnd,
};

constexpr OptionEntry kRegisters[] = {
    E(0, L2, h::SetValue, Ign(ignored::r), 1),   E('d', L2, h::SetValue, Ign(ignored::r), 2),
    E('-', L2, h::SetValue, Ign(ignored::r), 0), E('+', L2, h::SetValue, Ign(ignored::r), 1),
    E('.', L2, h::Restore, Ign(ignored::r)),     kEnd,
};

constexpr OptionEntry kRTable[] = {
    TPX_SWITCH_FORMS(L2, Ign(ignored::R)),
    E('T', L2, h::Switch, Ign(ignored::RT)),
    kEnd,
};

// Target kinds. Wildcard entries set what every form of their prefix sets; the entry for the
// end of the text makes the prefix alone acceptable.
constexpr OptionEntry kTargetWDE[] = {
    E(kAnyLetter, L0, h::SetValue, kTargetKind, 5),
    Do(0, L0, h::Accept),
    Do('V', L0, TargetLetters, 1),
    Do('R', L0, TargetLetters, 1),
    kEnd,
};
constexpr OptionEntry kTargetWD[] = {
    E(kAnyLetter, L0, h::SetValue, kTargetKind, 2),
    Do(0, L0, h::Accept),
    Sub('E', L0, kTargetWDE),
    Do('V', L0, TargetLetters, 1),
    Do('R', L0, TargetLetters, 1),
    kEnd,
};
constexpr OptionEntry kTargetWE[] = {
    E(kAnyLetter, L0, h::SetValue, kTargetKind, 3),
    Do(0, L0, h::Accept),
    E('D', L0, h::SetValue, kTargetKind, 5),
    Do('V', L0, TargetLetters, 1),
    Do('R', L0, TargetLetters, 1),
    kEnd,
};
constexpr OptionEntry kTargetWCDE[] = {
    E(kAnyLetter, L0, h::SetValue, kConsoleKind, 3),
    Do(0, L0, h::Accept),
    Do('V', L0, TargetLetters, 0),
    Do('R', L0, TargetLetters, 0),
    kEnd,
};
constexpr OptionEntry kTargetWCD[] = {
    E(kAnyLetter, L0, h::SetValue, kConsoleKind, 2),
    Do(0, L0, h::Accept),
    Sub('E', L0, kTargetWCDE),
    Do('V', L0, TargetLetters, 0),
    Do('R', L0, TargetLetters, 0),
    kEnd,
};
constexpr OptionEntry kTargetWC[] = {
    E(kAnyLetter, L0, h::SetValue, kTargetKind, 0),
    E(kAnyLetter, L0, h::SetValue, kConsoleKind, 1),
    Do(0, L0, h::Accept),
    Sub('D', L0, kTargetWCD),
    E('-', L0, h::SetValue, kTargetKind, 1),
    Do('V', L0, TargetLetters, 0),
    Do('R', L0, TargetLetters, 0),
    kEnd,
};
constexpr OptionEntry kTargetWXD[] = {
    Do(0, L0, h::Accept),
    Do('E', L0, h::Accept),
    kEnd,
};
constexpr OptionEntry kTargetWX[] = {
    E(kAnyLetter, L0, h::SetValue, kTargetKind, 0),
    E(kAnyLetter, L0, h::SetValue, kConsoleKind, 1),
    E(kAnyLetter, L0, h::SetValue, kConsoleTarget, 1),
    Do(0, L0, h::Accept),
    E('-', L0, h::SetValue, kConsoleTarget, 0),
    Sub('D', L0, kTargetWXD),
    kEnd,
};
constexpr OptionEntry kTargetW[] = {
    E(0, L0, h::SetValue, kTargetKind, 1),
    E('-', L0, h::SetValue, kTargetKind, 0),
    Sub('D', L0, kTargetWD),
    Sub('E', L0, kTargetWE),
    Sub('C', L0, kTargetWC),
    Sub('X', L0, kTargetWX),
    E('M', L2, h::Switch, offsetof(OptionBlock, MultiThread)),
    E('U', L2, h::Switch, offsetof(OptionBlock, UnicodeTarget)),
    Do('V', L0, TargetLetters, 1),
    Do('R', L0, TargetLetters, 1),
    Do('P', L0, TargetPackage),
    kEnd,
};
constexpr OptionEntry kTargetDd[] = {
    E(kAnyLetter, L0, h::SetValue, kConsoleKind, 2),
    Do(0, L0, h::Accept),
    E('e', L0, h::SetValue, kConsoleKind, 3),
    kEnd,
};
constexpr OptionEntry kTargetD[] = {
    E(kAnyLetter, L0, h::SetValue, kTargetKind, 0),
    Sub('d', L0, kTargetDd),
    E('i', L0, h::SetValue, kConsoleKind, 1),
    kEnd,
};
constexpr OptionEntry kTarget[] = {
    Sub('W', L0, kTargetW),
    Sub('D', L0, kTargetD),
    kEnd,
};

// -vG: memory checks.
constexpr OptionEntry kMemCheckTable[] = {
    Do(0, L2, MemCheckLevel, 3),
    E('d', L2, h::Switch, kMemCheck + 0),
    E('t', L2, h::Switch, kMemCheck + 1),
    E('c', L2, h::Switch, kMemCheck + 2),
    Do('0', L2, MemCheckLevel, 0),
    Do('1', L2, MemCheckLevel, 1),
    Do('2', L2, MemCheckLevel, 2),
    Do('3', L2, MemCheckLevel, 3),
    kEnd,
};
constexpr OptionEntry kDebugging[] = {
    TPX_SWITCH_FORMS(L0, Ign(ignored::v)),
    E('i', L0, h::Switch, Ign(ignored::vi)),
    E('4', L0, h::SetValue, Ign(ignored::v4), 1),
    E('t', L0, h::SetValue, Ign(ignored::vt), 1),
    E('o', L0, h::SetValue, Ign(ignored::vo), 1),
    E('u', L0, h::SetValue, Ign(ignored::vu), 1),
    Sub('G', L2, kMemCheckTable),
    kEnd,
};

constexpr OptionEntry kCompat[] = {
    E(0, L2, h::SetValue, kCompatLevel, 4),
    E('+', L2, h::SetValue, kCompatLevel, 4),
    E('4', L2, h::SetValue, kCompatLevel, 4),
    E('3', L2, h::SetValue, kCompatLevel, 3),
    E('-', L2, h::SetValue, kCompatLevel, 0),
    E('.', L2, h::Restore, kCompatLevel),
    kEnd,
};
constexpr OptionEntry kMemberPointers[] = {
    E('d', L2, h::SetValue, Ign(ignored::Vm), 1),
    E('s', L2, h::SetValue, Ign(ignored::Vm), 2),
    E('m', L2, h::SetValue, Ign(ignored::Vm), 3),
    E('v', L2, h::SetValue, Ign(ignored::Vm), 4),
    E('p', L2, h::SetValue, Ign(ignored::Vm), 5),
    E('.', L2, h::Restore, Ign(ignored::Vm)),
    kEnd,
};
constexpr OptionEntry kCompatibility[] = {
    E(0, L2, h::SetValue, Ign(ignored::V), 1),
    E('0', L2, h::SetValue, Ign(ignored::V), 2),
    E('1', L2, h::SetValue, Ign(ignored::V), 3),
    E('s', L2, h::SetValue, Ign(ignored::V), 4),
    E('v', L2, h::Switch, Ign(ignored::Vv)),
    E('p', L2, h::Switch, Ign(ignored::Vp)),
    E('c', L2, h::Switch, Ign(ignored::Vc)),
    E('a', L2, h::Switch, Ign(ignored::Va)),
    E('t', L2, h::Switch, Ign(ignored::Vt)),
    E('e', L2, h::Switch, Ign(ignored::Ve)),
    E('C', L2, h::Switch, Ign(ignored::VC)),
    E('?', L2, h::Switch, Ign(ignored::Vquery)),
    E('d', L2, h::Switch, Ign(ignored::Vd)),
    E('x', L2, h::Switch, Ign(ignored::Vx)),
    E('!', L2, h::Switch, Ign(ignored::Vbang)),
    E('l', L2, h::Switch, Ign(ignored::Vl)),
    Sub('m', L2, kMemberPointers),
    Do('o', L2, SwitchVoBytes),
    Sub('F', L2, kCompat),
    E('I', L2, h::Switch, offsetof(OptionBlock, IncluderSearch)),
    kEnd,
};

constexpr OptionEntry kExceptionsD[] = {
    TPX_SWITCH_FORMS(L2, kUnwinding),
    E('s', L2, h::Switch, Ign(ignored::xds)),
    E('g', L2, h::Switch, Ign(ignored::xdg)),
    kEnd,
};
constexpr OptionEntry kExceptions[] = {
    TPX_SWITCH_FORMS(L2, kUnwinding),
    Sub('d', L2, kExceptionsD),
    E('p', L2, h::Switch, Ign(ignored::xp)),
    E('f', L2, h::Switch, Ign(ignored::xf)),
    E('v', L2, h::Switch, Ign(ignored::xv)),
    E('s', L2, h::Switch, Ign(ignored::xs)),
    kEnd,
};

constexpr OptionEntry kSegmentNames[] = {
    E('D', L0, h::String, IgnText(ignoredText::zD)),
    E('G', L0, h::String, IgnText(ignoredText::zG)),
    E('B', L0, h::String, IgnText(ignoredText::zB)),
    E('C', L0, h::String, IgnText(ignoredText::zC)),
    E('P', L0, h::String, IgnText(ignoredText::zP)),
    E('A', L0, h::String, IgnText(ignoredText::zA)),
    E('R', L0, h::String, IgnText(ignoredText::zR)),
    E('S', L0, h::String, IgnText(ignoredText::zS)),
    E('T', L0, h::String, IgnText(ignoredText::zT)),
    kEnd,
};

constexpr OptionEntry kTop[] = {
    Sub('3', L2, kCpu3),
    Sub('4', L2, kCpu4),
    Sub('5', L2, kCpu5),
    Sub('6', L2, kCpu6),
    Sub('a', L2, kAlign),
    Sub('A', L2, kAnsi),
    E('b', L2, h::Switch, Ign(ignored::b)),
    E('B', L0, h::Switch, offsetof(OptionBlock, AssembleVia)),
    E('c', L0, h::Switch, Ign(ignored::c)),
    Sub('C', L2, kComments),
    Sub('d', L2, kDebugInfo),
    Do('D', L0, h::Define),
    E('e', L0, h::String, IgnText(ignoredText::e)),
    E('E', L0, h::String, IgnText(ignoredText::E)),
    E('f', L2, h::SetValue, Ign(ignored::f), 1),
    E('g', L2, h::BoundedNumber, offsetof(OptionBlock, WarningLimit), 255),
    E('G', L2, h::Switch, Ign(ignored::G)),
    Do('H', L0, h::Accept),
    E('i', L2, h::IdentifierLength, offsetof(OptionBlock, IdentifierLength)),
    Do('I', L0, h::IncludeDirectories),
    E('j', L2, h::BoundedNumber, offsetof(OptionBlock, ErrorLimit), 255),
    Sub('J', L2, kJTable),
    E('k', L2, h::Switch, Ign(ignored::k)),
    E('K', L2, h::SwitchAndRetune, offsetof(OptionBlock, UnsignedChar)),
    Do('l', L0, h::Accept),
    Do('L', L0, h::LibraryDirectories),
    E('M', L0, h::Switch, Ign(ignored::M1)),
    E('M', L0, h::Switch, Ign(ignored::M2)),
    E('M', L0, h::InvertedSwitch, Ign(ignored::M3)),
    E('n', L1, h::Path, offsetof(OptionBlock, OutputDirectory)),
    E('N', L2, h::Switch, Ign(ignored::N)),
    E('o', L1, h::Path, offsetof(OptionBlock, OutputName)),
    Do('O', L2, h::Accept),
    Sub('p', L2, kCalling),
    Do('P', L0, LanguageAndExtension),
    Sub('r', L2, kRegisters),
    Sub('R', L2, kRTable),
    E('s', L0, h::Switch, Ign(ignored::s)),
    Do('S', L0, SourceOutput),
    Sub('t', L0, kTarget),
    Do('T', L0, h::Accept),
    E('u', L2, h::Switch, Ign(ignored::u)),
    Do('U', L0, h::Undefine),
    Sub('v', L0, kDebugging),
    Sub('V', L2, kCompatibility),
    Do('w', L2, h::Warnings),
    Sub('W', L0, kTargetW),
    Sub('x', L2, kExceptions),
    E('X', L2, h::Switch, Ign(ignored::X)),
    E('y', L2, h::Switch, Ign(ignored::y)),
    Sub('z', L0, kSegmentNames),
    E('Z', L2, h::Switch, Ign(ignored::Z)),
    kEnd,
};

#undef TPX_SWITCH_FORMS

}  // namespace

const OptionEntry* TopOptionTable() { return kTop; }

}  // namespace tpx
