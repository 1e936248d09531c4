#include "directives/macros.h"

#include <cstring>
#include <ctime>

#include "diagnostics/diagnostics.h"
#include "diagnostics/misc_strings.h"
#include "directives/directives.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "output/output_file.h"
#include "output/output_writer.h"
#include "source/ident_table.h"
#include "source/markers.h"
#include "source/scanner.h"
#include "source/source_stack.h"

namespace tpx {

namespace {

using mark::kEndByte;
using mark::kEscape;
using mark::kNoExpand;
using mark::kPaste;
using mark::kStringize;
// The parameter byte of an object-like macro.
constexpr unsigned char kObjectLike = 0xFF;
constexpr unsigned char kHasOperators = 0x80;

bool IsIdentStart(int c) { return c < 0x100 && kBaseTable[c] == cls::Letter; }
bool IsIdentChar(int c) {
  return c < 0x100 && (kBaseTable[c] == cls::Letter || kBaseTable[c] == cls::Digit);
}
bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// The body of __USING_STD_NAMES__: object-like, "1".
const unsigned char kStandardNamesBody[] = {kObjectLike, '1', kEndByte, 0};

std::uint8_t* AsBytes(MacroDef* def) { return reinterpret_cast<std::uint8_t*>(def); }

// The bytes that end a segment of plain macro text: the end, 0x1A, and every marker byte.
struct SegmentStops {
  bool stop[256] = {};
  constexpr SegmentStops() {
    stop[0] = stop[mark::kEndOfInput] = true;
    for (int b = 0x80; b < 0x100; ++b) stop[b] = true;
  }
};
constexpr SegmentStops kSegmentStops;

// Index of the next byte from `pos` that ends a segment of a macro text.
std::uint32_t SegmentEnd(const unsigned char* text, std::uint32_t pos) {
  while (!kSegmentStops.stop[text[pos]]) ++pos;
  return pos;
}

void AppendStoredToScanner(void* owner, int c) {
  static_cast<Scanner*>(owner)->AppendStoredByte(c);
}

}  // namespace

Macros::Macros(RunContext& ctx) : ctx_(ctx), scanner_(ctx.scanner), source_(ctx.source) {}

void Macros::Reset() { freeRecords_ = nullptr; }

// ---------------------------------------------------------------------------------------------
// Protected and special names.

int Macros::ProtectedNameNumber(const char* name, std::size_t length) {
  if (length < 2 || name[0] != '_' || name[1] != '_') return 0;
  if (length == 11) return std::memcmp(name, "__cplusplus", 11) == 0 ? 6 : 0;
  if (length != 8 || name[6] != '_' || name[7] != '_') return 0;
  static const char* const kWords[] = {"STDC", "FILE", "LINE", "DATE", "TIME"};
  for (int i = 0; i < 5; ++i) {
    if (std::memcmp(name + 2, kWords[i], 4) == 0) return i + 1;
  }
  return 0;
}

int Macros::SpecialNumber(const char* name, std::size_t length) const {
  int number = ProtectedNameNumber(name, length);
  if (number == 1 && ctx_.options.LanguageMode != 1) return 0;
  if (number == 6 && !ctx_.frontEndCpp) return 0;
  return number;
}

void Macros::FormatDate(std::int64_t time, char out[12]) {
  std::time_t t = static_cast<std::time_t>(time);
  std::tm parts{};
  std::tm* local = std::localtime(&t);
  if (local != nullptr) parts = *local;
  const char* months = MiscString(misc::MonthNames);
  int month = parts.tm_mon >= 0 && parts.tm_mon < 12 ? parts.tm_mon : 0;
  out[0] = months[month * 3];
  out[1] = months[month * 3 + 1];
  out[2] = months[month * 3 + 2];
  out[3] = ' ';
  out[4] = parts.tm_mday >= 10 ? static_cast<char>('0' + parts.tm_mday / 10) : ' ';
  out[5] = static_cast<char>('0' + parts.tm_mday % 10);
  out[6] = ' ';
  int year = parts.tm_year + 1900;
  out[7] = static_cast<char>('0' + year / 1000 % 10);
  out[8] = static_cast<char>('0' + year / 100 % 10);
  out[9] = static_cast<char>('0' + year / 10 % 10);
  out[10] = static_cast<char>('0' + year % 10);
  out[11] = 0;
}

void Macros::FormatTime(std::int64_t time, char out[9]) {
  std::time_t t = static_cast<std::time_t>(time);
  std::tm parts{};
  std::tm* local = std::localtime(&t);
  if (local != nullptr) parts = *local;
  out[0] = static_cast<char>('0' + parts.tm_hour / 10);
  out[1] = static_cast<char>('0' + parts.tm_hour % 10);
  out[2] = ':';
  out[3] = static_cast<char>('0' + parts.tm_min / 10);
  out[4] = static_cast<char>('0' + parts.tm_min % 10);
  out[5] = ':';
  out[6] = static_cast<char>('0' + parts.tm_sec / 10);
  out[7] = static_cast<char>('0' + parts.tm_sec % 10);
  out[8] = 0;
}

int Macros::SpecialMacroValue(int number) {
  Scanner& scanner = scanner_;
  switch (number) {
    case 1:
      return '1';
    case 2: {
      const char* name = ctx_.position.fileName != nullptr ? ctx_.position.fileName : "";
      std::size_t backslashes = 0;
      for (const char* p = name; *p != 0; ++p) backslashes += *p == '\\';
      std::size_t length = std::strlen(name) + backslashes;
      auto* text = static_cast<unsigned char*>(ctx_.memory.arena.BlobAllocate(length + 1));
      std::size_t n = 0;
      for (const char* p = name; *p != 0; ++p) {
        text[n++] = static_cast<unsigned char>(*p);
        if (*p == '\\') text[n++] = '\\';
      }
      text[n] = 0;
      scanner.SetStringizeSource(text, false);
      return '"';
    }
    case 3: {
      char digits[12];
      std::snprintf(digits, sizeof digits, "%u", static_cast<unsigned>(source_.Line()));
      std::size_t length = std::strlen(digits);
      if (length > 1) {
        auto* rest = static_cast<char*>(ctx_.memory.arena.BlobAllocate(length));
        std::memcpy(rest, digits + 1, length);
        source_.PushText(rest);
      }
      return digits[0];
    }
    case 4:
    case 5: {
      auto* text = static_cast<unsigned char*>(ctx_.memory.arena.BlobAllocate(12));
      if (number == 4)
        FormatDate(ctx_.fileStartTime, reinterpret_cast<char*>(text));
      else
        FormatTime(ctx_.fileStartTime, reinterpret_cast<char*>(text));
      scanner.SetStringizeSource(text, false);
      return '"';
    }
    case 6:
      return ctx_.frontEndCpp ? '1' : '0';
    default:
      return '"';
  }
}

bool Macros::IsDefinedForOperator(const char* name, std::size_t length, std::uint32_t hash) {
  if (SpecialNumber(name, length) != 0) return true;
  return ctx_.idents.Lookup(name, length, hash)->IsMacro();
}

bool Macros::IsDefinedForIfdef(const char* name, std::size_t length) {
  if (SpecialNumber(name, length) != 0) return true;
  if (StartsSpecialName(name, length)) ctx_.writer.EnsureOpen();
  return ctx_.idents.Lookup(name, length, HashName(name, length))->IsMacro();
}

// ---------------------------------------------------------------------------------------------
// Storing definitions.

MacroDef* Macros::PlaceDefinition(std::size_t size) {
  SaveArena& arena = ctx_.memory.arena;
  char* at = arena.AllocationPointer();
  // The definition starts on a 4-byte boundary with its tag in the byte before it.
  char* def =
      reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(at) + 1 + 3) & ~std::uintptr_t{3});
  char* end = def + ((size + 3) & ~std::size_t{3});
  if (end > arena.CommitEnd()) arena.Grow(static_cast<std::size_t>(end - arena.CommitEnd()));
  def[-1] = static_cast<char>(kEndByte);
  arena.SetAllocationPointer(end);
  return reinterpret_cast<MacroDef*>(def);
}

