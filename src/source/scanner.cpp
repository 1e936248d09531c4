#include "source/scanner.h"

#include <cstring>
#include <initializer_list>

#include "diagnostics/diagnostics.h"
#include "directives/directives.h"
#include "directives/macros.h"
#include "options/run_context.h"
#include "output/output_writer.h"
#include "platform/platform.h"
#include "source/count_line.h"
#include "source/ident_table.h"
#include "source/markers.h"
#include "source/source_stack.h"
#include "source/sweep.h"

namespace tpx {

namespace {

struct TableBuilder {
  signed char t[256];
  // Letters and '_' start identifiers; digits start numbers.
  constexpr void MarkWordCharacters() {
    for (int c = 'A'; c <= 'Z'; ++c) t[c] = cls::Letter;
    for (int c = 'a'; c <= 'z'; ++c) t[c] = cls::Letter;
    t['_'] = cls::Letter;
    for (int c = '0'; c <= '9'; ++c) t[c] = cls::Digit;
  }
};

constexpr TableBuilder BuildSourceTable(bool lIsPrefix) {
  TableBuilder b{};
  for (int i = 0; i < 256; ++i) b.t[i] = static_cast<signed char>(cls::Illegal);
  const char* ones = "()[]{};,?~";
  const signed char codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 32, 45};
  for (int i = 0; ones[i] != 0; ++i) b.t[static_cast<unsigned char>(ones[i])] = codes[i];
  b.t['!'] = cls::Bang;
  b.t['%'] = cls::Percent;
  b.t['&'] = cls::Amp;
  b.t['*'] = cls::Star;
  b.t['+'] = cls::Plus;
  b.t['/'] = cls::Slash;
  b.t['^'] = cls::Caret;
  b.t['|'] = cls::Bar;
  b.t['='] = cls::Equal;
  b.t['\t'] = b.t['\v'] = b.t['\f'] = b.t[' '] = b.t[mark::kEndByte] = cls::Blank;
  b.MarkWordCharacters();
  if (lIsPrefix) b.t['L'] = cls::WidePrefix;
  b.t['"'] = cls::DoubleQuote;
  b.t['\''] = cls::SingleQuote;
  b.t['-'] = cls::Minus;
  b.t['.'] = cls::Dot;
  b.t['<'] = cls::Less;
  b.t['>'] = cls::Greater;
  b.t['\n'] = b.t['\r'] = cls::LineBreak;
  b.t['\\'] = cls::Backslash;
  b.t[mark::kEndOfInput] = cls::EndOfFile;
  b.t[':'] = cls::Colon;
  return b;
}

constexpr TableBuilder BuildBodyTable() {
  TableBuilder b{};
  for (int i = 0; i < 256; ++i) b.t[i] = static_cast<signed char>(cls::BodyOther);
  b.MarkWordCharacters();
  b.t['L'] = cls::WidePrefix;
  // A zero byte is a blank in a body (reported where it is read, see AppendStoredByte).
  b.t['\t'] = b.t['\v'] = b.t['\f'] = b.t[' '] = b.t[0] = cls::BodyBlank;
  b.t['\n'] = b.t['\r'] = cls::LineBreak;
  b.t[mark::kEndOfInput] = cls::EndOfFile;
  b.t['"'] = b.t['\''] = cls::BodyQuote;
  b.t['#'] = cls::BodyHash;
  b.t['/'] = cls::BodySlash;
  b.t['\\'] = cls::BodyBackslash;
  return b;
}

constexpr TableBuilder kTokenTableData = BuildSourceTable(true);
constexpr TableBuilder kBaseTableData = BuildSourceTable(false);
constexpr TableBuilder kBodyTableData = BuildBodyTable();

// Operator group: the code alone, followed by '=', and doubled (0: no doubled form).
struct OperatorForms {
  unsigned char alone, withEqual, doubled;
};
constexpr OperatorForms OperatorFormsOf(int c) {
  switch (c) {
    case '!':
      return {44, 39, 0};
    case '%':
      return {26, 16, 0};
    case '&':
      return {27, 17, 35};
    case '*':
      return {24, 14, 0};
    case '+':
      return {22, 12, 47};
    case '/':
      return {25, 15, 0};
    case '^':
      return {29, 19, 0};
    case '|':
      return {28, 18, 34};
    default:
      return {11, 38, 38};  // '='
  }
}

// The bytes that end a sweep over ordinary comment text: for nested block comments '*', '/',
// line breaks and the end of input; for line comments line breaks, backslash and the end of
// input. Block comments that do not nest have a sweep of their own (SweepFlatComment).
constexpr StopSet<5> kBlockStops{{'*', '/', '\n', '\r', mark::kEndOfInput}};
constexpr StopSet<4> kLineStops{{'\n', '\r', '\\', mark::kEndOfInput}};

// A byte returned by NextAfterSplice when a backslash not followed by a line break was
// consumed; the byte after it has been put back.
constexpr int kHeldBackslash = 0x100 | '\\';

}  // namespace

