#include "output/output_writer.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "driver/context.h"
#include "source/ident_table.h"
#include "source/scanner.h"
#include "source/source_stack.h"
#include "source/sweep.h"

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
struct Spacing {
  bool wordChar[256] = {};
  bool startsWord[tok::Count] = {};
  bool isNumber[tok::Count] = {};
  Spacing() {
    for (int c = 0; c < 256; ++c) wordChar[c] = IsWordChar(static_cast<unsigned char>(c));
    for (TokenCode t = 0; t < tok::Count; ++t)
      startsWord[t] = IsWordChar(static_cast<unsigned char>(kTokenNames[t][0]));
    isNumber[tok::IntConst] = isNumber[tok::LongConst] = isNumber[tok::FloatConst] = true;
  }
};
const Spacing kSpacing;

// Whether a blank goes before `current`, after `previous` whose text ended with `last`: to keep
// a word from running into the word before it.
bool WordBlank(unsigned char last, TokenCode previous, TokenCode current) {
  // Most tokens written are punctuation, which never starts a word: that is asked first.
  return kSpacing.startsWord[current] && kSpacing.wordChar[last] && !kSpacing.isNumber[previous];
}

}  // namespace

OutputWriter::OutputWriter(RunContext& ctx) : ctx_(ctx), out_(ctx.output) {}

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