void Macros::StoreMacro(IdentEntry* entry, std::uint8_t parameterByte, const unsigned char* body,
                        std::size_t bodyLength, const char* const* parameterNames,
                        int parameterCount) {
  // bodyLength counts the body with its end byte; a NUL follows in the stored form.
  if (ctx_.options.DefinesInOutput && ctx_.output.IsOpen()) {
    ctx_.writer.PutOutputText("/* define ", 10);
    ctx_.writer.PutOutputText(entry->name, entry->length);
    ctx_.writer.PutOutputText(" */", 3);
  }
  bool withNames = ctx_.options.LanguageMode == 1 && parameterByte != kObjectLike &&
                   parameterCount > 0 && parameterNames != nullptr;
  std::size_t namesLength = 0;
  if (withNames) {
    for (int i = 0; i < parameterCount; ++i) namesLength += std::strlen(parameterNames[i]) + 1;
    namesLength = (namesLength + 3) & ~std::size_t{3};
  }
  std::size_t size = 1 + bodyLength + 1 + namesLength;

  if (entry->IsMacro()) {
    const std::uint8_t* old = AsBytes(entry->definition);
    // The old body ends at its zero byte (no body holds one): the bodies are compared only
    // when they are as long, so that nothing past the old one is read.
    bool same = old[0] == parameterByte &&
                std::strlen(reinterpret_cast<const char*>(old + 1)) == bodyLength &&
                std::memcmp(old + 1, body, bodyLength) == 0;
    if (same && withNames) {
      // Parameter names are stored newest first and compared in that order.
      const char* stored = reinterpret_cast<const char*>(old + 2 + bodyLength);
      for (int i = parameterCount - 1; i >= 0 && same; --i) {
        same = std::strcmp(stored, parameterNames[i]) == 0;
        stored += std::strlen(stored) + 1;
      }
    }
    if (same) return;
    ctx_.diag.ReportWarning(msg::Redefinition, entry->name);
  }
  MacroDef* def = PlaceDefinition(size);
  std::uint8_t* bytes = AsBytes(def);
  bytes[0] = parameterByte;
  std::memcpy(bytes + 1, body, bodyLength);
  bytes[1 + bodyLength] = 0;
  if (withNames) {
    char* names = reinterpret_cast<char*>(bytes + 2 + bodyLength);
    for (int i = parameterCount - 1; i >= 0; --i) {
      std::size_t n = std::strlen(parameterNames[i]) + 1;
      std::memcpy(names, parameterNames[i], n);
      names += n;
    }
  }
  entry->definition = def;
}

void Macros::DefineMacroText(const char* value, const char* name) {
  IdentEntry* entry = ctx_.idents.LookupName(name);
  std::size_t length = std::strlen(value);
  StoreMacro(entry, kObjectLike, reinterpret_cast<const unsigned char*>(value), length, nullptr, 0);
}

void Macros::DefineMacro(const char* value, const char* name) {
  if (ctx_.idents.LookupName(name)->IsMacro()) return;
  DefineMacroText(value, name);
}

void Macros::DefineCommandLineMacros() {
  for (DefineRecord* d = ctx_.lists.defines; d != nullptr; d = d->next)
    DefineMacroText(d->value, d->name);
}