const signed char* const kTokenTable = kTokenTableData.t;
const signed char* const kBaseTable = kBaseTableData.t;
const signed char* const kBodyTable = kBodyTableData.t;

Scanner::Scanner(RunContext& ctx) : ctx_(ctx), src_(ctx.source) {}

void Scanner::Initialise() {
  table = kTokenTable;
  textPos_ = 0;
  text_[0] = 0;
  unsigned limit = ctx_.scannerIdentifierLength;
  if (limit == 0 || (ctx_.frontEndCpp && ctx_.options.LanguageMode == 1)) limit = 250;
  identLimit_ = limit;
  shortcuts_ = ctx_.shortcuts;
  src_.Reset();
  token_ = Token{};
  slot_ = Token{};
  wideChar_ = wideString_ = directiveLine_ = noExpand_ = paste_ = false;
  pendingBackslash_ = false;
  macroText_ = nullptr;
  ctx_.writer.SetLineStart();
}

void Scanner::RebuildLeadBytes() {
  platform::LeadByteTable(ctx_.options.CodePage, leadBytes_);
  anyLeadByte_ = false;
  for (bool lead : leadBytes_) anyLeadByte_ = anyLeadByte_ || lead;
}

bool Scanner::KeepComments() const {
  return (ctx_.options.OutputFlags & (kKeepComments | kReadableOutput)) != 0;
}

bool Scanner::LineCommentsAllowed() const {
  return ctx_.frontEndCpp || ctx_.options.LanguageMode == 0;
}

// A token starts: where it began, and no wide flag yet (a wide literal sets its own; the flags
// of a token that was not written, such as one read by #if, go with it). A paste that
// completed the token before it ends with that token.
void Scanner::Begin() {
  token_.line = src_.Line();
  token_.file = ctx_.position.fileName;
  wideChar_ = wideString_ = false;
  paste_ = false;
}

// ---------------------------------------------------------------------------------------------
// The token interface.

TokenCode Scanner::TakeSavedToken() {
  token_ = slot_;
  slot_.code = tok::NoToken;
  return token_.code;
}

void Scanner::UngetToken() { slot_ = token_; }

TokenCode Scanner::PeekToken() {
  if (slot_.code != tok::NoToken) return slot_.code;
  Token saved = token_;
  Scan();
  slot_ = token_;
  token_.code = saved.code;
  token_.line = saved.line;
  token_.file = saved.file;
  return slot_.code;
}

void Scanner::UnreadByte() {
  if (heldDelivered_) {
    pendingBackslash_ = true;
    heldDelivered_ = false;
  } else {
    src_.Unget();
  }
}

int Scanner::NextAfterSplice() {
  int c = src_.NextByte();
  while (c == '\\') {
    int n = src_.NextByte();
    if (!IsLineBreak(n)) {
      src_.Unget();
      return kHeldBackslash;
    }
    src_.CountNewline(n);
    c = src_.NextByte();
  }
  return c;
}

void Scanner::PutBack(int c) {
  if (c == kHeldBackslash)
    pendingBackslash_ = true;
  else
    src_.Unget();
}

