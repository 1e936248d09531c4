#include "output/output_writer.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "diagnostics/diagnostics.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "output/output_file.h"
#include "source/ident_table.h"
#include "source/markers.h"
#include "source/plain_tokens.h"
#include "source/scanner.h"
#include "source/source_stack.h"

namespace tpx {

namespace {

bool IsWordChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The pairs of tokens that are written with a blank between them.
struct PairTable {
  bool space[tok::Count][tok::Count] = {};
  constexpr void Add(TokenCode previous, std::initializer_list<TokenCode> current) {
    for (TokenCode c : current) space[previous][c] = true;
  }
  constexpr PairTable() {
    for (TokenCode p :
         {tok::Assign, tok::Plus, tok::Minus, tok::Star, tok::Slash, tok::Percent, tok::Amp,
          tok::Bar, tok::Caret, tok::Shl, tok::Shr, tok::Less, tok::Greater, tok::Not})
      Add(p, {tok::Assign, tok::Equal});
    Add(tok::Plus, {tok::PlusAssign, tok::Plus, tok::PlusPlus});
    Add(tok::Minus, {tok::MinusAssign, tok::ShrAssign, tok::Minus, tok::Shr, tok::ArrowStar,
                     tok::Greater, tok::GreaterEqual, tok::MinusMinus, tok::Arrow});
    Add(tok::Dot, {tok::StarAssign, tok::Star});
    Add(tok::Arrow, {tok::StarAssign, tok::Star});
    Add(tok::Dot, {tok::Ellipsis});
    Add(tok::Amp, {tok::AmpAssign, tok::Amp, tok::AndAnd});
    Add(tok::Bar, {tok::BarAssign, tok::Bar, tok::OrOr});
    Add(tok::Less, {tok::ShlAssign, tok::Shl, tok::Less, tok::LessEqual});
    Add(tok::Greater, {tok::ShrAssign, tok::Shr, tok::Greater, tok::GreaterEqual});
    Add(tok::Colon, {tok::Colon, tok::ColonColon});
  }
};

constexpr PairTable kPairs;

struct TokenNameLengths {
  std::uint8_t length[tok::Count];
  TokenNameLengths() {
    for (TokenCode t = 0; t < tok::Count; ++t)
      length[t] = static_cast<std::uint8_t>(std::strlen(kTokenNames[t]));
  }
};
const TokenNameLengths kTokenNameLengths;

// The token names again, each in a slot of its own that can be read 16 bytes at a time.
struct PaddedTokenNames {
  char text[tok::Count][2 * OutputFile::kShortText] = {};
  PaddedTokenNames() {
    for (TokenCode t = 0; t < tok::Count; ++t) {
      std::size_t length = std::strlen(kTokenNames[t]);
      if (length >= sizeof text[t]) length = sizeof text[t] - 1;
      std::memcpy(text[t], kTokenNames[t], length);
    }
  }
};
const PaddedTokenNames kPaddedTokenNames;

// What the separating blank before words looks at, as tables: word characters, the tokens
// whose spelling in the name table starts with one, and the numeric constants.
// `mayJoin` marks the tokens whose text the next token's text can continue in ways that the
// two rules above do not see: a slash (a comment opener), a point, and the numbers.
struct Spacing {
  bool wordChar[256] = {};
  bool startsWord[tok::Count] = {};
  bool isNumber[tok::Count] = {};
  bool mayJoin[tok::Count] = {};
  Spacing() {
    for (int c = 0; c < 256; ++c) wordChar[c] = IsWordChar(static_cast<unsigned char>(c));
    for (TokenCode t = 0; t < tok::Count; ++t)
      startsWord[t] = IsWordChar(static_cast<unsigned char>(kTokenNames[t][0]));
    isNumber[tok::IntConst] = isNumber[tok::LongConst] = isNumber[tok::FloatConst] = true;
    mayJoin[tok::Slash] = mayJoin[tok::Dot] = true;
    mayJoin[tok::IntConst] = mayJoin[tok::LongConst] = mayJoin[tok::FloatConst] = true;
  }
};
const Spacing kSpacing;

// The blank of the written rules: whether a blank goes before `current`, after `previous`
// whose text ended with `last`. A word does not run into the word before it, and the pairs of
// the pair table are kept apart.
bool RuleBlank(unsigned char last, TokenCode previous, TokenCode current) {
  // Most tokens written are punctuation, which never starts a word: that is asked first.
  if (kSpacing.startsWord[current]) return kSpacing.wordChar[last] && !kSpacing.isNumber[previous];
  return kPairs.space[previous][current];
}

}  // namespace

OutputWriter::OutputWriter(RunContext& ctx) : ctx_(ctx), out_(ctx.output) {}

// The spacing rule. A blank goes before a token where the written rules put one, and also where
// the two texts would otherwise run together into other tokens when the output is read again:
// a slash before a star (or before a slash where line comments are read), a point before a
// digit or a point, and a number before text that continues it. `head` is the start of the
// token's text as it is written, `L` first for a wide literal.
inline bool OutputWriter::BlankBefore(unsigned char last, TokenCode previous, TokenCode current,
                                      const char* head, std::size_t length) {
  if (RuleBlank(last, previous, current)) return true;
  return kSpacing.mayJoin[previous] && RunsTogether(last, previous, head, length);
}

// Whether the text `head` of the next token, written right after the last byte `last`, would be
// read together with the previous token. Only the previous token's own text can join it: a
// blank, a line marker or a comment written after the token keeps them apart. The questions
// that settle most pairs are inline; the re-reading of a number is not.
inline bool OutputWriter::RunsTogether(unsigned char last, TokenCode previous, const char* head,
                                       std::size_t length) {
  if (length == 0) return false;
  const unsigned char first = static_cast<unsigned char>(head[0]);
  if (previous == tok::Slash)
    return last == '/' && (first == '*' || (first == '/' && ctx_.scanner.LineCommentsAllowed()));
  if (previous == tok::Dot) return last == '.' && (first == '.' || (first >= '0' && first <= '9'));
  // A number: only a word character or a point can continue it, and only right after it.
  if (!(kSpacing.wordChar[first] || first == '.')) return false;
  if (lastNumberLength_ == 0 || last != lastNumberEnd_) return false;
  return ContinuesNumber(head, length);
}

// Whether the last number, read again with the text `head` after it, would end elsewhere or be
// another kind of number. (A character constant of several characters is a number too; nothing
// joins it.)
bool OutputWriter::ContinuesNumber(const char* head, std::size_t length) {
  const unsigned char start = static_cast<unsigned char>(lastNumber_[0]);
  if (!(start == '.' || (start >= '0' && start <= '9'))) return false;
  // A number too long to keep is kept apart from anything that could continue it.
  if (lastNumberLength_ > kKeptNumber) return true;
  char joined[kKeptNumber + kJoinedHead];
  std::size_t take = length < kJoinedHead ? length : kJoinedHead;
  std::memcpy(joined, lastNumber_, lastNumberLength_);
  std::memcpy(joined + lastNumberLength_, head, take);
  Scanner& scanner = ctx_.scanner;
  std::uint8_t alone = 0, together = 0;
  scanner.NumberLength(lastNumber_, lastNumberLength_, &alone);
  std::size_t taken = scanner.NumberLength(joined, lastNumberLength_ + take, &together);
  return taken != lastNumberLength_ || together != alone;
}

inline void OutputWriter::RememberNumber(const char* text, std::size_t length, bool padded) {
  lastNumberLength_ = length;
  lastNumberEnd_ = length != 0 ? static_cast<unsigned char>(text[length - 1]) : 0;
  // Most numbers are short: a copy of a fixed size, with no call, takes them whole (the bytes
  // after the number's own are copied too and never read).
  if (padded && length <= OutputFile::kShortText)
    std::memcpy(lastNumber_, text, OutputFile::kShortText);
  else
    std::memcpy(lastNumber_, text, length < kKeptNumber ? length : kKeptNumber);
}

void OutputWriter::EnsureOpen() {
  if (ctx_.optionPhase < 2) out_.Open();
}

void OutputWriter::OnOpened() {
  markerName_ = nullptr;
  markerNext_ = -1;
  lastWritten_ = '\n';
  heldBlanks_ = 0;
  column_ = 0;
  readable_ = (ctx_.options.OutputFlags & kReadableOutput) != 0;
  shortcuts_ = ctx_.shortcuts;
  // The per-file block pool gave back the pending-string buffer with the last file.
  pending_ = nullptr;
  pendingLength_ = pendingCapacity_ = 0;
}

void OutputWriter::PutReadable(int c) {
  if (c == '\n' || c == '\r') column_ = 0;
  if (lastWritten_ == '\r' && c == '\r') return;
  if (lastWritten_ == '\n') {
    if (c == '\n' || c == '\r') {
      heldBlanks_ = 0;
      return;
    }
    if (c == ' ' || c == '\t') {
      ++heldBlanks_;
      return;
    }
  }
  column_ += heldBlanks_ + 1;
  if (heldBlanks_ != 0) {
    std::uint32_t blanks = heldBlanks_;
    heldBlanks_ = 0;
    lastWritten_ = 0;
    while (blanks-- != 0) PutReadable(' ');
  }
  lastWritten_ = static_cast<unsigned char>(c);
  out_.Put(static_cast<char>(c));
}

void OutputWriter::PutOutputText(const char* s) { PutOutputText(s, std::strlen(s)); }

void OutputWriter::PutReadableText(const char* s, std::size_t length) {
  if (length == 0) return;
  if (column_ > kWrapColumn) {
    PutOutputChar('\r');
    PutOutputChar('\n');
    PutOutputChar('\t');
  }
  if (!out_.IsConsole()) {
    for (std::size_t i = 0; i < length; ++i) PutOutputChar(static_cast<unsigned char>(s[i]));
    return;
  }
  if (readable_) column_ += static_cast<std::uint32_t>(length) + heldBlanks_;
  for (; heldBlanks_ != 0; --heldBlanks_) out_.Put(' ');
  lastWritten_ = static_cast<unsigned char>(s[length - 1]);
  out_.Write(s, length);
}

void OutputWriter::PutNumber(std::uint32_t n) {
  char digits[12];
  int i = 0;
  do {
    digits[i++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n != 0);
  char text[12];
  for (int j = 0; j < i; ++j) text[j] = digits[i - 1 - j];
  PutOutputText(text, static_cast<std::size_t>(i));
}

// A marker whose file name does not fit the marker buffer: written in pieces, every time.
void OutputWriter::WriteLongMarker(const char* name, std::size_t length) {
  markerName_ = nullptr;
  markerNext_ = -1;
  std::size_t skip = lineStart_ ? 2 : 0;
  heldBlanks_ = 0;
  lineStart_ = false;
  static const char kOpening[] = "\r\n/* ";
  PutOutputText(kOpening + skip, sizeof kOpening - 1 - skip);
  PutOutputText(name, length);
  PutOutputText(" ", 1);
  PutNumber(ctx_.source.Line());
  PutOutputText(": */", 4);
  lastWritten_ = kAfterMarker;
}

void OutputWriter::StartOutputLine() {
  const char* name = ctx_.position.fileName != nullptr ? ctx_.position.fileName : "";
  if (!readable_ && ctx_.options.LineInfo) {
    // The common case: the line break and the marker "/* name N: */" go out as one text,
    // built in a buffer that keeps "\r\n/* name " and the decimal line number between calls.
    if (name != markerName_) {
      std::size_t length = std::strlen(name);
      if (length > kMarkerNameRoom) {
        WriteLongMarker(name, length);
        return;
      }
      std::memcpy(marker_, "\r\n/* ", 5);
      std::memcpy(marker_ + 5, name, length);
      marker_[5 + length] = ' ';
      markerPrefix_ = 6 + length;
      markerName_ = name;
      markerNext_ = -1;
      markerDigits_ = 0;
    }
    std::uint32_t line = ctx_.source.Line();
    char* digits = marker_ + markerPrefix_;
    if (std::int64_t{line} == markerNext_ && shortcuts_) {
      // Count up in place.
      int i = static_cast<int>(markerDigits_) - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        std::memmove(digits + 1, digits, markerDigits_);
        digits[0] = '1';
        ++markerDigits_;
      }
    } else {
      char reversed[10];
      std::uint32_t n = line;
      unsigned count = 0;
      do {
        reversed[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
      } while (n != 0);
      for (unsigned k = 0; k < count; ++k) digits[k] = reversed[count - 1 - k];
      markerDigits_ = count;
    }
    markerNext_ = std::int64_t{line} + 1;
    std::memcpy(digits + markerDigits_, ": */", 4);
    std::size_t skip = lineStart_ ? 2 : 0;
    heldBlanks_ = 0;
    lineStart_ = false;
    std::size_t length = markerPrefix_ + markerDigits_ + 4 - skip;
    if (out_.IsOpen()) {
      // The marker buffer is far longer than the padded span, so a short marker can be copied
      // in one piece.
      lastWritten_ = kAfterMarker;
      out_.WritePadded(marker_ + skip, length);
      return;
    }
    PutOutputText(marker_ + skip, length);
    lastWritten_ = kAfterMarker;
    return;
  }
  if (!lineStart_) {
    if (!(readable_ && lastWritten_ == '\n')) {
      PutOutputChar('\r');
      PutOutputChar('\n');
    }
    heldBlanks_ = 0;
  }
  lineStart_ = false;
  if (readable_ || ctx_.options.LineInfo) return;
  std::uint32_t line = ctx_.source.Line();
  if (std::strcmp(name, lastMarked_) == 0) return;
  // File names are copies that stay put for the whole input file.
  lastMarked_ = name;
  PutOutputText("#line ", 6);
  PutNumber(line);
  PutOutputText(" \"", 2);
  PutOutputText(name);
  PutOutputText("\"\r\n", 3);
}

// The sink of the plain-token shortcut (Scanner::ScanPlainTokens): writes each token with the
// spacing rule, straight into the output buffer, with the last byte written and the previous
// token kept in locals while the scanner reads on.
struct OutputWriter::PlainSink {
  OutputWriter& writer;
  OutputFile& out;
  unsigned char last;
  TokenCode previous;

  // Inline in the token loop: a call per token would cost as much as the writing.
  [[gnu::always_inline]] void Token(TokenCode current) {
    Text(current, kPaddedTokenNames.text[current], kTokenNameLengths.length[current], true);
  }
  [[gnu::always_inline]] void Text(TokenCode current, const char* text, std::size_t length,
                                   bool padded) {
    if (writer.BlankBefore(last, previous, current, text, length)) out.Put(' ');
    if (current == tok::IntConst) writer.RememberNumber(text, length, padded);
    previous = current;
    last = static_cast<unsigned char>(text[length - 1]);
    if (padded)
      out.WriteShort(text, length);
    else
      out.Write(text, length);
  }
  void Blanks(const char* text, std::size_t length, bool padded) {
    last = static_cast<unsigned char>(text[length - 1]);
    if (padded)
      out.WriteShort(text, length);
    else
      out.Write(text, length);
  }
  void Suspend() { writer.lastWritten_ = last; }
  void Resume() { last = writer.lastWritten_; }
};

void OutputWriter::WriteTokenStream() {
  EnsureOpen();
  Scanner& scanner = ctx_.scanner;
  TokenCode previous = tok::NoToken;
  for (;;) {
    // Plain stretches of the input go out straight from the buffer; the token loop takes the
    // rest, one token at a time.
    TokenCode current = tok::NoToken;
    if (shortcuts_ && !readable_ && out_.IsOpen() && scanner.PlainTokensAllowed()) {
      PlainSink sink{*this, out_, lastWritten_, previous};
      current = scanner.ScanPlainTokens(sink);
      previous = sink.previous;
    }
    if (current == tok::NoToken) current = scanner.GetToken();
    if (current == tok::EndOfInput) break;
    const Token& token = scanner.Current();
    switch (current) {
      case tok::Identifier:
        if (BlankBefore(lastWritten_, previous, current, token.ident->name, token.ident->length))
          PutOutputChar(' ');
        PutOutputText(token.ident->name, token.ident->length);
        break;
      case tok::CharConst:
      case tok::IntConst:
      case tok::LongConst:
      case tok::FloatConst: {
        const bool wide = current != tok::FloatConst && scanner.TakeWideChar();
        if (wide ? BlankBefore(lastWritten_, previous, current, "L", 1)
                 : BlankBefore(lastWritten_, previous, current, token.spelling,
                               token.spellingLength))
          PutOutputChar(' ');
        if (wide) PutOutputText("L", 1);
        PutOutputText(token.spelling, token.spellingLength);
        if (current != tok::CharConst) RememberNumber(token.spelling, token.spellingLength, false);
        break;
      }
      case tok::String:
        WriteString(previous);
        break;
      case kw::Asm:
        if (BlankBefore(lastWritten_, previous, current, "asm", 3)) PutOutputChar(' ');
        WriteAsm();
        break;
      case kw::Try: {
        const char* spelling = ctx_.frontEndCpp ? "try" : "__try";
        if (BlankBefore(lastWritten_, previous, current, spelling, std::strlen(spelling)))
          PutOutputChar(' ');
        PutOutputText(spelling);
        break;
      }
      default:
        if (BlankBefore(lastWritten_, previous, current, kTokenNames[current],
                        kTokenNameLengths.length[current]))
          PutOutputChar(' ');
        PutOutputText(kTokenNames[current], kTokenNameLengths.length[current]);
        break;
    }
    previous = current;
  }
}

void OutputWriter::KeepPending(int c) {
  if (pendingLength_ == pendingCapacity_) {
    // The buffer lives in the per-file block pool; it doubles when it is full.
    std::size_t capacity = pendingCapacity_ == 0 ? 256 : 2 * pendingCapacity_;
    auto* grown = static_cast<char*>(ctx_.memory.blocks.Allocate(capacity));
    if (pendingLength_ != 0) std::memcpy(grown, pending_, pendingLength_);
    ctx_.memory.blocks.Free(pending_);
    pending_ = grown;
    pendingCapacity_ = capacity;
  }
  pending_[pendingLength_++] = static_cast<char>(c);
}

void OutputWriter::WriteString(TokenCode previous) {
  Scanner& scanner = ctx_.scanner;
  const bool wide = scanner.TakeWideString();
  // The blank before the literal, its prefix and its opening quote.
  auto open = [&]() {
    if (BlankBefore(lastWritten_, previous, tok::String, wide ? "L" : "\"", 1)) PutOutputChar(' ');
    if (wide) PutOutputText("L", 1);
    PutOutputChar('"');
  };
  if (scanner.StringizeSource() != nullptr) {
    // A stringized argument or a special name's value: its body is made from that text.
    open();
    const bool argument = scanner.StringizingArgument();
    const unsigned char* text = scanner.TakeStringizeSource();
    scanner.StringizeBody(text, argument, [this](int c) { PutOutputChar(c); });
    PutOutputChar('"');
    return;
  }
  // A literal of the source. Its body is read whole before anything of it is written: a splice
  // inside it counts its line break (and writes that line's marker) first, so the literal goes
  // out whole on the output line of the source line where it ends.
  pendingLength_ = 0;
  auto keep = [this](int c) {
    if (c > 0xFF) KeepPending((c >> 8) & 0xFF);
    KeepPending(c & 0xFF);
  };
  bool unterminated = false;
  for (;;) {
    int c = scanner.ReadLiteralChar('"');
    if (c < 0) break;
    if (c == '\n' || c == '\r' || c == mark::kEndOfInput) {
      // An unescaped line break ends the literal; the break is left for the scanner.
      ctx_.source.Unget();
      unterminated = true;
      break;
    }
    if (c == '\\') {
      int d = scanner.ReadLiteralChar('"');
      if (d == '\n' || d == '\r') {
        ctx_.source.CountNewline(d);
        continue;
      }
      keep('\\');
      if (d < 0) {
        // The backslash escaped the closing quote: it is part of the body, and reading goes on.
        keep('"');
        continue;
      }
      if (d == mark::kEndOfInput) {
        ctx_.source.Unget();
        unterminated = true;
        break;
      }
      c = d;
    }
    keep(c);
  }
  open();
  PutOutputText(pending_, pendingLength_);
  // The report comes after the text read so far, before the quote that closes the literal.
  if (unterminated) ctx_.diag.ReportError(msg::UnterminatedLiteral);
  PutOutputChar('"');
}

// The raw copy after `asm`: source characters go to the output as they are, without expansion,
// up to the end of the statement. A line break ends the copy unless only blanks came so far or
// a brace block is open; one that ends it is left for the token loop, which counts it and reads
// the next line from its start (a directive there is recognised), and one inside the copy is
// counted there, with its marker. The marks of macro text are never written.
void OutputWriter::WriteAsm() {
  SourceStack& src = ctx_.source;
  PutOutputText("asm", 3);
  bool onlyBlanks = true;
  bool inBraces = false;
  for (;;) {
    int c = src.NextByte();
    if (c == mark::kEndOfInput) {
      src.Unget();
      return;
    }
    if (c == mark::kEndByte || c == mark::kNoExpand) continue;
    if (c == '\n' || c == '\r') {
      if (!(onlyBlanks || inBraces)) {
        src.Unget();
        return;
      }
      src.CountNewline(c);
      continue;
    }
    if (c == '{') {
      if (inBraces) {
        PutOutputChar(c);
        return;
      }
      if (onlyBlanks) {
        inBraces = true;
        onlyBlanks = false;
      }
    } else if (c == '}' && inBraces) {
      PutOutputChar(c);
      return;
    } else if (c != ' ' && c != '\t') {
      onlyBlanks = false;
    }
    PutOutputChar(c);
  }
}

}  // namespace tpx