void Macros::DefinePredefinedMacros() {
  const OptionBlock& o = ctx_.options;
  bool cpp = ctx_.frontEndCpp;
  bool languageCpp = (o.Language & 1) != 0;
  auto define = [this](bool when, const char* name, const char* value) {
    if (!when) return;
    char body[16];
    std::size_t n = std::strlen(value);
    std::memcpy(body, value, n);
    body[n] = static_cast<char>(kEndByte);
    body[n + 1] = 0;
    DefineMacro(body, name);
  };
  define(cpp, "__XDLLMT__", "");
  define(o.Unwinding != 0, "_CPPUNWIND", "1");
  define(o.UnsignedChar != 0, "_CHAR_UNSIGNED", "1");
  define(true, "_INTEGRAL_MAX_BITS", "64");
  define(cpp, "_WCHAR_T", "");
  define(cpp, "_WCHAR_T_DEFINED", "");
  define(o.LanguageMode == 2, "__UNIX__", "1");
  define(o.LanguageMode == 3, "__KR__", "1");
  define(true, "__FLAT__", "1");
  define(true, "__TLS__", "1");
  define(o.MultiThread != 0, "__MT__", "1");
  define(o.MultiThread != 0, "_MT", "1");
  define(o.ConsoleTarget != 0, "__DPMI32__", "1");
  define(true, "_Windows", "1");
  define(true, "__WIN32__", "1");
  define(true, "_WIN32", "1");
  static const char* const kCpu[] = {"300", "400", "500", "600"};
  define(o.CpuLevel >= 3 && o.CpuLevel <= 6, "_M_IX86",
         o.CpuLevel >= 3 && o.CpuLevel <= 6 ? kCpu[o.CpuLevel - 3] : "");
  define(o.TargetKind == 2 || o.TargetKind == 5, "__DLL__", "1");
  define(o.TargetKind == 2 || o.TargetKind == 5, "_DLL", "1");
  define(o.ConsoleTarget != 0 || o.TargetKind == 0, "__CONSOLE__", "1");
  define(o.MultiThread != 0, "__MT__", "1");
  define(o.ConsoleKind == 2 || o.ConsoleKind == 3, "__DLL__", "1");
  define(true, "__RAPIDC__", "0x0530");
  define(true, "__KESTRELC__", "0x0530");
  define(true, "__KCOPT__", "1");
  define(true, "__CGVER__", "0x0200");
  define(o.MemCheck[0] != 0 || o.MemCheck[1] != 0 || o.MemCheck[2] != 0, "__MEMSENTRY__", "1");
  define(languageCpp, "__RCPLUSPLUS__", "0x0530");
  define(languageCpp, "__KCPLUSPLUS__", "0x0530");
  define(languageCpp, "__TEMPLATES__", "1");
  define(languageCpp, "__BOOL__", "1");
  if (o.CallingConvention == 1)
    define(true, "__PASCAL__", "1");
  else if (o.CallingConvention == 2)
    define(true, "__FASTCALL__", "1");
  else
    define(true, "__CDECL__", "1");
  define(o.CompatLevel == 3, "__MFC_COMPAT__", "0x0320");
  define(o.CompatLevel == 4, "__MFC_COMPAT__", "0x0400");
  define(o.UnicodeTarget != 0, "_UNICODE", "1");
  define((o.RuntimeKind & 4) != 0, "__KESPACKAGE__", "1");
}

void Macros::WriteDefineList() {
  ctx_.idents.ForEachMacro(
      [](void* owner, IdentEntry* entry) {
        OutputWriter& writer = static_cast<RunContext*>(owner)->writer;
        writer.PutOutputText("/* define ", 10);
        writer.PutOutputText(entry->name, entry->length);
        writer.PutOutputText(" */\n", 4);
        return true;
      },
      &ctx_);
}

void Macros::SetStandardNames(bool on) {
  IdentEntry* entry = ctx_.idents.LookupName("__USING_STD_NAMES__");
  entry->definition =
      on ? reinterpret_cast<MacroDef*>(const_cast<unsigned char*>(kStandardNamesBody)) : kNotMacro;
}

// ---------------------------------------------------------------------------------------------
// #define and #undef.

// One parameter of a function-like #define, in a list with the newest first.
struct MacroParameter {
  MacroParameter* next;
  std::uint32_t hash;
  std::size_t length;
  char name[256];
};

void Macros::DefineDirective(int c) {
  Scanner& scanner = scanner_;
  Directives& directives = ctx_.directives;
  c = directives.SkipToOperand(c);
  if (!IsIdentStart(c)) {
    ctx_.diag.ReportError(msg::DefineNeedsIdentifier);
    directives.SkipRestOfLine(c);
    return;
  }
  const char* spelling = scanner.ReadIdentifier(c);
  std::size_t nameLength = scanner.IdentifierLength();
  IdentEntry* entry = ctx_.idents.Lookup(spelling, nameLength, scanner.IdentifierHash());
  if (SpecialNumber(entry->name, entry->length) != 0 ||
      (entry->length == 7 && std::memcmp(entry->name, "defined", 7) == 0)) {
    ctx_.diag.ReportError(msg::BadDirectiveSyntax, "define");
  }

  std::size_t start = scanner.TextPosition();
  c = scanner.ReadByte();
  if (c != '(') {
    scanner.UnreadByte();
    RecordObjectBody(start);
    FinishBody(start);
    std::size_t end = scanner.TextPosition();
    scanner.SetTextPosition(start);
    StoreMacro(entry, kObjectLike, reinterpret_cast<unsigned char*>(scanner.Text() + start),
               end - start - 1, nullptr, 0);
    return;
  }

  int count = 0;
  MacroParameter* parameters = nullptr;
  if (ReadParameters(parameters, count)) {
    RecordFunctionBody(start, parameters);
    std::size_t end = scanner.TextPosition();
    unsigned char* body = reinterpret_cast<unsigned char*>(scanner.Text() + start);
    std::uint8_t parameterByte = 0;
    bool valid = NumberParameters(body, end - start, count, parameterByte);
    scanner.SetTextPosition(start);
    if (!valid) {
      ctx_.diag.ReportError(msg::BadDirectiveSyntax, "define");
    } else {
      // In strict mode the parameter names are kept with the definition, in order of
      // declaration.
      const char* names[128];
      int kept = count < 128 ? count : 128;
      int i = count;
      for (MacroParameter* p = parameters; p != nullptr; p = p->next) {
        --i;
        if (i < kept) names[i] = p->name;
      }
      StoreMacro(entry, parameterByte, body, end - start - 1, names, kept);
    }
  }
  while (parameters != nullptr) {
    MacroParameter* next = parameters->next;
    ctx_.memory.blocks.Free(parameters);
    parameters = next;
  }
  scanner.SetTextPosition(start);
}