// ---------------------------------------------------------------------------------------------
// The token loop.

TokenCode Scanner::Scan() {
  int c;
  if (pendingBackslash_) {
    pendingBackslash_ = false;
    c = '\\';
  } else {
    c = src_.NextByte();
  }
  for (;;) {
    int k = table[c];
    if (k > 0) {
      Begin();
      token_.code = static_cast<TokenCode>(k);
      return token_.code;
    }
    switch (k) {
      case cls::Blank: {
        if (c == mark::kEndByte) {
          c = src_.NextByte();
          continue;
        }
        // A run of blanks goes to the output in one piece.
        const unsigned char* run = src_.cursor - 1;
        const unsigned char* end = SkipBlankRun(src_.cursor, src_.limit);
        src_.cursor = end;
        // A directive line never reaches the output as text: its blanks are dropped.
        if (!directiveLine_)
          ctx_.writer.PutBlanks(reinterpret_cast<const char*>(run),
                                static_cast<std::size_t>(end - run));
        c = src_.NextByte();
        continue;
      }

      case cls::LineBreak:
        if (directiveLine_) {
          Begin();
          token_.code = tok::EndOfLine;
          return tok::EndOfLine;
        }
        src_.CountNewline(c);
        c = LineStart();
        if (c == '#') {
          ctx_.directives.ReadDirective(Directives::Reading::kProcess);
          c = ReadByte();
        }
        continue;

      case cls::EndOfFile:
        if (src_.EndOfFile(false) == 0) {
          Begin();
          token_.code = tok::EndOfInput;
          return tok::EndOfInput;
        }
        c = src_.NextByte();
        continue;

      case cls::Bang:
      case cls::Percent:
      case cls::Amp:
      case cls::Star:
      case cls::Plus:
      case cls::Caret:
      case cls::Bar:
      case cls::Equal:
        return OperatorGroup(c);

      case cls::Slash: {
        Begin();
        int n = NextAfterSplice();
        if (n == '*') {
          BlockComment();
          c = ReadByte();
          continue;
        }
        if (n == '/' && LineCommentsAllowed()) {
          LineComment();
          c = ReadByte();
          continue;
        }
        if (n == '=') return token_.code = tok::SlashAssign;
        PutBack(n);
        return token_.code = tok::Slash;
      }

      case cls::Letter:
        if (TokenCode t = Identifier(c); t != tok::NoToken) return t;
        c = NextAfterIdentifier();
        continue;

      case cls::Digit:
        return Number(c);

      case cls::DoubleQuote:
        Begin();
        return token_.code = tok::String;

      case cls::SingleQuote:
        Begin();
        return CharConstant();

      case cls::WidePrefix: {
        Begin();
        int n = src_.NextByte();
        // A literal follows: a no-expand mark before the L (an argument marks it as a name that
        // is no macro) ends with it, as with a name, and is not left for the next name.
        if (n == '"' || n == '\'') TakeExpansionMarks();
        if (n == '"') {
          wideString_ = true;
          return token_.code = tok::String;
        }
        if (n == '\'') {
          wideChar_ = true;
          return CharConstant();
        }
        src_.Unget();
        if (TokenCode t = Identifier(c); t != tok::NoToken) return t;
        c = NextAfterIdentifier();
        continue;
      }

      case cls::Minus:
      case cls::Dot:
      case cls::Less:
      case cls::Greater:
      case cls::Colon:
        return OtherOperator(c);

      case cls::Backslash: {
        if (KeepComments()) ctx_.writer.PutOutputChar('\\');
        int n = src_.NextByte();
        if (IsLineBreak(n)) {
          src_.CountNewline(n);
          c = src_.NextByte();
          continue;
        }
        if (n == '?') {
          Begin();
          return token_.code = tok::Question;
        }
        src_.Unget();
        ReportIllegal('\\');
        c = src_.NextByte();
        continue;
      }

      default:  // illegal character
        ReportIllegal(c);
        c = src_.NextByte();
        continue;
    }
  }
}

