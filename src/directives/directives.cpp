#include "directives/directives.h"

#include <cstring>
#include <initializer_list>
#include <string_view>

#include "constexpr/condition.h"
#include "diagnostics/diagnostics.h"
#include "directives/conditional.h"
#include "directives/macros.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "output/output_writer.h"
#include "platform/platform.h"
#include "source/count_line.h"
#include "source/ident_table.h"
#include "source/markers.h"
#include "source/scanner.h"
#include "source/source_stack.h"
#include "source/sweep.h"

namespace tpx {

namespace {

struct DirectiveName {
  std::string_view name;
  int code;
};

// Searched in this order; only exact matches succeed. The lengths are compared first, so most
// names are passed over without reading their bytes.
constexpr DirectiveName kDirectiveNames[] = {
    {"define", dir::Define}, {"if", dir::If},           {"ifdef", dir::Ifdef},
    {"ifndef", dir::Ifndef}, {"endif", dir::Endif},     {"else", dir::Else},
    {"elif", dir::Elif},     {"line", dir::Line},       {"pragma", dir::Pragma},
    {"undef", dir::Undef},   {"include", dir::Include}, {"error", dir::Error},
};

constexpr std::size_t kMaxNameLength = 260;

bool IsIdentStart(int c) { return c < 0x100 && kBaseTable[c] == cls::Letter; }
bool IsIdentChar(int c) {
  return c < 0x100 && (kBaseTable[c] == cls::Letter || kBaseTable[c] == cls::Digit);
}
bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
bool IsLineEnd(int c) { return c == '\n' || c == '\r' || c == mark::kEndOfInput; }

void IgnoreByte(void*, int) {}

// The bytes that the rest of a directive line cannot simply pass over.
constexpr StopSet<7> kRestStops{{'\n', '\r', mark::kEndOfInput, '/', '\\', '"', '\''}};

}  // namespace

int Directives::ReadDirective(Reading reading) {
  bool process = reading != Reading::kIdentifyOnly;
  Scanner& scanner = ctx_.scanner;
  // The directive's own line is read in directive-line mode, and the mode the caller was in
  // comes back after it.
  Scanner::DirectiveLineScope directiveLine(scanner, true);

  int c = scanner.SkipBlanks();
  if (c == '\n' || c == '\r' || c == mark::kEndOfInput) {
    scanner.UnreadByte();
    current_ = dir::None;
    return dir::None;
  }

  // The name is collected in the token text buffer, whole, so that a message names it whole.
  char* name = scanner.Text() + scanner.TextPosition();
  const std::size_t room = Scanner::kTextBufferSize - 1 - scanner.TextPosition();
  std::size_t length = 0;
  if (IsIdentChar(c) && length < room) name[length++] = static_cast<char>(c);
  for (;;) {
    c = scanner.ReadByte();
    if (!IsIdentChar(c)) break;
    if (length < room) name[length++] = static_cast<char>(c);
  }
  name[length] = 0;
  scanner.UnreadByte();

  int code = dir::None;
  const std::string_view written(name, length);
  for (const DirectiveName& d : kDirectiveNames) {
    if (d.name == written) {
      code = d.code;
      break;
    }
  }
  if (code == dir::None) {
    if (process) ctx_.diag.ReportError(msg::UnknownDirective, name);
    SkipRestOfLine(scanner.ReadByte());
    current_ = dir::None;
    return dir::None;
  }
  current_ = code;
  if (!process) return code;

  c = scanner.ReadByte();
  switch (code) {
    case dir::Define:
      ctx_.macros.DefineDirective(c);
      break;
    case dir::If:
      scanner.UnreadByte();
      If();
      break;
    case dir::Ifdef:
      IfdefIfndef(c, NameTest::kIfdef);
      break;
    case dir::Ifndef:
      IfdefIfndef(
          c, reading == Reading::kFirstOfInclude ? NameTest::kIfndefMayBeGuard : NameTest::kIfndef);
      break;
    case dir::Endif:
      Endif(c);
      break;
    case dir::Else:
      Else(c);
      break;
    case dir::Elif:
      Elif(c);
      break;
    case dir::Line:
      LineDirectiveHandler(c);
      break;
    case dir::Pragma:
      PragmaDirective(c);
      break;
    case dir::Undef:
      ctx_.macros.UndefDirective(c);
      break;
    case dir::Include:
      Include(c);
      break;
    case dir::Error:
      ErrorDirective(c);
      break;
  }
  return code;
}

// ---------------------------------------------------------------------------------------------
// The rest of a directive line.

int Directives::SkipLiteral(int quote) {
  return ctx_.scanner.CopyLiteral(quote, IgnoreByte, nullptr, false);
}

void Directives::SkipRestOfLine(int c) {
  Scanner& scanner = ctx_.scanner;
  SourceStack& src = ctx_.source;
  for (;;) {
    if (IsLineEnd(c)) {
      scanner.UnreadByte();
      return;
    }
    if (c == '/') {
      scanner.CommentAfterSlash();
    } else if (c == '\\') {
      int n = src.NextByte();
      if (n == '\n' || n == '\r')
        src.CountNewline(n);
      else
        src.Unget();
    } else if (c == '"' || c == '\'') {
      SkipLiteral(c);
    } else if (scanner.IsLeadByte(c)) {
      int t = src.NextByte();
      if (IsLineEnd(t)) src.Unget();
    }
    if (!scanner.BackslashPending()) {
      // Ordinary bytes are passed over in one sweep of the buffer.
      src.cursor = SweepTo(src.cursor, src.limit, kRestStops, scanner.LeadBytesOrNull());
    }
    c = scanner.ReadByte();
  }
}

void Directives::CheckRestOfLine(int c) {
  Scanner& scanner = ctx_.scanner;
  SourceStack& src = ctx_.source;
  for (;;) {
    if (IsBlank(c) || c == mark::kEndByte) {
      c = scanner.ReadByte();
      continue;
    }
    if (c == '/') {
      // A comment, or a lone '/' that is dropped.
      scanner.CommentAfterSlash();
      c = scanner.ReadByte();
      continue;
    }
    if (c == '\\') {
      int n = src.NextByte();
      if (n == '\n' || n == '\r') {
        src.CountNewline(n);
      } else {
        src.Unget();
      }
      c = scanner.ReadByte();
      continue;
    }
    break;
  }
  if (!IsLineEnd(c) && ctx_.options.LanguageMode == 1) {
    scanner.UnreadByte();
    scanner.ReportIllegal(scanner.ReadByte());
    c = scanner.ReadByte();
  }
  SkipRestOfLine(c);
}

// ---------------------------------------------------------------------------------------------
// Conditionals.

void Directives::PushConditional(std::uint8_t kind) {
  auto* frame =
      static_cast<ConditionalFrame*>(ctx_.memory.blocks.Allocate(sizeof(ConditionalFrame)));
  frame->next = conditionals_;
  frame->line = ctx_.source.Line();
  frame->guard = "";
  frame->kind = kind;
  conditionals_ = frame;
}

void Directives::EndConditionals(bool quiet) {
  if (conditionals_ == nullptr) return;
  if (!quiet)
    ctx_.diag.ReportError(msg::EndOfFileInConditional, static_cast<int>(conditionals_->line));
  while (conditionals_ != nullptr) PopConditional();
}

void Directives::PopConditional() {
  ConditionalFrame* frame = conditionals_;
  if (frame == nullptr) return;
  conditionals_ = frame->next;
  ctx_.memory.blocks.Free(frame);
}

bool Directives::Evaluate() {
  Scanner& scanner = ctx_.scanner;
  bool value = EvaluateCondition(ctx_);
  // The evaluation read the line up to its end-of-line token; the line break itself is left
  // for the scanner so that it is counted once.
  if (scanner.Current().code == tok::EndOfLine) ctx_.source.Unget();
  return value;
}

void Directives::AfterSkip() {
  if (current_ == dir::Elif)
    PushConditional(ConditionalFrame::kChainGroup);
  else if (current_ == dir::Else)
    PushConditional(ConditionalFrame::kElseGroup);
}

void Directives::If() {
  if (Evaluate()) {
    PushConditional(ConditionalFrame::kChainGroup);
    return;
  }
  SkipFalseGroup(Skipping::kFalseGroup);
  AfterSkip();
}

int Directives::SkipToOperand(int c) {
  if (!IsBlank(c) && c != '/' && c != '\\') return c;
  ctx_.scanner.UnreadByte();
  return ctx_.scanner.SkipBlanks();
}

void Directives::IfdefIfndef(int c, NameTest test) {
  Scanner& scanner = ctx_.scanner;
  bool isIfdef = test == NameTest::kIfdef;
  c = SkipToOperand(c);
  if (!IsIdentStart(c)) {
    ctx_.diag.ReportError(msg::BadDirectiveSyntax, isIfdef ? "ifdef" : "ifndef");
    SkipRestOfLine(c);
    PushConditional(ConditionalFrame::kChainGroup);
    return;
  }
  const char* name = scanner.ReadIdentifier(c);
  std::size_t length = std::strlen(name);
  char saved[256];
  std::size_t n = length < sizeof saved - 1 ? length : sizeof saved - 1;
  std::memcpy(saved, name, n);
  saved[n] = 0;
  CheckRestOfLine(scanner.ReadByte());

  bool defined = ctx_.macros.IsDefinedForIfdef(saved, n);
  if (defined == isIfdef) {
    PushConditional(ConditionalFrame::kChainGroup);
    if (test == NameTest::kIfndefMayBeGuard) {
      char* guard = static_cast<char*>(ctx_.memory.arena.BlobAllocate(n + 1));
      std::memcpy(guard, saved, n + 1);
      conditionals_->guard = guard;
    }
    return;
  }
  SkipFalseGroup(Skipping::kFalseGroup);
  AfterSkip();
}

void Directives::Else(int c) {
  ConditionalFrame* top = conditionals_;
  if (top == nullptr) {
    ctx_.diag.ReportError(msg::MisplacedElse);
    SkipRestOfLine(c);
    return;
  }
  top->guard = "";
  if (top->kind != ConditionalFrame::kChainGroup) {
    ctx_.diag.ReportError(msg::MisplacedElse);
    SkipRestOfLine(c);
    return;
  }
  CheckRestOfLine(c);
  SkipFalseGroup(Skipping::kElseGroup);
  PopConditional();
}

void Directives::Elif(int c) {
  ConditionalFrame* top = conditionals_;
  if (top != nullptr) top->guard = "";
  if (top == nullptr || top->kind != ConditionalFrame::kChainGroup) {
    ctx_.diag.ReportError(msg::MisplacedElif);
    SkipRestOfLine(c);
    return;
  }
  SkipRestOfLine(c);
  SkipFalseGroup(Skipping::kRestOfTakenChain);
  PopConditional();
}

void Directives::Endif(int c) {
  ConditionalFrame* top = conditionals_;
  if (top == nullptr) {
    ctx_.diag.ReportError(msg::MisplacedEndif);
    SkipRestOfLine(c);
    return;
  }
  if (top->guard[0] != 0) {
    char guard[256];
    std::size_t n = std::strlen(top->guard);
    if (n > sizeof guard - 1) n = sizeof guard - 1;
    std::memcpy(guard, top->guard, n);
    guard[n] = 0;
    PopConditional();
    GuardCheck(c, guard);
    return;
  }
  CheckRestOfLine(c);
  PopConditional();
}

// After the #endif of a group that may be an include guard: the file is guarded when nothing
// but blank lines and comments follows.
void Directives::GuardCheck(int c, const char* guard) {
  Scanner& scanner = ctx_.scanner;
  SourceStack& src = ctx_.source;
  CheckRestOfLine(c);
  // What follows is read as ordinary lines.
  Scanner::DirectiveLineScope ordinaryLines(scanner, false);
  c = scanner.ReadByte();
  for (;;) {
    if (c == '\n' || c == '\r') {
      src.CountNewline(c);
      c = scanner.SkipBlanks();
      continue;
    }
    if (c == mark::kEndOfInput) {
      src.RecordGuard(guard);
      scanner.UnreadByte();
      break;
    }
    if (c == '#') {
      ReadDirective(Reading::kProcess);
      break;
    }
    scanner.UnreadByte();
    break;
  }
}

namespace {

// The bytes that can start a skipped line which is passed over in one sweep: not a blank of the
// kinds skipped apart, not a directive, and not a byte the rest of the line must take care of.
struct PlainLineStarts {
  bool plain[256] = {};
  constexpr PlainLineStarts() {
    for (int c = 0; c < 256; ++c) plain[c] = !kRestStops.table[c];
    for (unsigned char c : {'#', ' ', '\t', '\v', '\f'}) plain[c] = false;
    plain[mark::kEndByte] = false;
  }
};
constexpr PlainLineStarts kPlainLineStarts;

}  // namespace

// Inlined into the skipping loop, its one caller: a call per skipped line costs a tenth of the
// work of skipping it.
[[gnu::always_inline]] inline bool Directives::SkipPlainLine() {
  Scanner& scanner = ctx_.scanner;
  SourceStack& src = ctx_.source;
  if (scanner.BackslashPending() || scanner.LeadBytesOrNull() != nullptr) return false;
  const unsigned char* p = src.cursor;
  const unsigned char* end = src.limit;
  p = SkipBlankRun(p, end);
  if (p == end) return false;
  if (*p != '\n' && *p != '\r') {
    if (!kPlainLineStarts.plain[*p]) return false;
    p = SweepTo(p + 1, end, kRestStops);
    if (p == end || (*p != '\n' && *p != '\r')) return false;
  }
  // The line break, with the second byte of a CR LF or LF CR pair, when that can be told here.
  if (end - p < 2) return false;
  src.cursor = p + SourceStack::BreakLength(p);
  src.CountLine();
  return true;
}

void Directives::SkipFalseGroup(Skipping skipping) {
  bool chainTaken = skipping == Skipping::kRestOfTakenChain;
  bool elseAllowed = skipping != Skipping::kElseGroup;
  Scanner& scanner = ctx_.scanner;
  SourceStack& src = ctx_.source;
  std::uint32_t startLine = src.Line();
  int depth = 0;
  bool strict = ctx_.options.LanguageMode == 1;
  // The group starts at the end of the directive line that opened it.
  SkipRestOfLine(scanner.ReadByte());
  for (;;) {
    int c = scanner.ReadByte();
    if (c == mark::kEndOfInput) {
      ctx_.diag.ReportError(msg::EndOfFileInConditional, static_cast<int>(startLine));
      scanner.UnreadByte();
      current_ = dir::None;
      return;
    }
    if (c != '\n' && c != '\r') {
      SkipRestOfLine(c);
      continue;
    }
    src.CountNewline(c);
    while (ctx_.shortcuts && SkipPlainLine()) {
    }
    c = scanner.SkipBlanks();
    if (c == mark::kEndOfInput) {
      ctx_.diag.ReportError(msg::EndOfFileInConditional, static_cast<int>(startLine));
      scanner.UnreadByte();
      current_ = dir::None;
      return;
    }
    if (c != '#') {
      SkipRestOfLine(c);
      continue;
    }
    int code = ReadDirective(Reading::kIdentifyOnly);
    scanner.SetDirectiveLine(true);
    switch (code) {
      case dir::If:
      case dir::Ifdef:
      case dir::Ifndef:
        ++depth;
        break;
      case dir::Endif:
        if (depth == 0 && strict) {
          CheckRestOfLine(scanner.ReadByte());
        }
        --depth;
        break;
      case dir::Else:
        if (depth != 0) break;
        if (strict) CheckRestOfLine(scanner.ReadByte());
        if (!elseAllowed) {
          ctx_.diag.ReportError(msg::MisplacedElse);
        } else if (chainTaken) {
          elseAllowed = false;
        } else {
          --depth;
        }
        break;
      case dir::Elif:
        if (depth != 0) break;
        if (!elseAllowed) {
          ctx_.diag.ReportError(msg::MisplacedElif);
        } else if (!chainTaken) {
          scanner.SetDirectiveLine(true);
          bool value = Evaluate();
          scanner.SetDirectiveLine(false);
          if (value) {
            current_ = dir::Elif;
            return;
          }
          continue;
        }
        break;
      default:
        break;
    }
    scanner.SetDirectiveLine(false);
    SkipRestOfLine(scanner.ReadByte());
    if (depth < 0) {
      current_ = code;
      return;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// #error, #line, #pragma.

void Directives::ErrorDirective(int c) {
  Scanner& scanner = ctx_.scanner;
  SourceStack& src = ctx_.source;
  char* text = scanner.Text() + scanner.TextPosition();
  std::size_t room = Scanner::kTextBufferSize - 1 - scanner.TextPosition();
  std::size_t n = 0;
  for (;;) {
    if (IsLineEnd(c)) {
      scanner.UnreadByte();
      break;
    }
    if (c == '\\') {
      int d = src.NextByte();
      if (d == '\n' || d == '\r') {
        src.CountNewline(d);
        c = scanner.ReadByte();
        continue;
      }
      src.Unget();
    }
    if (n < room) text[n++] = static_cast<char>(c);
    if (scanner.IsLeadByte(c)) {
      int t = src.NextByte();
      if (IsLineEnd(t))
        src.Unget();
      else if (n < room)
        text[n++] = static_cast<char>(t);
    }
    c = scanner.ReadByte();
  }
  text[n] = 0;
  ctx_.diag.ReportFatal(msg::ErrorDirective, text);
}

void Directives::LineDirectiveHandler(int c) {
  Scanner& scanner = ctx_.scanner;
  scanner.UnreadByte();
  const char* text = ctx_.macros.ExpandLine();
  ctx_.source.LineDirective(text);
  (void)c;
}

void Directives::PragmaDirective(int c) {
  ctx_.writer.ClearHeldBlanks();
  ctx_.writer.PutOutputText("#pragma ", 8);
  (void)c;
  ctx_.scanner.UnreadByte();
}

// ---------------------------------------------------------------------------------------------
// #include.

void Directives::Include(int c) {
  Scanner& scanner = ctx_.scanner;
  SourceStack& src = ctx_.source;
  c = SkipToOperand(c);
  char* text;
  std::size_t length = 0;
  if (c == '"' || c == '<') {
    text = scanner.Text() + scanner.TextPosition();
    std::size_t room = Scanner::kTextBufferSize - 1 - scanner.TextPosition();
    int closer = c == '"' ? '"' : '>';
    text[length++] = static_cast<char>(c);
    for (;;) {
      int d = src.NextByte();
      if (d == closer) {
        if (length < room) text[length++] = static_cast<char>(d);
        break;
      }
      if (IsLineEnd(d)) {
        src.Unget();
        break;
      }
      if (length < room) text[length++] = static_cast<char>(d);
    }
    text[length] = 0;
    SkipRestOfLine(scanner.ReadByte());
  } else {
    scanner.UnreadByte();
    text = const_cast<char*>(ctx_.macros.ExpandLine());
    length = std::strlen(text);
  }

  // Trim.
  while (*text == ' ' || *text == '\t') {
    ++text;
    --length;
  }
  while (length > 0) {
    unsigned char last = static_cast<unsigned char>(text[length - 1]);
    if (last != ' ' && last != '\t' && last != mark::kEndByte) break;
    --length;
  }
  text[length] = 0;
  if (length == 0 || (text[0] != '"' && text[0] != '<')) {
    ctx_.diag.ReportError(msg::BadFileNameFormat, "include");
    return;
  }
  bool angle = text[0] == '<';
  if (length < 2 || text[length - 1] != (angle ? '>' : '"')) {
    ctx_.diag.ReportError(msg::NoFileNameEnding);
    return;
  }
  std::size_t nameLength = length - 2;
  if (nameLength > kMaxNameLength) {
    ctx_.diag.ReportError(msg::FileNameTooLong);
    return;
  }
  char name[kMaxNameLength + 8];
  std::memcpy(name, text + 1, nameLength);
  name[nameLength] = 0;

  if (Search(name, angle) == SourceStack::Opened::kPushed) {
    src.CurrentFile()->standardNames = standardNames_ ? 1 : 0;
    ctx_.macros.SetStandardNames(standardNames_);
    // The start of the new file: its first directive is carried out right away. Its lines
    // are ordinary lines.
    Scanner::DirectiveLineScope ordinaryLines(scanner, false);
    for (;;) {
      ctx_.writer.PutOutputChar('\r');
      ctx_.writer.PutOutputChar('\n');
      int d = scanner.SkipBlanks();
      if (d == '#') {
        ReadDirective(Reading::kFirstOfInclude);
        break;
      }
      if (d == '\n' || d == '\r') {
        src.CountNewline(d);
        continue;
      }
      scanner.UnreadByte();
      break;
    }
  }
}

namespace {

bool IsAbsolute(const char* name) {
  return name[0] == '/' || name[0] == '\\' || (name[0] != 0 && name[1] == ':');
}

// Length of the drive and directory part of a path.
std::size_t DirectoryLength(const char* path) {
  std::size_t end = platform::DrivePrefixLength(path);
  for (std::size_t i = end; path[i] != 0; ++i) {
    if (platform::IsDirectorySeparator(path[i])) end = i + 1;
  }
  return end;
}

// Length of the directory part of a path as a pass of the search reads it: as the platform
// splits paths, or with "\\" separating as well for names read as on Windows.
std::size_t DirectoryLength(const char* path, platform::NameLookup lookup) {
  return lookup == platform::NameLookup::kWindowsStyle ? platform::WindowsDirectoryLength(path)
                                                       : DirectoryLength(path);
}

}  // namespace

// Whether a directory and a name together fit the longest name that is tried.
bool Directives::Fits(std::size_t directoryLength, const char* name) {
  return directoryLength + std::strlen(name) <= kMaxNameLength;
}

SourceStack::Opened Directives::TryOpen(const char* directory, std::size_t directoryLength,
                                        const char* name, platform::NameLookup lookup) {
  if (!Fits(directoryLength, name)) return SourceStack::Opened::kNot;
  std::size_t nameLength = std::strlen(name);
  std::memcpy(lastTried_, directory, directoryLength);
  std::memcpy(lastTried_ + directoryLength, name, nameLength + 1);
  return ctx_.source.OpenSourceFile(lastTried_, lookup);
}

SourceStack::Opened Directives::SearchIncludeDirectories(const char* name,
                                                         platform::NameLookup lookup) {
  for (DirectoryRecord* d = ctx_.lists.includeDirs; d != nullptr; d = d->next) {
    // A directory too long for the name ends the walk.
    if (!Fits(std::strlen(d->directory), name)) return SourceStack::Opened::kNot;
    SourceStack::Opened result = TryOpen(d->directory, std::strlen(d->directory), name, lookup);
    if (result != SourceStack::Opened::kNot) return result;
  }
  return SourceStack::Opened::kNot;
}

SourceStack::Opened Directives::SearchPlaces(const char* name, bool angle,
                                             platform::NameLookup lookup, char* extended) {
  using Opened = SourceStack::Opened;
  SourceStack& src = ctx_.source;
  standardNames_ = false;
  Opened result = Opened::kNot;
  if (!angle) {
    std::strcpy(extended, name);
    if (ctx_.options.IncluderSearch && !IsAbsolute(name)) {
      // The directory of the current file, then of each includer outward.
      const char* file = src.FileName();
      for (SourceFile* r = src.CurrentFile(); r != nullptr && file != nullptr;) {
        result = TryOpen(file, DirectoryLength(file, lookup), name, lookup);
        if (result != Opened::kNot) return result;
        file = r->includerName;
        r = r->below;
        while (r != nullptr && !r->IsFile()) r = r->below;
      }
    }
    result = TryOpen("", 0, name, lookup);
    if (result != Opened::kNot) return result;
    return SearchIncludeDirectories(name, lookup);
  }
  if (IsAbsolute(name) || ctx_.options.AngleSearchMode[0] == 0) {
    result = TryOpen("", 0, name, lookup);
    if (result != Opened::kNot) return result;
  }
  // A name without extension gets ".h", its base name cut to 8 characters.
  std::strcpy(extended, name);
  std::size_t directoryLength = DirectoryLength(extended, lookup);
  const char* base = extended + directoryLength;
  if (std::strchr(base, '.') == nullptr) {
    std::size_t baseLength = std::strlen(base);
    if (baseLength > 8) baseLength = 8;
    std::memcpy(extended + directoryLength + baseLength, ".h", 3);
    standardNames_ = true;
  }
  return SearchIncludeDirectories(extended, lookup);
}

SourceStack::Opened Directives::Search(char* name, bool angle) {
  using Opened = SourceStack::Opened;
  // Every place is tried with the name as written first; only when none has it are the same
  // places tried again, in the same order, with the name read as on Windows. So a file that is
  // found as written is always found the same way.
  char extended[kMaxNameLength + 8];
  Opened result = SearchPlaces(name, angle, platform::NameLookup::kAsWritten, extended);
  if (result == Opened::kNot && platform::ResolvesWindowsNames())
    result = SearchPlaces(name, angle, platform::NameLookup::kWindowsStyle, extended);
  if (result == Opened::kNot) ctx_.diag.ReportError(msg::CannotOpenInclude, extended);
  return result;
}

}  // namespace tpx