bool Macros::ReadParameters(MacroParameter*& parameters, int& count) {
  Scanner& scanner = scanner_;
  Directives& directives = ctx_.directives;
  int c = scanner.SkipBlanks();
  if (c == ')') return true;
  for (;;) {
    if (!IsIdentChar(c)) {
      ctx_.diag.ReportError(msg::MacroArgumentSyntax);
      directives.SkipRestOfLine(c);
      return false;
    }
    auto* p = static_cast<MacroParameter*>(ctx_.memory.blocks.Allocate(sizeof(MacroParameter)));
    p->length = 0;
    while (IsIdentChar(c)) {
      if (p->length < sizeof p->name - 1) p->name[p->length++] = static_cast<char>(c);
      c = scanner.ReadByte();
    }
    p->name[p->length] = 0;
    p->hash = HashName(p->name, p->length);
    for (MacroParameter* q = parameters; q != nullptr; q = q->next) {
      if (q->hash == p->hash && q->length == p->length &&
          std::memcmp(q->name, p->name, p->length) == 0) {
        ctx_.diag.ReportError(msg::MultipleDeclaration, p->name);
        break;
      }
    }
    p->next = parameters;
    parameters = p;
    ++count;
    scanner.UnreadByte();
    c = scanner.SkipBlanks();
    if (c == ')') return true;
    if (c != ',') {
      ctx_.diag.ReportError(msg::InvalidArgumentSeparator);
      directives.SkipRestOfLine(c);
      return false;
    }
    c = scanner.SkipBlanks();
  }
}

void Macros::RecordFunctionBody(std::size_t start, const MacroParameter* parameters) {
  Scanner& scanner = scanner_;
  scanner.SetTextPosition(start);
  scanner.BeginBody(start);
  const signed char* savedTable = scanner.table;
  scanner.table = kBodyTable;
  for (;;) {
    TokenCode t = scanner.ScanBody();
    if (t != tok::Identifier) break;
    std::size_t at = scanner.TextPosition();
    std::size_t length = scanner.IdentifierLength();
    std::uint32_t hash = scanner.IdentifierHash();
    int position = 0;
    const MacroParameter* match = nullptr;
    for (const MacroParameter* p = parameters; p != nullptr; p = p->next, ++position) {
      if (p->hash == hash && p->length == length &&
          std::memcmp(p->name, scanner.Text() + at, length) == 0) {
        match = p;
        break;
      }
    }
    // Parameters past the last parameter byte are kept as names.
    if (match != nullptr && position < mark::kEndByte - mark::kFirstParameter) {
      scanner.Text()[at] = static_cast<char>(mark::kFirstParameter + position);
      scanner.SetTextPosition(at + 1);
    } else {
      scanner.SetTextPosition(at + length);
    }
  }
  scanner.table = savedTable;
  FinishBody(start);
}

bool Macros::NumberParameters(unsigned char* body, std::size_t size, int count,
                              std::uint8_t& parameterByte) {
  parameterByte = static_cast<std::uint8_t>(count > 0x7F ? 0x7F : count);
  bool valid = true;
  for (std::size_t k = 0; k + 2 < size; ++k) {
    unsigned char b = body[k];
    if (b == kEscape) {
      ++k;
      continue;
    }
    if (mark::IsParameter(b)) {
      body[k] = static_cast<unsigned char>(mark::kFirstParameter + count - 1 -
                                           (b - mark::kFirstParameter));
    } else if (b == kStringize || b == kPaste) {
      parameterByte |= kHasOperators;
      if (b == kStringize && !mark::IsParameter(body[k + 1])) valid = false;
    }
  }
  return valid;
}

void Macros::UndefDirective(int c) {
  Scanner& scanner = scanner_;
  c = ctx_.directives.SkipToOperand(c);
  if (!IsIdentStart(c)) {
    ctx_.diag.ReportError(msg::BadDirectiveSyntax, "undef");
    ctx_.directives.SkipRestOfLine(c);
    return;
  }
  const char* spelling = scanner.ReadIdentifier(c);
  std::size_t length = scanner.IdentifierLength();
  std::uint32_t hash = scanner.IdentifierHash();
  char name[256];
  std::size_t n = length < sizeof name - 1 ? length : sizeof name - 1;
  std::memcpy(name, spelling, n);
  name[n] = 0;
  ctx_.directives.CheckRestOfLine(scanner.ReadByte());
  if (SpecialNumber(name, n) != 0 || (n == 7 && std::memcmp(name, "defined", 7) == 0)) {
    ctx_.diag.ReportError(msg::BadDirectiveSyntax, "undef");
    return;
  }
  IdentEntry* entry = ctx_.idents.Lookup(name, n, hash);
  entry->definition = kNotMacro;
  if (ctx_.options.DefinesInOutput && ctx_.output.IsOpen()) {
    ctx_.writer.PutOutputText("/* undef ", 9);
    ctx_.writer.PutOutputText(entry->name, entry->length);
    ctx_.writer.PutOutputText(" */", 3);
  }
}