// The operators that start with '-', '.', '<', '>' or ':' (no splice between their bytes); a
// '.' before a digit starts a number.
TokenCode Scanner::OtherOperator(int c) {
  Begin();
  int n = src_.NextByte();
  switch (c) {
    case '-':
      if (n == '-') return token_.code = tok::MinusMinus;
      if (n == '=') return token_.code = tok::MinusAssign;
      if (n == '>') {
        if (ctx_.frontEndCpp) {
          if (src_.NextByte() == '*') return token_.code = tok::ArrowStar;
          src_.Unget();
        }
        return token_.code = tok::Arrow;
      }
      src_.Unget();
      return token_.code = tok::Minus;
    case '.':
      if (n >= '0' && n <= '9') {
        src_.Unget();
        return Number('.');
      }
      if (n == '.') {
        if (src_.NextByte() == '.') return token_.code = tok::Ellipsis;
        ctx_.diag.ReportError(msg::TwoDots);
        src_.Unget();
        return token_.code = tok::Dot;
      }
      if (n == '*') return token_.code = tok::DotStar;
      src_.Unget();
      return token_.code = tok::Dot;
    case '<':
    case '>': {
      bool less = c == '<';
      if (n == '=') return token_.code = less ? tok::LessEqual : tok::GreaterEqual;
      if (n == c) {
        if (src_.NextByte() == '=') return token_.code = less ? tok::ShlAssign : tok::ShrAssign;
        src_.Unget();
        return token_.code = less ? tok::Shl : tok::Shr;
      }
      src_.Unget();
      return token_.code = less ? tok::Less : tok::Greater;
    }
    default:  // ':'
      if (n == ':') return token_.code = tok::ColonColon;
      src_.Unget();
      return token_.code = tok::Colon;
  }
}

TokenCode Scanner::OperatorGroup(int first) {
  Begin();
  OperatorForms forms = OperatorFormsOf(first);
  int n = NextAfterSplice();
  TokenCode code;
  if (forms.doubled != 0 && n == first) {
    code = forms.doubled;
  } else if (n == '=') {
    code = forms.withEqual;
  } else {
    PutBack(n);
    code = forms.alone;
  }
  return token_.code = code;
}

namespace {
constexpr OperatorPairs MakeOperatorPairs() {
  OperatorPairs t{};
  int rows = 0;
  auto row = [&t, &rows](unsigned char c, TokenCode alone) {
    t.row[c] = static_cast<unsigned char>(++rows);
    t.alone[rows] = alone;
    return t.pair[rows];
  };
  for (unsigned char c : {'!', '%', '&', '*', '+', '^', '|', '='}) {
    OperatorForms forms = OperatorFormsOf(c);
    unsigned char* pair = row(c, forms.alone);
    pair['='] = forms.withEqual;
    if (forms.doubled != 0) pair[c] = forms.doubled;
  }
  unsigned char* minus = row('-', tok::Minus);
  minus['-'] = tok::MinusMinus;
  minus['='] = tok::MinusAssign;
  minus['>'] = tok::Arrow;
  unsigned char* less = row('<', tok::Less);
  less['='] = tok::LessEqual;
  less['<'] = tok::Shl;
  unsigned char* greater = row('>', tok::Greater);
  greater['='] = tok::GreaterEqual;
  greater['>'] = tok::Shr;
  row(':', tok::Colon)[':'] = tok::ColonColon;
  // A point before a digit starts a number, and two points an ellipsis (or an error).
  unsigned char* dot = row('.', tok::Dot);
  for (int d = '0'; d <= '9'; ++d) dot[d] = OperatorPairs::kUndecided;
  dot['.'] = OperatorPairs::kUndecided;
  dot['*'] = tok::DotStar;
  return t;
}
}  // namespace

constexpr OperatorPairs kOperatorPairs = MakeOperatorPairs();

// Skips the blanks, comments and splices at the start of a line and returns the first other
// byte, consumed. The blanks are written only when comments are kept; zero bytes are dropped.
int Scanner::LineStart() { return SkipSpace(true); }