void OutputWriter::StartOutputLine() {
  const char* name = ctx_.position.fileName != nullptr ? ctx_.position.fileName : "";
  if (!readable_ && ctx_.options.LineInfo) {
    // The common case: the line break and the marker "/* name N: */" go out as one text,
    // built in a buffer that keeps "\r\n/* name " and the decimal line number between calls.
    if (name != markerName_) {
      std::size_t length = std::strlen(name);
      if (length > sizeof marker_ - 32) length = sizeof marker_ - 32;
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
      lastWritten_ = '/';
      out_.WritePadded(marker_ + skip, length);
      return;
    }
    PutOutputText(marker_ + skip, length);
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
  std::size_t length = std::strlen(name);
  if (length >= sizeof lastMarked_) length = sizeof lastMarked_ - 1;
  std::memcpy(lastMarked_, name, length);
  lastMarked_[length] = 0;
  PutOutputText("#line ", 6);
  PutNumber(line);
  PutOutputText(" \"", 2);
  PutOutputText(name);
  PutOutputText("\"\r\n", 3);
}

void OutputWriter::WriteTokenStream() {
  EnsureOpen();
  Scanner& scanner = ctx_.scanner;
  TokenCode previous = tok::NoToken;
  for (;;) {
    // Plain stretches of the input go out straight from the buffer; the token loop takes the
    // rest, one token at a time.
    TokenCode current = tok::NoToken;
    if (shortcuts_ && !readable_ && out_.IsOpen() && scanner.PlainTokensAllowed())
      previous = WritePlainTokens(previous, current);
    if (current == tok::NoToken) current = scanner.GetToken();
    if (current == tok::EndOfInput) break;
    const Token& token = scanner.Current();
    if (WordBlank(lastWritten_, previous, current)) PutOutputChar(' ');
    switch (current) {
      case tok::Identifier:
        PutOutputText(token.ident->name, token.ident->length);
        break;
      case tok::CharConst:
      case tok::IntConst:
      case tok::LongConst:
        if (scanner.wideChar) {
          PutOutputText("L", 1);
          scanner.wideChar = false;
        }
        PutOutputText(token.spelling, token.spellingLength);
        break;
      case tok::FloatConst:
        PutOutputText(token.spelling, token.spellingLength);
        break;
      case tok::String:
        WriteString();
        break;
      case tok::Asm:
        WriteAsm();
        break;
      case tok::Try:
        if (kPairs.space[previous][current]) PutOutputChar(' ');
        PutOutputText(ctx_.frontEndCpp ? "try" : "__try");
        break;
      default:
        if (kPairs.space[previous][current]) PutOutputChar(' ');
        PutOutputText(kTokenNames[current], kTokenNameLengths.length[current]);
        break;
    }
    previous = current;
  }
}

namespace {

// The bytes after a line break (and the blanks that follow it) that the start of a line treats
// apart from the token loop: more blanks of other kinds, a dropped zero byte or no-expand mark,
// comments, splices and directives.
struct LineStartStops {
  bool stop[256] = {};
  constexpr LineStartStops() {
    for (unsigned char c : {'\v', '\f', '\0', '/', '\\', '#'}) stop[c] = true;
    stop[0xFB] = true;
  }
};
constexpr LineStartStops kLineStartStops;

// The longest name taken straight from the buffer.
constexpr std::size_t kPlainNameLimit = 64;

}  // namespace

TokenCode OutputWriter::WritePlainTokens(TokenCode previous, TokenCode& taken) {
  SourceStack& src = ctx_.source;
  const std::int32_t* values = kCharHash.Values();
  auto limitOfNames = [this]() {
    std::size_t limit = ctx_.scanner.IdentifierLimit();
    return limit < kPlainNameLimit ? limit : kPlainNameLimit;
  };
  std::size_t nameLimit = limitOfNames();
  // The output is open and written as it is (no readable filter) all along: texts go into
  // the buffer directly, with the blanks of the spacing rules. A `padded` text has
  // OutputFile::kShortText readable bytes; when it is no longer than that it is moved in one
  // piece. The last byte written is kept in `last` here, and in lastWritten_ whenever the loop
  // calls out or ends.
  unsigned char last = lastWritten_;
  auto put = [this, &last](TokenCode previous, TokenCode current, const char* text,
                           std::size_t length, bool padded) {
    if (WordBlank(last, previous, current)) out_.Put(' ');
    if (current != tok::Identifier && kPairs.space[previous][current]) out_.Put(' ');
    last = static_cast<unsigned char>(text[length - 1]);
    if (padded && length <= OutputFile::kShortText)
      out_.WriteShort(text, length);
    else
      out_.Write(text, length);
  };
  auto putNamed = [&put](TokenCode previous, TokenCode current) {
    put(previous, current, kPaddedTokenNames.text[current], kTokenNameLengths.length[current],
        true);
  };
  // The cursor is kept here and stored back when the loop ends or the source input needs it.
  const unsigned char* p = src.cursor;
  const unsigned char* end = src.limit;
  // Whether `q` is the end of the segment in hand and that end is the end byte of a macro
  // text: a name or number that reaches it ends there, as in the token loop.
  auto closedByEndByte = [&src, &end](const unsigned char* q) {
    return q == end && src.Top()->kind == SourceFile::kMacroText && *q == 0xFB;
  };
  for (;;) {
    if (p >= end) {
      // The end of a segment. Where macro text only drops its end byte, ends, or goes on with
      // the expansion of an argument that is not pasted, the loop goes on with the next
      // segment or record; anything else (a refill, a pasted parameter, a mark) is for the
      // token loop.
      src.cursor = p;
      if (!ctx_.macros.PassTextEnd()) break;
      p = src.cursor;
      end = src.limit;
      continue;
    }
    unsigned char c = *p;
    int k = kTokenTable[c];
    if (k > 0) {
      // A token of one character.
      TokenCode current = static_cast<TokenCode>(k);
      putNamed(previous, current);
      previous = current;
      ++p;
      continue;
    }
    if (c == ' ' || c == '\t') {
      const unsigned char* q = SkipBlankRun(p + 1, end);
      last = q[-1];
      std::size_t length = static_cast<std::size_t>(q - p);
      if (length <= OutputFile::kShortText && end - p >= 16)
        out_.WriteShort(reinterpret_cast<const char*>(p), length);
      else
        out_.Write(reinterpret_cast<const char*>(p), length);
      p = q;
      continue;
    }
    if (k == cls::Letter || k == cls::WidePrefix) {
      // A name that is not a macro. The token loop takes the rest: names that reach a splice
      // or the end of the buffer, long ones, special ones and wide literals.
      if (end - p < 2) break;
      if (k == cls::WidePrefix && (p[1] == '"' || p[1] == '\'')) break;
      std::size_t length = 1;
      std::uint32_t hash = static_cast<std::uint32_t>(values[c]);
      bool padded = MeasureNameRest(p + 1, end, nameLimit, values, length, hash);
      if (!padded) {
        // Fewer than 16 bytes are readable after some part of the name: it is measured byte
        // by byte. It must end on a byte in hand, or on the end byte of a macro text, which
        // the token loop too takes as the end of a name.
        const unsigned char* q = p + 1;
        hash = static_cast<std::uint32_t>(values[c]);
        while (q < end && values[*q] != 0) hash += static_cast<std::uint32_t>(values[*q++]);
        if (q < end ? *q == '\\' : !closedByEndByte(q)) break;
        length = static_cast<std::size_t>(q - p);
        if (length > nameLimit) break;
      }
      if (length >= 2 && c == '_' && (p[1] == '_' || p[1] == 'W')) break;
      hash -= static_cast<std::uint32_t>(length);
      IdentEntry* entry =
          padded ? ctx_.idents.LookupPadded(reinterpret_cast<const char*>(p), length, hash)
                 : ctx_.idents.Lookup(reinterpret_cast<const char*>(p), length, hash);
      if (entry->IsMacro()) {
        // The scanner takes the name without reading and looking it up again. When it pushes
        // the expansion, the expansion's text is read on here, as the token loop would read
        // it, as long as nothing is held back or marked; otherwise the token loop goes on.
        lastWritten_ = last;
        taken = ctx_.scanner.TakeName(p, length, hash, entry);
        if (taken != tok::NoToken || !ctx_.scanner.PlainTokensAllowed()) return previous;
        last = lastWritten_;
        nameLimit = limitOfNames();
        p = src.cursor;
        end = src.limit;
        continue;
      }
      TokenCode current = entry->keyword != 0 ? entry->keyword : tok::Identifier;
      if (current == tok::Asm || current == tok::Try) break;
      // The name's bytes in the buffer are the entry's spelling.
      if (current == tok::Identifier)
        put(previous, current, reinterpret_cast<const char*>(p), length, end - p >= 16);
      else
        putNamed(previous, current);
      previous = current;
      p += length;
      continue;
    }
    if (k == cls::Digit) {
      // A plain integer constant: its text is its spelling. A pending wide mark would be
      // written before it, so that case goes the long way.
      std::size_t length = Scanner::PlainNumber(p, end);
      if (length == 0 && closedByEndByte(end)) length = Scanner::PlainNumber(p, end, true);
      if (length == 0 || ctx_.scanner.wideChar) break;
      put(previous, tok::IntConst, reinterpret_cast<const char*>(p), length, end - p >= 16);
      previous = tok::IntConst;
      p += length;
      continue;
    }
    if (k == cls::Slash) {
      // A comment is read by the scanner, which may refill the buffer; a slash or "/=" is an
      // operator.
      if (end - p < 3 || p[1] == '\\') break;
      if (p[1] == '*' || (p[1] == '/' && ctx_.scanner.LineCommentsAllowed())) {
        src.cursor = p + 2;
        lastWritten_ = last;
        if (p[1] == '*')
          ctx_.scanner.BlockComment();
        else
          ctx_.scanner.LineComment();
        last = lastWritten_;
        p = src.cursor;
        end = src.limit;
        continue;
      }
      TokenCode current = p[1] == '=' ? tok::SlashAssign : tok::Slash;
      putNamed(previous, current);
      previous = current;
      p += current == tok::Slash ? 1 : 2;
      continue;
    }
    if (k == cls::LineBreak) {
      // A line break, when the next line starts with something the token loop would take as
      // it comes: the break is counted and the blanks after it dropped.
      if (end - p < 2) break;
      const unsigned char* q = SkipBlankRun(p + SourceStack::BreakLength(p), end);
      if (q >= end || kLineStartStops.stop[*q]) break;
      src.cursor = q;
      lastWritten_ = last;
      src.CountLine();
      last = lastWritten_;
      p = q;
      continue;
    }
    // An operator.
    std::size_t length;
    TokenCode current = Scanner::PlainOperator(p, end, ctx_.frontEndCpp, length);
    if (current == tok::NoToken && end - p == 2 && src.Top()->kind == SourceFile::kMacroText &&
        (*end == 0xFB || *end == 0xFC)) {
      // Two bytes before the end of a segment of macro text that ends at its end byte or at a
      // no-expand mark: a third byte would not be '=' or '*', so the two decide.
      current = Scanner::PlainOperator(p, end + 1, ctx_.frontEndCpp, length);
    }
    if (current == tok::NoToken) {
      // 0xFB, the end byte of macro text (put back after a name that ended on it), is a
      // blank that is never written, wherever it comes from; anything else is for the token
      // loop.
      if (c != 0xFB) break;
      ++p;
      continue;
    }
    putNamed(previous, current);
    previous = current;
    p += length;
  }
  src.cursor = p;
  lastWritten_ = last;
  return previous;
}

void OutputWriter::WriteString() {
  Scanner& scanner = ctx_.scanner;
  // A string whose characters come from a stringized argument or a special macro's text.
  bool fromMacro = scanner.macroText != nullptr;
  bool stringized = fromMacro;
  if (scanner.wideString) PutOutputText("L", 1);
  PutOutputChar('"');
  scanner.ResetQuoteTracking();
  auto put = [this](int c) {
    if (c > 0xFF) {
      PutOutputChar((c >> 8) & 0xFF);
      PutOutputChar(c & 0xFF);
    } else {
      PutOutputChar(c);
    }
  };
  for (;;) {
    int c = scanner.StringReaderChar();
    if (c < 0) break;
    if (!fromMacro && (c == '\n' || c == '\r' || c == 0x1A)) {
      // An unescaped line break ends the literal; the break is left for the scanner.
      ctx_.source.Unget();
      ctx_.diag.ReportError(358);
      break;
    }
    if (fromMacro && c == 0x1A) break;
    if (c == '\\') {
      int d = scanner.StringReaderChar();
      if (!fromMacro && (d == '\n' || d == '\r')) {
        ctx_.source.CountNewline(d);
        continue;
      }
      PutOutputChar('\\');
      if (d < 0) {
        if (fromMacro) break;
        // The backslash escaped the closing quote: write it and read on.
        PutOutputChar('"');
        continue;
      }
      if (!fromMacro && d == 0x1A) {
        ctx_.source.Unget();
        ctx_.diag.ReportError(358);
        break;
      }
      c = d;
    }
    if (stringized && c == '"') PutOutputChar('\\');
    put(c);
  }
  PutOutputChar('"');
  scanner.wideString = false;
}

void OutputWriter::WriteAsm() {
  Scanner& scanner = ctx_.scanner;
  SourceStack& src = ctx_.source;
  PutOutputText("asm", 3);
  bool onlyBlanks = true;
  bool inBraces = false;
  for (;;) {
    int c = src.NextByte();
    if (c == 0x1A) {
      src.Unget();
      return;
    }
    if (c == '\n' || c == '\r') {
      int d = src.NextByte();
      bool pair = SourceStack::IsBreakPair(c, d);
      bool goOn = onlyBlanks || inBraces;
      if (pair) {
        PutOutputChar(c);
        src.SetLine(src.Line() + 1);
        if (!goOn) return;
        PutOutputChar(d);
      } else {
        src.Unget();
        src.SetLine(src.Line() + 1);
        if (!goOn) return;
      }
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
  (void)scanner;
}

}  // namespace tpx