void Macros::RecordObjectBody(std::size_t start) {
  Scanner& scanner = scanner_;
  SourceStack& src = source_;
  scanner.SetTextPosition(start);
  scanner.BeginBody(start);
  auto endsInSpace = [&]() {
    return scanner.TextPosition() > start && scanner.Text()[scanner.TextPosition() - 1] == ' ';
  };
  auto space = [&]() {
    if (!endsInSpace()) scanner.AppendByte(' ');
  };
  for (;;) {
    int c = scanner.ReadByte();
    if (c == '\n' || c == '\r' || c == mark::kEndOfInput) {
      scanner.UnreadByte();
      break;
    }
    if (IsBlank(c) || c == 0) {
      if (c == 0) scanner.ReportIllegal(0);
      space();
      continue;
    }
    if (c == '/') {
      if (scanner.CommentAfterSlash())
        space();
      else
        scanner.AppendByte('/');
      continue;
    }
    if (c == '\\') {
      int n = src.NextByte();
      if (n == '\n' || n == '\r') {
        src.CountNewline(n);
        continue;
      }
      scanner.AppendByte('\\');
      if (n == mark::kEndOfInput) {
        src.Unget();
        continue;
      }
      scanner.AppendStoredByte(n);
      continue;
    }
    if (c == '"' || c == '\'') {
      scanner.CopyLiteral(c, AppendStoredToScanner, &scanner, false);
      continue;
    }
    if (c == '#') {
      int n = src.NextByte();
      if (n == '#') {
        std::size_t pos = scanner.TextPosition();
        while (pos > start && scanner.Text()[pos - 1] == ' ') --pos;
        scanner.SetTextPosition(pos);
        if (pos == start)
          ctx_.diag.ReportError(msg::BadDirectiveSyntax, "define");
        else
          scanner.AppendByte(kPaste);
        int b = src.NextByte();
        while (b == ' ' || b == '\t') b = src.NextByte();
        src.Unget();
        continue;
      }
      src.Unget();
      ctx_.diag.ReportError(msg::BadDirectiveSyntax, "define");
      continue;
    }
    scanner.AppendEscaped(c);
  }
}

void Macros::FinishBody(std::size_t start) {
  Scanner& scanner = scanner_;
  char* text = scanner.Text();
  std::size_t end = scanner.TextPosition();
  if (scanner.TakeTextOverflow()) ctx_.diag.ReportError(msg::MacroExpansionTooLong);
  std::size_t first = start;
  while (first < end && (text[first] == ' ' || text[first] == '\t')) ++first;
  if (first != start) {
    std::memmove(text + start, text + first, end - first);
    end -= first - start;
  }
  while (end > start) {
    unsigned char last = static_cast<unsigned char>(text[end - 1]);
    if (last != ' ' && last != '\t' && last != kEndByte) break;
    --end;
  }
  std::size_t length = end - start;
  if (length > 0 && (static_cast<unsigned char>(text[start]) == kPaste ||
                     (length > 1 && static_cast<unsigned char>(text[end - 1]) == kPaste))) {
    ctx_.diag.ReportError(msg::BadDirectiveSyntax, "define");
  }
  if (end + 2 > Scanner::kTextBufferSize) end = Scanner::kTextBufferSize - 2;
  text[end++] = static_cast<char>(kEndByte);
  text[end++] = 0;
  scanner.SetTextPosition(end);
}

// ---------------------------------------------------------------------------------------------
// Expansion.

void Macros::PushMacroText(const unsigned char* text, MacroArg* args, IdentEntry* macro,
                           bool argumentExpansion) {
  MacroText* record = freeRecords_;
  if (record != nullptr)
    freeRecords_ = record->nextFree;
  else
    record = static_cast<MacroText*>(ctx_.memory.blocks.Allocate(sizeof(MacroText)));
  std::memset(static_cast<SourceFile*>(record), 0, sizeof(SourceFile));
  record->kind = SourceFile::kMacroText;
  record->buffer = text;
  record->offset = 0;
  record->count = SegmentEnd(text, 0);
  record->text = text;
  record->args = args;
  record->macro = macro;
  record->definition = nullptr;
  record->nextFree = nullptr;
  record->argumentExpansion = argumentExpansion;
  if (macro != nullptr) {
    record->definition = macro->definition;
    macro->definition = kNotMacro;
  }
  source_.PushRecord(record);
}

void Macros::FreeArguments(MacroArg* args) {
  while (args != nullptr) {
    MacroArg* next = args->next;
    ctx_.memory.blocks.Free(args->rawBlock);
    ctx_.memory.blocks.Free(args);
    args = next;
  }
}

void Macros::EndText(MacroText* record) {
  if (record->macro != nullptr) record->macro->definition = record->definition;
  FreeArguments(record->args);
  record->args = nullptr;
  source_.PopRecord();
  record->nextFree = freeRecords_;
  freeRecords_ = record;
}

void Macros::SetTextPosition(MacroText* record, std::uint32_t at) {
  SourceStack& src = source_;
  record->count = SegmentEnd(record->text, at);
  src.cursor = record->text + at;
  src.limit = record->text + record->count;
}

MacroArg* Macros::Argument(const MacroText* record, unsigned char parameter) {
  MacroArg* a = record->args;
  for (int i = parameter - mark::kFirstParameter; a != nullptr && i > 0; --i) a = a->next;
  return a;
}

void Macros::PushParameter(MacroText* record, std::uint32_t after) {
  MacroArg* a = Argument(record, record->text[after - 1]);
  bool leftOfPaste = record->text[after] == kPaste;
  SetTextPosition(record, after);
  if (a != nullptr) PushMacroText(leftOfPaste ? a->raw : a->expanded, nullptr, nullptr);
}

inline bool Macros::PassSegmentEnd(MacroText* record, std::uint32_t position) {
  unsigned char b = record->text[position];
  if (b == 0) {
    EndText(record);
    return true;
  }
  if (mark::IsParameter(b) && record->text[position + 1] != kPaste) {
    // A parameter not pasted to what follows: its argument's expansion is read next.
    PushParameter(record, position + 1);
    return true;
  }
  return false;
}