int Scanner::SkipBlanks() { return SkipSpace(false); }

int Scanner::SkipSpace(bool lineStart) {
  bool keep = lineStart && KeepComments();
  for (;;) {
    int c = lineStart ? src_.NextByte() : ReadByte();
    switch (c) {
      case ' ':
      case '\t':
      case '\v':
      case '\f':
        if (keep) {
          ctx_.writer.PutOutputChar(c);
        } else {
          src_.cursor = SkipBlankRun(src_.cursor, src_.limit);
        }
        continue;
      case mark::kEndByte:
        continue;
      case 0:
        if (lineStart) continue;
        return c;
      case '/': {
        int n = NextAfterSplice();
        if (n == '*') {
          BlockComment();
          continue;
        }
        if (n == '/' && LineCommentsAllowed()) {
          LineComment();
          continue;
        }
        // The byte after the slash has been read: the slash is delivered again from a text of
        // its own, so that the caller can still put it back (one byte of push-back is all the
        // source input keeps, and the byte read after it may have come from a refill).
        static const char kSlash[] = "/";
        static const char kSlashBackslash[] = "/\\";
        if (n == kHeldBackslash) {
          src_.PushText(kSlashBackslash);
        } else {
          PutBack(n);
          src_.PushText(kSlash);
        }
        return src_.NextByte();
      }
      case '\\': {
        int n = src_.NextByte();
        if (IsLineBreak(n)) {
          src_.CountNewline(n);
          continue;
        }
        src_.Unget();
        // Put back by the caller, the backslash is held rather than read again from the source,
        // for the same reason.
        if (!lineStart) heldDelivered_ = true;
        return '\\';
      }
      default:
        return c;
    }
  }
}

void Scanner::ReportIllegal(int c) {
  char text[3] = {static_cast<char>(c), 0, 0};
  unsigned code = static_cast<unsigned>(c);
  if (IsLeadByte(c)) {
    // A line break or the end of input is never taken as a trail byte: it would be lost.
    int t = src_.NextByte();
    if (t == '\n' || t == '\r' || t == mark::kEndOfInput) {
      src_.Unget();
    } else {
      text[1] = static_cast<char>(t);
      code = code * 256 + static_cast<unsigned>(t);
    }
  }
  ctx_.diag.ReportError(msg::IllegalCharacter, text, code);
}

// ---------------------------------------------------------------------------------------------
// Identifiers.

TokenCode Scanner::Identifier(int first) {
  Begin();
  const char* start = ReadIdentifier(first);
  if (table == kBodyTable) return token_.code = tok::Identifier;
  return IdentifierResult(start, identLength_, ctx_.idents.Lookup(start, identLength_, identHash_));
}

TokenCode Scanner::TakeName(const unsigned char* name, std::size_t length, std::uint32_t hash,
                            IdentEntry* entry) {
  src_.cursor = name + length;
  Begin();
  char* start = text_ + textPos_;
  std::memcpy(start, name, length);
  start[length] = 0;
  token_.spelling = start;
  identLength_ = length;
  identHash_ = hash;
  return IdentifierResult(start, length, entry);
}

const char* Scanner::ReadIdentifier(int first) {
  const std::int32_t* values = kCharHash.Values();
  char* start = text_ + textPos_;
  std::size_t max = IdentifierLimit();
  std::size_t length = 0;
  std::uint32_t hash = 0;
  if (max > 0) {
    start[length++] = static_cast<char>(first);
    hash = static_cast<std::uint32_t>(values[first]);
    // Most names lie inside the buffer: they are measured in blocks and copied in one move.
    std::size_t whole = length;
    std::uint32_t sum = hash;
    if (shortcuts_ && MeasureNameRest(src_.cursor, src_.limit, max, values, whole, sum)) {
      std::memcpy(start + 1, src_.cursor, whole - 1);
      src_.cursor += whole - 1;
      return FinishIdentifier(start, whole, sum);
    }
  }
  for (;;) {
    const unsigned char* cur = src_.cursor;
    const unsigned char* lim = src_.limit;
    while (cur < lim) {
      unsigned char b = *cur;
      std::int32_t h = values[b];
      if (h == 0) break;
      ++cur;
      if (length < max) {
        start[length++] = static_cast<char>(b);
        hash += static_cast<std::uint32_t>(h);
      }
    }
    src_.cursor = cur;
    // Most identifiers end inside the buffer on a byte that is not a backslash.
    if (cur < lim && *cur != '\\') break;
    int b = src_.NextByte();
    if (values[b] != 0) {
      if (length < max) {
        start[length++] = static_cast<char>(b);
        hash += static_cast<std::uint32_t>(values[b]);
      }
      continue;
    }
    if (b == '\\') {
      int n = src_.NextByte();
      if (IsLineBreak(n)) {
        src_.CountNewline(n);
        continue;
      }
      src_.Unget();
      pendingBackslash_ = true;
      break;
    }
    src_.Unget();
    break;
  }
  return FinishIdentifier(start, length, hash);
}

const char* Scanner::FinishIdentifier(char* start, std::size_t length, std::uint32_t hash) {
  start[length] = 0;
  token_.spelling = start;
  identLength_ = length;
  identHash_ = hash - static_cast<std::uint32_t>(length);
  return start;
}

int Scanner::NextAfterIdentifier() {
  if (redispatch_ >= 0) {
    int c = redispatch_;
    redispatch_ = -1;
    return c;
  }
  return ReadByte();
}

TokenCode Scanner::IdentifierResult(const char* spelling, std::size_t length, IdentEntry* entry) {
  token_.ident = entry;
  bool marked = TakeExpansionMarks();
  if (!marked) {
    if (StartsSpecialName(spelling, length)) {
      ctx_.writer.EnsureOpen();
      int number = ctx_.macros.SpecialNumber(spelling, length);
      if (number != 0) {
        redispatch_ = ctx_.macros.SpecialMacroValue(number);
        return tok::NoToken;
      }
    }
    if (directiveLine_ && length == 7 && std::memcmp(spelling, "defined", 7) == 0)
      return DefinedOperator();
    if (entry->IsMacro() && ctx_.macros.Expand(entry)) return tok::NoToken;
  }
  if (table != kTokenTable) return token_.code = tok::Identifier;
  if (entry->keyword != 0 && !(directiveLine_ && ctx_.options.LanguageMode == 1))
    return token_.code = entry->keyword;
  return token_.code = tok::Identifier;
}

TokenCode Scanner::DefinedOperator() {
  bool defined = false;
  int c = SkipBlanks();
  bool parenthesised = c == '(';
  if (parenthesised) c = SkipBlanks();
  if (c < 0x100 && kBaseTable[c] == cls::Letter) {
    ReadIdentifier(c);
    defined = ctx_.macros.IsDefinedForOperator(token_.spelling, identLength_, identHash_);
    if (parenthesised) {
      c = SkipBlanks();
      if (c != ')') {
        ctx_.diag.ReportError(msg::ExpressionSyntax);
        UnreadHeld(c);
      }
    }
  } else {
    ctx_.diag.ReportError(msg::ExpressionSyntax);
    UnreadHeld(c);
  }
  return Number(defined ? '1' : '0');
}

void Scanner::UnreadHeld(int c) {
  if (c == kHeldBackslash || c == '\\')
    UnreadByte();
  else
    src_.Unget();
}

// ---------------------------------------------------------------------------------------------
// Comments.

int Scanner::ReadCommentByte(bool keep) {
  int c = src_.NextByte();
  if (keep && c != '\n' && c != '\r') ctx_.writer.PutOutputChar(c);
  return c;
}

void Scanner::BlockComment() {
  bool keep = KeepComments();
  if (!keep && shortcuts_) {
    SkipBlockComment(src_.Line(), ctx_.options.NestedComments != 0);
    return;
  }
  ReadBlockComment(keep);
  if (keep) ctx_.writer.EndOfComment();
}