bool Macros::PassTextEnd() {
  SourceStack& src = source_;
  SourceFile* top = src.Top();
  if (top == nullptr || top->kind != SourceFile::kMacroText || src.cursor != src.limit)
    return false;
  auto* record = static_cast<MacroText*>(top);
  auto position = static_cast<std::uint32_t>(src.cursor - record->text);
  if (PassSegmentEnd(record, position)) return true;
  if (record->text[position] == kEndByte) {
    // The token loop takes the end byte as a blank that is never written: it is passed over.
    SetTextPosition(record, position + 1);
    return true;
  }
  return false;
}

int Macros::MacroTextEnd() {
  SourceStack& src = source_;
  Scanner& scanner = scanner_;
  auto* record = static_cast<MacroText*>(src.Top());
  const unsigned char* text = record->text;
  auto position = static_cast<std::uint32_t>(src.cursor - text);
  unsigned char b = text[position];
  // Moves the read position of this record to `at` and recomputes its segment.
  auto setPosition = [&](std::uint32_t at) { SetTextPosition(record, at); };
  auto argument = [&](unsigned char parameter) { return Argument(record, parameter); };

  if (PassSegmentEnd(record, position)) return src.NextByte();
  ++position;
  if (mark::IsParameter(b)) {
    // A parameter pasted to what follows: its raw text is read next.
    PushParameter(record, position);
    return src.NextByte();
  }
  switch (b) {
    case kPaste:
      scanner.MarkPasted();
      if (mark::IsParameter(text[position])) {
        MacroArg* a = argument(text[position]);
        setPosition(position + 1);
        if (a != nullptr) PushMacroText(a->raw, nullptr, nullptr);
        return src.NextByte();
      }
      setPosition(position);
      return src.NextByte();
    case kStringize: {
      MacroArg* a = nullptr;
      if (mark::IsParameter(text[position])) a = argument(text[position++]);
      setPosition(position);
      static const unsigned char kEmpty[1] = {0};
      scanner.SetStringizeSource(a != nullptr ? a->raw : kEmpty, true);
      src.PushText("\"");
      return src.NextByte();
    }
    case kNoExpand:
      scanner.MarkNoExpand();
      setPosition(position);
      return src.NextByte();
    case kEscape: {
      unsigned char literal = text[position];
      if (literal == 0) {
        setPosition(position);
        return src.NextByte();
      }
      setPosition(position + 1);
      return literal;
    }
    case kEndByte:
      setPosition(position);
      return kEndByte;
    case mark::kEndOfInput:
      if (record->argumentExpansion) {
        src.cursor = text + position;
        src.limit = text + position;
        record->count = position;
        return mark::kEndOfInput;
      }
      setPosition(position);
      return src.NextByte();
    default:
      // Any other byte of 0x80 and above is delivered as it is.
      setPosition(position);
      return b;
  }
}

bool Macros::Expand(IdentEntry* entry) {
  Scanner& scanner = scanner_;
  SourceStack& src = source_;
  const std::uint8_t* def = AsBytes(entry->definition);
  if (def[0] == kObjectLike) {
    PushMacroText(def + 1, nullptr, entry);
    return true;
  }
  int c;
  for (;;) {
    c = scanner.SkipBlanks();
    if ((c == '\n' || c == '\r') && !scanner.InDirectiveLine()) {
      src.CountNewline(c);
      continue;
    }
    break;
  }
  if (c != '(') {
    scanner.UnreadByte();
    src.PushText(" ");
    return false;
  }
  std::size_t base = scanner.TextPosition();
  c = scanner.SkipBlanks();
  bool emptyList = c == ')';
  scanner.UnreadByte();

  MacroArg* first = nullptr;
  MacroArg** tail = &first;
  int count = 0;
  bool endOfInput = false;
  for (;;) {
    scanner.SetTextPosition(base);
    int end = CollectArgument();
    if (end == mark::kEndOfInput) {
      endOfInput = true;
      break;
    }
    if (end == ')' && count == 0 && emptyList) {
      std::size_t pos = scanner.TextPosition();
      bool empty = true;
      for (std::size_t k = base; k < pos; ++k) {
        if (scanner.Text()[k] != ' ' && scanner.Text()[k] != '\t') empty = false;
      }
      if (empty) break;
    }
    MacroArg* a = ExpandArgument(base);
    *tail = a;
    tail = &a->next;
    ++count;
    if (end == ')') break;
  }
  scanner.SetTextPosition(base);
  if (endOfInput || count != (def[0] & 0x7F)) {
    ctx_.diag.ReportError(msg::WrongArgumentCount, entry->name);
    FreeArguments(first);
    return true;
  }
  PushMacroText(def + 1, first, entry);
  return true;
}

void Macros::StorePendingMark() {
  Scanner& scanner = scanner_;
  if (scanner.TakeNoExpand()) {
    scanner.AppendByte(kNoExpand);
    argumentPlain_ = false;
  }
}

bool Macros::MarkNoExpand(std::size_t at, std::size_t length) {
  Scanner& scanner = scanner_;
  if (scanner.TextPosition() + length + 1 >= Scanner::kTextBufferSize - 1) return false;
  std::memmove(scanner.Text() + at + 1, scanner.Text() + at, length);
  scanner.Text()[at] = static_cast<char>(kNoExpand);
  scanner.SetTextPosition(at + 1 + length);
  return true;
}

void Macros::StoreByte(int c) {
  StorePendingMark();
  scanner_.EndPaste();  // no name or number: a paste that completed one before has ended
  scanner_.AppendByte(c);
}