// The block comment, byte by byte; written to the output as it is read when `keep`.
void Scanner::ReadBlockComment(bool keep) {
  std::uint32_t startLine = src_.Line();
  int depth = 1;
  bool nested = ctx_.options.NestedComments != 0;
  if (keep) {
    ctx_.writer.PutOutputChar('/');
    ctx_.writer.PutOutputChar('*');
  }
  int c = ReadCommentByte(keep);
  for (;;) {
    switch (c) {
      case '\n':
      case '\r':
        src_.CountNewline(c);
        c = ReadCommentByte(keep);
        continue;
      case mark::kEndOfInput:
        ctx_.diag.ReportError(msg::EndOfFileInComment, static_cast<int>(startLine));
        return;
      case '*': {
        int d = ReadCommentByte(keep);
        while (d == '\\') {
          int e = ReadCommentByte(keep);
          if (e != '\n' && e != '\r') {
            d = e;
            break;
          }
          src_.CountNewline(e);
          d = ReadCommentByte(keep);
        }
        if (d == '/') {
          if (--depth == 0) return;
          c = ReadCommentByte(keep);
        } else {
          c = d;
        }
        continue;
      }
      case '/':
        if (nested) {
          int d = ReadCommentByte(keep);
          if (d == '*') {
            ++depth;
            c = ReadCommentByte(keep);
          } else {
            c = d;
          }
          continue;
        }
        c = ReadCommentByte(keep);
        continue;
      default:
        c = ReadCommentByte(keep);
        continue;
    }
  }
}

// A block comment that is not written anywhere: ordinary bytes are passed over in sweeps of
// the buffer and only the bytes that can end it or count a line are looked at. The position is
// kept in a local and stored back whenever the source input is called.
void Scanner::SkipBlockComment(std::uint32_t startLine, bool nested) {
  int depth = 1;
  const unsigned char* p = src_.cursor;
  const unsigned char* end = src_.limit;
  // Takes the position back after the source input has moved it.
  auto reload = [&]() {
    p = src_.cursor;
    end = src_.limit;
  };
  for (;;) {
    p = nested ? SweepTo(p, end, kBlockStops) : SweepFlatComment(p, end);
    if (p == end) {
      // Refill, then look at that byte again.
      src_.cursor = p;
      src_.NextByte();
      src_.Unget();
      reload();
      continue;
    }
    unsigned char b = *p;
    if (b == '\n' || b == '\r') {
      // The second byte of a CR LF or LF CR pair is taken here when it is in the buffer.
      if (p + 1 < end) {
        p += SourceStack::BreakLength(p);
        src_.cursor = p;
        src_.CountLine();
      } else {
        src_.cursor = p + 1;
        src_.CountNewline(b);
        reload();
      }
      continue;
    }
    if (b == mark::kEndOfInput) {
      src_.cursor = p + 1;
      ctx_.diag.ReportError(msg::EndOfFileInComment, static_cast<int>(startLine));
      return;
    }
    if (b == '*') {
      // A run of stars: only the byte after the last one can end the comment. Inside the
      // buffer that byte is looked at here; a splice or the end of the buffer go byte by byte.
      const unsigned char* q = p + 1;
      while (q < end && *q == '*') ++q;
      if (q < end && *q != '\\') {
        p = q;
        if (*q == '/') {
          p = q + 1;
          if (--depth == 0) {
            src_.cursor = p;
            return;
          }
        }
        continue;
      }
      src_.cursor = q;
      int d;
      do {
        d = src_.NextByte();
        while (d == '\\') {
          int e = src_.NextByte();
          if (e != '\n' && e != '\r') {
            d = e;
            break;
          }
          src_.CountNewline(e);
          d = src_.NextByte();
        }
      } while (d == '*');
      if (d == '/') {
        if (--depth == 0) return;
      } else {
        src_.Unget();
      }
      reload();
      continue;
    }
    // '/' in a comment that nests.
    src_.cursor = p + 1;
    if (src_.NextByte() == '*')
      ++depth;
    else
      src_.Unget();
    reload();
  }
}

void Scanner::LineComment() {
  std::uint32_t startLine = src_.Line();
  for (;;) {
    // Ordinary bytes (not a line break, backslash, end of input or lead byte) are passed over
    // in one sweep of the buffer.
    src_.cursor = SweepTo(src_.cursor, src_.limit, kLineStops, LeadBytesOrNull());
    int c = src_.NextByte();
    if (IsLeadByte(c)) {
      // The trail byte goes with its lead byte; a line break or the end of input never does.
      int t = src_.NextByte();
      if (t == '\n' || t == '\r' || t == mark::kEndOfInput) src_.Unget();
      continue;
    }
    if (c == '\n' || c == '\r') {
      src_.Unget();
      return;
    }
    if (c == mark::kEndOfInput) {
      ctx_.diag.ReportError(msg::EndOfFileInComment, static_cast<int>(startLine));
      return;
    }
    if (c == '\\') {
      int n = src_.NextByte();
      if (n == '\n' || n == '\r') {
        ctx_.diag.ReportWarning(msg::ContinuationInLineComment);
        src_.CountNewline(n);
      } else {
        src_.Unget();
      }
    }
  }
}

}  // namespace tpx

namespace tpx {

// The body of a function-like #define, read with the body table.
TokenCode Scanner::ScanBody() {
  auto endsInSpace = [this]() { return textPos_ > bodyStart_ && text_[textPos_ - 1] == ' '; };
  for (;;) {
    int c = ReadByte();
    switch (kBodyTable[c]) {
      case cls::Letter:
        Begin();
        ReadIdentifier(c);
        return token_.code = tok::Identifier;
      case cls::WidePrefix: {
        int n = src_.NextByte();
        if (n == '"' || n == '\'') {
          AppendByte('L');
          if (CopyLiteral(
                  n, [](void* owner, int b) { static_cast<Scanner*>(owner)->AppendStoredByte(b); },
                  this, false) == 0)
            return token_.code = tok::EndOfLine;
          continue;
        }
        src_.Unget();
        Begin();
        ReadIdentifier(c);
        return token_.code = tok::Identifier;
      }
      case cls::Digit:
        // After a point the digits are a floating constant's (".5f": the f is its suffix).
        ScanNumber(c, textPos_ > bodyStart_ && text_[textPos_ - 1] == '.');
        continue;
      case cls::BodyBlank:
        if (c == 0) ReportIllegal(0);
        if (!endsInSpace()) AppendByte(' ');
        continue;
      case cls::LineBreak:
      case cls::EndOfFile:
        UnreadByte();
        return token_.code = tok::EndOfLine;
      case cls::BodyQuote:
        if (CopyLiteral(
                c, [](void* owner, int b) { static_cast<Scanner*>(owner)->AppendStoredByte(b); },
                this, false) == 0)
          return token_.code = tok::EndOfLine;
        continue;
      case cls::BodyHash: {
        int n = src_.NextByte();
        if (n == '#') {
          while (textPos_ > bodyStart_ && text_[textPos_ - 1] == ' ') --textPos_;
          AppendByte(mark::kPaste);
        } else {
          src_.Unget();
          AppendByte(mark::kStringize);
        }
        int b = src_.NextByte();
        while (b == ' ' || b == '\t') b = src_.NextByte();
        src_.Unget();
        continue;
      }
      case cls::BodySlash: {
        int n = NextAfterSplice();
        if (n == '*') {
          BlockComment();
          if (!endsInSpace()) AppendByte(' ');
          continue;
        }
        if (n == '/' && LineCommentsAllowed()) {
          LineComment();
          if (!endsInSpace()) AppendByte(' ');
          continue;
        }
        PutBack(n);
        AppendByte('/');
        continue;
      }
      case cls::BodyBackslash: {
        int n = src_.NextByte();
        if (n == '\n' || n == '\r') {
          src_.CountNewline(n);
          continue;
        }
        src_.Unget();
        AppendByte('\\');
        continue;
      }
      default:
        AppendEscaped(c);
        continue;
    }
  }
}

}  // namespace tpx