namespace {

// What the argument collector does with each byte, decided by one table lookup.
enum ArgClass : std::uint8_t {
  kArgPlain,     // stored as it is
  kArgZero,      // a zero byte: reported, and stored as a blank
  kArgEndInput,  // 0x1A
  kArgComma,
  kArgClose,
  kArgOpen,
  kArgLineBreak,
  kArgBlank,
  kArgSlash,
  kArgBackslash,
  kArgQuote,
  kArgMarker,  // end-of-text and no-expand marks, copied as they are
  kArgEscape,
  kArgDigit,
  kArgIdentStart,
  kArgHigh,  // any other byte of 0x80 and above
};

struct ArgClasses {
  std::uint8_t of[256];
  ArgClasses() {
    for (int c = 0; c < 256; ++c) {
      std::uint8_t k = kArgPlain;
      if (c == mark::kEndOfInput)
        k = kArgEndInput;
      else if (c == 0)
        k = kArgZero;
      else if (c == ',')
        k = kArgComma;
      else if (c == ')')
        k = kArgClose;
      else if (c == '(')
        k = kArgOpen;
      else if (c == '\n' || c == '\r')
        k = kArgLineBreak;
      else if (IsBlank(c))
        k = kArgBlank;
      else if (c == '/')
        k = kArgSlash;
      else if (c == '\\')
        k = kArgBackslash;
      else if (c == '"' || c == '\'')
        k = kArgQuote;
      else if (c == kEndByte || c == kNoExpand)
        k = kArgMarker;
      else if (c == kEscape)
        k = kArgEscape;
      else if (kBaseTable[c] == cls::Digit)
        k = kArgDigit;
      else if (IsIdentStart(c))
        k = kArgIdentStart;
      else if (c >= 0x80)
        k = kArgHigh;
      of[c] = k;
    }
  }
};

const ArgClasses& ArgClassTable() {
  static const ArgClasses table;
  return table;
}

}  // namespace

int Macros::CollectArgument() {
  Scanner& scanner = scanner_;
  SourceStack& src = source_;
  const std::uint8_t* classOf = ArgClassTable().of;
  std::size_t start = scanner.TextPosition();
  int depth = 0;
  bool afterBackslash = false;
  argumentPlain_ = true;
  auto space = [&]() {
    std::size_t pos = scanner.TextPosition();
    if (pos == start || scanner.Text()[pos - 1] != ' ') StoreByte(' ');
  };
  for (;;) {
    int c = scanner.ReadByte();
    bool wasAfterBackslash = afterBackslash;
    afterBackslash = false;
    switch (classOf[c]) {
      case kArgEndInput:
        scanner.UnreadByte();
        return mark::kEndOfInput;
      case kArgComma:
        if (depth == 0) return ',';
        StoreByte(c);
        continue;
      case kArgClose:
        if (depth == 0) return ')';
        --depth;
        StoreByte(c);
        continue;
      case kArgOpen:
        ++depth;
        StoreByte(c);
        continue;
      case kArgLineBreak:
        if (scanner.InDirectiveLine()) {
          // A directive line ends the call: its arguments cannot go on past it.
          scanner.UnreadByte();
          return mark::kEndOfInput;
        }
        src.CountNewline(c);
        space();
        continue;
      case kArgBlank:
        space();
        continue;
      case kArgZero:
        scanner.ReportIllegal(0);
        space();
        continue;
      case kArgSlash:
        if (scanner.CommentAfterSlash()) {
          space();
        } else {
          // The look past the slash may have met the no-expand mark of the name after it: the
          // mark is stored after the slash, with that name, not before it, where it would stick
          // to a name before the slash.
          scanner.AppendByte(c);
        }
        continue;
      case kArgBackslash: {
        int n = src.NextByte();
        if (n == '\n' || n == '\r') {
          src.CountNewline(n);
          continue;
        }
        src.Unget();
        StoreByte(c);
        afterBackslash = true;
        continue;
      }
      case kArgQuote:
        StorePendingMark();
        scanner.CopyLiteral(c, AppendStoredToScanner, &scanner, true);
        continue;
      case kArgMarker:
        scanner.AppendByte(c);
        argumentPlain_ = false;
        continue;
      case kArgEscape: {
        // Before a byte of 0x80 or above in a macro's text; a source byte of this value may
        // stand before anything, and a zero byte or an end of line or input is not taken
        // into the escape.
        int n = src.NextByte();
        if (n == 0) {
          scanner.ReportIllegal(0);
          space();
        } else if (n == '\n' || n == '\r' || n == mark::kEndOfInput) {
          src.Unget();
          StoreByte(kEscape);
          scanner.AppendByte(c);
        } else {
          scanner.AppendByte(kEscape);
          scanner.AppendByte(n);
        }
        continue;
      }
      case kArgDigit:
        StorePendingMark();
        // After a point the digits are a floating constant's (".5f": the f is its suffix).
        scanner.CopyNumber(
            c, scanner.TextPosition() > start && scanner.Text()[scanner.TextPosition() - 1] == '.');
        // A mark met inside the number (where a pasted text begins) ends with it.
        scanner.TakeExpansionMarks();
        continue;
      case kArgIdentStart: {
        std::size_t at = scanner.TextPosition();
        const char* spelling = scanner.ReadIdentifier(c);
        // A mark before the name or met inside it (where a pasted text begins) applies to it,
        // unless the name was completed by a paste; either way it ends with the name.
        bool marked = scanner.TakeExpansionMarks();
        std::size_t length = scanner.IdentifierLength();
        IdentEntry* entry = ctx_.idents.Lookup(spelling, length, scanner.IdentifierHash());
        bool mark = marked || (!entry->IsMacro() &&
                               !(length >= 2 && spelling[0] == '_' && spelling[1] == '_') &&
                               !wasAfterBackslash);
        if (!(mark && MarkNoExpand(at, length))) {
          scanner.SetTextPosition(at + length);
          argumentPlain_ = false;
        }
        continue;
      }
      case kArgHigh:
        StoreByte(kEscape);
        scanner.AppendByte(c);
        if (scanner.IsLeadByte(c)) {
          int t = src.NextByte();
          if (t == '\n' || t == '\r' || t == mark::kEndOfInput)
            src.Unget();
          else
            scanner.AppendEscaped(t);
        }
        continue;
      default:
        StoreByte(c);
        continue;
    }
  }
}

MacroArg* Macros::ExpandArgument(std::size_t start) {
  Scanner& scanner = scanner_;
  SourceStack& src = source_;
  char* text = scanner.Text();
  std::size_t end = scanner.TextPosition();
  std::size_t first = start;
  while (first < end && text[first] == ' ') ++first;
  while (end > first && text[end - 1] == ' ') --end;
  std::size_t length = end - first;

  auto* block = static_cast<unsigned char*>(ctx_.memory.blocks.Allocate(length + 3));
  block[0] = 0;
  std::memcpy(block + 1, text + first, length);
  block[length + 1] = mark::kEndOfInput;
  block[length + 2] = 0;
  unsigned char* raw = block + 1;

  scanner.SetTextPosition(start);
  if (argumentPlain_ && ctx_.shortcuts && !scanner.TextOverflowed()) {
    // Every identifier of the argument is marked as never to be expanded and it holds no
    // other marker: expanding it would give the same text back.
    std::memcpy(text + start, raw, length);
    scanner.SetTextPosition(start + length);
  } else {
    PushMacroText(raw, nullptr, nullptr, true);
    SourceFile* record = src.Top();
    ExpandText(true);
    // The argument's own record ends at its end byte; take it off the stack now.
    if (src.Top() == record) {
      src.PopRecord();
      auto* r = static_cast<MacroText*>(record);
      r->nextFree = freeRecords_;
      freeRecords_ = r;
    }
  }
  // An argument that filled the buffer when it was collected, or when it was expanded.
  if (scanner.TakeTextOverflow()) ctx_.diag.ReportError(msg::MacroExpansionTooLong);
  raw[length] = 0;

  std::size_t expandedEnd = scanner.TextPosition();
  std::size_t expandedStart = start;
  while (expandedStart < expandedEnd && (text[expandedStart] == ' ' || text[expandedStart] == '\t'))
    ++expandedStart;
  while (expandedEnd > expandedStart &&
         (text[expandedEnd - 1] == ' ' || text[expandedEnd - 1] == '\t'))
    --expandedEnd;
  std::size_t expandedLength = expandedEnd - expandedStart;
  auto* node =
      static_cast<MacroArg*>(ctx_.memory.blocks.Allocate(sizeof(MacroArg) + expandedLength + 1));
  node->next = nullptr;
  node->rawBlock = block;
  node->raw = raw;
  node->expanded = reinterpret_cast<unsigned char*>(node + 1);
  std::memcpy(node->expanded, text + expandedStart, expandedLength);
  node->expanded[expandedLength] = 0;
  scanner.SetTextPosition(start);
  return node;
}

// Reads text with macro expansion, appending to the token text buffer: an argument text up to
// its end byte, or the rest of a directive line up to its line break (left unread).
void Macros::ExpandText(bool argumentText) {
  Scanner& scanner = scanner_;
  SourceStack& src = source_;
  const std::size_t start = scanner.TextPosition();
  for (;;) {
    int c = scanner.ReadByte();
    if (c == mark::kEndOfInput) {
      if (!argumentText) scanner.UnreadByte();
      return;
    }
    if (c == '\n' || c == '\r') {
      if (!argumentText) {
        scanner.UnreadByte();
        return;
      }
      src.CountNewline(c);
      continue;
    }
    if (c == kEndByte) continue;
    if (c == '/') {
      if (scanner.CommentAfterSlash()) {
        std::size_t pos = scanner.TextPosition();
        if (pos == 0 || scanner.Text()[pos - 1] != ' ') scanner.AppendByte(' ');
      } else {
        scanner.AppendByte('/');
      }
      continue;
    }
    if (c == '"' || c == '\'') {
      scanner.CopyLiteral(c, AppendStoredToScanner, &scanner, true);
      continue;
    }
    if (c < 0x100 && kBaseTable[c] == cls::Digit) {
      scanner.TakeExpansionMarks();
      scanner.CopyNumber(
          c, scanner.TextPosition() > start && scanner.Text()[scanner.TextPosition() - 1] == '.');
      scanner.TakeExpansionMarks();
      continue;
    }
    if (IsIdentStart(c)) {
      std::size_t at = scanner.TextPosition();
      const char* spelling = scanner.ReadIdentifier(c);
      // As in the scanner: the mark applies unless a paste completed the name.
      bool marked = scanner.TakeExpansionMarks();
      std::size_t length = scanner.IdentifierLength();
      IdentEntry* entry = ctx_.idents.Lookup(spelling, length, scanner.IdentifierHash());
      if (!marked) {
        if (StartsSpecialName(spelling, length)) {
          int number = SpecialNumber(spelling, length);
          if (number != 0) {
            int first = SpecialMacroValue(number);
            if (first == '"' && scanner.StringizeSource() != nullptr) {
              const unsigned char* value = scanner.TakeStringizeSource();
              scanner.AppendByte('"');
              for (const unsigned char* p = value; *p != 0; ++p) scanner.AppendEscaped(*p);
              scanner.AppendByte('"');
            } else {
              scanner.AppendByte(first);
            }
            continue;
          }
        }
        if (entry->IsMacro()) {
          scanner.SetTextPosition(at);
          if (Expand(entry)) continue;
          // A function-like macro without arguments here: the name stays as it is, and
          // unmarked, so that a call formed after substitution still expands.
          std::memmove(scanner.Text() + at, entry->name, length);
          scanner.SetTextPosition(at + length);
          continue;
        }
      }
      if (!(argumentText && MarkNoExpand(at, length))) scanner.SetTextPosition(at + length);
      continue;
    }
    scanner.EndPaste();  // a paste that completed an operator ends with it
    scanner.AppendStoredByte(c);
  }
}

const char* Macros::ExpandLine() {
  Scanner& scanner = scanner_;
  std::size_t start = scanner.TextPosition();
  ExpandText(false);
  std::size_t end = scanner.TextPosition();
  if (end >= Scanner::kTextBufferSize) end = Scanner::kTextBufferSize - 1;
  scanner.Text()[end] = 0;
  scanner.SetTextPosition(start);
  return scanner.Text() + start;
}

}  // namespace tpx
