// The table-driven scanner: turns the byte stream of the source stack into tokens, writing the
// white space it skips straight to the output, reading comments, and handing directive lines to
// the directive dispatch and macro names to macro expansion before a caller sees a token.
#pragma once

#include <cstddef>
#include <cstdint>

#include "source/markers.h"
#include "source/source_stack.h"
#include "source/tokens.h"

namespace tpx {

struct RunContext;
class SourceStack;
struct IdentEntry;

// Classes of the class tables: a positive entry is the code of a one-character token; zero or
// a negative entry selects a handler by its negation.
namespace cls {
inline constexpr int Bang = 0;
inline constexpr int Percent = -1;
inline constexpr int Amp = -2;
inline constexpr int Star = -3;
inline constexpr int Plus = -4;
inline constexpr int Slash = -5;
inline constexpr int Caret = -6;
inline constexpr int Bar = -7;
inline constexpr int Equal = -8;
inline constexpr int Blank = -9;
inline constexpr int Letter = -10;
inline constexpr int Digit = -11;
inline constexpr int DoubleQuote = -12;
inline constexpr int SingleQuote = -14;
inline constexpr int Minus = -15;
inline constexpr int Dot = -16;
inline constexpr int Less = -17;
inline constexpr int Illegal = -18;
inline constexpr int Greater = -19;
inline constexpr int LineBreak = -20;
inline constexpr int Backslash = -22;
inline constexpr int EndOfFile = -24;
inline constexpr int BodyOther = -25;
inline constexpr int ArgQuote = -26;
inline constexpr int BodyBackslash = -27;
inline constexpr int BodyHash = -28;
inline constexpr int BodySlash = -29;
inline constexpr int BodyQuote = -30;
inline constexpr int BodyBlank = -32;
inline constexpr int Colon = -33;
inline constexpr int WidePrefix = -34;
}  // namespace cls

// The class tables (token mode, base, #define body), 256 entries each.
extern const signed char* const kTokenTable;
extern const signed char* const kBaseTable;
extern const signed char* const kBodyTable;

// Constant type codes.
namespace ctype {
inline constexpr std::uint8_t Char = 1;
inline constexpr std::uint8_t SignedChar = 2;
inline constexpr std::uint8_t UnsignedChar = 3;
inline constexpr std::uint8_t WChar = 4;
inline constexpr std::uint8_t Short = 5;
inline constexpr std::uint8_t UnsignedShort = 6;
inline constexpr std::uint8_t Int = 7;
inline constexpr std::uint8_t UnsignedInt = 8;
inline constexpr std::uint8_t Long = 9;
inline constexpr std::uint8_t UnsignedLong = 10;
inline constexpr std::uint8_t Int64 = 11;
inline constexpr std::uint8_t UnsignedInt64 = 12;
inline constexpr std::uint8_t Float = 13;
inline constexpr std::uint8_t Double = 14;
inline constexpr std::uint8_t LongDouble = 15;
}  // namespace ctype

struct Token {
  TokenCode code = tok::NoToken;
  std::uint32_t line = 0;            // line where the token began
  const char* file = nullptr;        // file where the token began
  IdentEntry* ident = nullptr;       // identifiers and keywords
  const char* spelling = nullptr;    // numbers and character constants: the text as scanned
  std::uint32_t spellingLength = 0;  // its length (a character constant may hold zero bytes)
  std::uint32_t value = 0;           // tokens 54 and 55
  std::uint8_t type = 0;             // constant type code
  std::uint8_t explicitSize = 0;
  std::uint64_t value64 = 0;   // token 56
  long double floatValue = 0;  // token 57
};

class Scanner {
 public:
  static constexpr std::size_t kTextBufferSize = 16384;

  explicit Scanner(RunContext& ctx);

  // Per input file: tables, buffers, flags and the reader state.
  void Initialise();
  // Rebuilds the lead-byte table for the code page in force.
  void RebuildLeadBytes();

  // The token interface: next token (from the save slot when it is full), push-back of the
  // current token, and a look at the next one.
  TokenCode GetToken() {
    if (slot_.code != tok::NoToken) return TakeSavedToken();
    return Scan();
  }
  void UngetToken();
  TokenCode PeekToken();
  const Token& Current() const { return token_; }
  Token& Current() { return token_; }

  // The first byte after blanks, comments and splices, consumed (line breaks are returned).
  int SkipBlanks();

  // Raw byte access for the directive and macro layers (a backslash held back by an operator
  // is delivered first).
  int ReadByte() {
    if (pendingBackslash_) return TakePendingBackslash();
    heldDelivered_ = false;
    return src_.NextByte();
  }
  void UnreadByte();
  bool BackslashPending() const { return pendingBackslash_; }

  // The token text buffer.
  char* Text() { return text_; }
  std::size_t TextPosition() const { return textPos_; }
  void SetTextPosition(std::size_t position) { textPos_ = position; }
  void AppendByte(int c) {
    if (textPos_ < kTextBufferSize - 1)
      text_[textPos_++] = static_cast<char>(c);
    else
      textOverflow_ = true;
  }
  // Whether an append found the buffer full since the overflow was last taken.
  bool TextOverflowed() const { return textOverflow_; }
  // True (once) when an append found the buffer full since the last call.
  bool TakeTextOverflow() {
    bool overflow = textOverflow_;
    textOverflow_ = false;
    return overflow;
  }
  void AppendEscaped(int c) {
    if (c >= 0x80 && c != mark::kEndByte) AppendByte(mark::kEscape);
    AppendByte(c);
  }
  // A source byte kept in a stored text: a #define body, a macro argument, a directive line
  // read with expansion. Each is read back up to its first zero byte, so a zero byte stored
  // in one would end it early (a body would lose the guard against the macro's own name, an
  // argument would run on into the rest of the file): it is reported as an illegal character
  // and stored as a blank.
  void AppendStoredByte(int c) {
    if (c == 0) {
      ReportIllegal(0);
      c = ' ';
    }
    AppendEscaped(c);
  }

  // Comments (called right after "/*" or "//" was read).
  void BlockComment();
  void LineComment();
  // Called after a '/': reads the comment it opens and returns true, or puts the next byte
  // back and returns false. A line splice between the slash and the star (or the second
  // slash) is passed over, as everywhere a comment can open.
  bool CommentAfterSlash() {
    int n = NextAfterSplice();
    if (n == '*') {
      BlockComment();
      return true;
    }
    if (n == '/' && LineCommentsAllowed()) {
      LineComment();
      return true;
    }
    PutBack(n);
    return false;
  }
  bool LineCommentsAllowed() const;
  bool KeepComments() const;

  // The body of the string that stringizes `text` (the raw text of an argument), to `emit`
  // (called with each byte): every double quote gets a backslash before it; inside a string or
  // character literal of the argument a backslash is doubled and the character after it
  // belongs to the literal. The marks of macro text are dropped, escaped bytes taken as they
  // are, and a two-byte character passed whole. The special names' values go through it with
  // `argument` false: only their double quotes get a backslash.
  template <class Emit>
  void StringizeBody(const unsigned char* text, bool argument, Emit emit) const;

  // Copy literal: copies the rest of a literal (opening quote already read) to `emit`.
  using EmitByte = void (*)(void* owner, int c);
  int CopyLiteral(int quote, EmitByte emit, void* owner, bool report);
  // The next character of a literal, escapes decoded when the terminator is a single quote;
  // -1 at the terminator.
  int ReadLiteralChar(int terminator);

  bool IsLeadByte(int c) const { return leadBytes_[c & 0xFF]; }
  // The lead-byte table, or null when the code page has no lead bytes.
  const bool* LeadBytesOrNull() const { return anyLeadByte_ ? leadBytes_ : nullptr; }

  // Reads an identifier starting with `first` into the token text buffer at the write position
  // (which does not move) without looking it up; returns its spelling.
  const char* ReadIdentifier(int first);
  std::size_t IdentifierLength() const { return identLength_; }
  std::uint32_t IdentifierHash() const { return identHash_; }
  // How many bytes of `text` (which starts with a digit, or a point and a digit) the number
  // scanner takes as one number, messages aside; `type`, when given, receives the number's type
  // code and explicit size (in its high bits), so that two readings can be told apart.
  std::size_t NumberLength(const char* text, std::size_t size, std::uint8_t* type = nullptr);
  // Copies a number's spelling into the token text buffer, advancing the write position.
  // `afterPoint`: the point before `first` is already in the buffer, so the number is a
  // floating one (a suffix f belongs to it).
  void CopyNumber(int first, bool afterPoint = false);
  // The #define body reader: copies the body into the token text buffer and returns only
  // identifiers (52, spelling at the write position) and the end of the line (10, left unread).
  void BeginBody(std::size_t start) { bodyStart_ = start; }
  TokenCode ScanBody();

  // The state that macro expansion, the directive layer and the output writer share with the
  // scanner.
  //
  // Directive-line mode: a line break ends the token stream with the end-of-line token.
  bool InDirectiveLine() const { return directiveLine_; }
  void SetDirectiveLine(bool on) { directiveLine_ = on; }
  // Sets directive-line mode for its lifetime and puts the previous mode back after it.
  class DirectiveLineScope {
   public:
    DirectiveLineScope(Scanner& scanner, bool on)
        : scanner_(scanner), saved_(scanner.directiveLine_) {
      scanner.directiveLine_ = on;
    }
    ~DirectiveLineScope() { scanner_.directiveLine_ = saved_; }
    DirectiveLineScope(const DirectiveLineScope&) = delete;
    DirectiveLineScope& operator=(const DirectiveLineScope&) = delete;

   private:
    Scanner& scanner_;
    bool saved_;
  };
  // The no-expand mark (set by a mark in macro text) keeps the next identifier from being
  // expanded; the paste flag (set by ##) says the identifier being completed was pasted, so
  // the mark does not apply to it.
  void MarkNoExpand() { noExpand_ = true; }
  void MarkPasted() { paste_ = true; }
  // The token a paste completed has ended (it was no name, or a name already read): the paste
  // flag must not reach the next name.
  void EndPaste() { paste_ = false; }
  bool NoExpandPending() const { return noExpand_; }
  // Clears the no-expand mark; true when it was set.
  bool TakeNoExpand() {
    // Read before written: most bytes find the mark clear, and then nothing is stored.
    if (!noExpand_) return false;
    noExpand_ = false;
    return true;
  }
  // Clears both flags; true when the identifier they apply to stays unexpanded.
  bool TakeExpansionMarks() {
    bool marked = noExpand_ && !paste_;
    noExpand_ = paste_ = false;
    return marked;
  }
  // The stringize source: when set, the characters of the next string literal come from this
  // text instead of the input: a stringized argument (`argument` true), or the value of one of
  // the special names __FILE__, __DATE__ and __TIME__, which keeps its spelling.
  void SetStringizeSource(const unsigned char* text, bool argument) {
    macroText_ = text;
    stringizedArgument_ = argument;
  }
  bool StringizingArgument() const { return stringizedArgument_; }
  const unsigned char* StringizeSource() const { return macroText_; }
  // Takes the stringize source away (null when none is set).
  const unsigned char* TakeStringizeSource() {
    const unsigned char* text = macroText_;
    macroText_ = nullptr;
    return text;
  }
  // The wide flags: set by an `L` prefix on the last character constant or string literal,
  // cleared when the writer has written the `L`.
  bool WideCharPending() const { return wideChar_; }
  bool TakeWideChar() {
    if (!wideChar_) return false;
    wideChar_ = false;
    return true;
  }
  bool TakeWideString() {
    if (!wideString_) return false;
    wideString_ = false;
    return true;
  }
  const signed char* table = kTokenTable;

  // Reports an illegal character (with its trail byte when it is a lead byte).
  void ReportIllegal(int c);

  // The plain-token shortcut of the token loop (source/plain_tokens.h): hands the plain tokens
  // at the cursor to `sink` until one needs the token loop. Returns NoToken, or the token that
  // the token loop made of a macro name that was not expanded (it is the current token then).
  template <class Sink>
  TokenCode ScanPlainTokens(Sink& sink);

  // Whether the bytes at the cursor may be taken as plain tokens straight from the buffer, the
  // way the token loop would take them: there is a record to read, nothing is held back or
  // saved, the token table is in force outside a directive line, no mark of the last token is
  // pending, and blanks at the start of a line are dropped. (A segment of macro text holds no
  // special byte: those end it, and the token loop takes them.)
  bool PlainTokensAllowed() const {
    return slot_.code == tok::NoToken && !pendingBackslash_ && table == kTokenTable &&
           !directiveLine_ && !noExpand_ && !paste_ && redispatch_ < 0 && src_.Top() != nullptr &&
           !KeepComments();
  }
  // The longest name kept whole (at the current write position of the token text buffer).
  std::size_t IdentifierLimit() const {
    std::size_t room = kTextBufferSize - 1 - textPos_;
    return identLimit_ < room ? identLimit_ : room;
  }
  // Takes the name of `length` bytes at `name`, in the current record's buffer, as the next
  // token the way the token loop reads one: `hash` is its hash and `entry` its entry, looked up
  // by the caller. The name must not be one of the special names (those starting "__" or "_W").
  // The result is the token code, or NoToken when the name was a macro and its expansion has
  // been pushed; reading then goes on with GetToken.
  TokenCode TakeName(const unsigned char* name, std::size_t length, std::uint32_t hash,
                     IdentEntry* entry);
  // The operator token that starts at `p` (before `end`), the way the token loop reads it, when
  // its bytes alone decide it: no backslash among them, no comment, number or ellipsis, and all
  // its bytes before `end`. Gives its code and sets `length`; NoToken when it cannot tell.
  static TokenCode PlainOperator(const unsigned char* p, const unsigned char* end, bool cpp,
                                 std::size_t& length);
  // The length of the integer constant that starts at `p` when it is plain: "0", at most nine
  // decimal digits not starting with 0, or "0x" or "0X" and one to eight hexadecimal digits,
  // followed before `end` by a byte that does not continue a number. Such a constant is never
  // long and never too large, whatever its digits, and its text is its spelling. 0 when it is
  // not plain. With `endCloses`, `end` itself ends a number (the end byte of a macro text).
  static std::size_t PlainNumber(const unsigned char* p, const unsigned char* end,
                                 bool endCloses = false);

 private:
  TokenCode Scan();
  TokenCode TakeSavedToken();
  TokenCode Dispatch(int c);
  int LineStart();
  int SkipSpace(bool lineStart);
  int NextAfterSplice();
  TokenCode OperatorGroup(int first);
  TokenCode OtherOperator(int c);
  TokenCode Identifier(int first);
  // Ends the spelling read into `start` and records its length and hash (the sum of its bytes'
  // values, before the length is taken off).
  const char* FinishIdentifier(char* start, std::size_t length, std::uint32_t hash);
  TokenCode IdentifierResult(const char* spelling, std::size_t length, IdentEntry* entry);
  TokenCode DefinedOperator();
  int NextAfterIdentifier();
  void UnreadHeld(int c);
  void PutBack(int c);
  int ReadCommentByte(bool keep);
  void SkipBlockComment(std::uint32_t startLine, bool nested);
  void ReadBlockComment(bool keep);
  int TakePendingBackslash() {
    pendingBackslash_ = false;
    heldDelivered_ = true;
    return '\\';
  }
  // The number scanner, over any source of bytes with NextByte and Unget: the source input, or
  // a text in memory (NumberLength). `report` says whether the messages of the number's form
  // are reported (token mode).
  template <typename Bytes, typename Append>
  int ReadNumber(Bytes& in, int first, bool report, Append& append, std::uint8_t& type,
                 std::uint8_t& explicitSize);
  template <typename Bytes, typename Append>
  void ScanSizeSuffix(Bytes& in, bool isUnsigned, bool report, std::uint8_t& type,
                      std::uint8_t& explicitSize, Append& append);
  template <typename Bytes, typename Append>
  bool ScanIntegerSuffix(Bytes& in, int c, bool report, std::uint8_t& type,
                         std::uint8_t& explicitSize, Append& append);
  bool ScanPlainDecimal(char* start, std::size_t room, bool tokenMode);
  TokenCode Number(int first);
  TokenCode CharConstant();
  void Begin();
  bool IsLineBreak(int c) const { return c == '\n' || c == '\r'; }

  // Numbers and literals.
  int ScanNumber(int first, bool afterPoint = false);
  TokenCode NumberValue(int radix);
  int ReadEscape();

  RunContext& ctx_;
  SourceStack& src_;
  Token token_;
  Token slot_;
  char text_[kTextBufferSize];
  std::size_t textPos_ = 0;
  bool pendingBackslash_ = false;
  bool heldDelivered_ = false;
  bool textOverflow_ = false;
  int redispatch_ = -1;
  std::size_t identLength_ = 0;
  std::uint32_t identHash_ = 0;
  std::size_t bodyStart_ = 0;
  bool leadBytes_[256] = {};
  bool anyLeadByte_ = false;  // whether the code page has lead bytes at all
  unsigned identLimit_ = 250;
  bool directiveLine_ = false;
  bool noExpand_ = false;
  bool paste_ = false;
  bool wideChar_ = false;
  bool wideString_ = false;
  const unsigned char* macroText_ = nullptr;
  bool stringizedArgument_ = false;
  // A copy of the run's shortcut switch, read for every name and number.
  bool shortcuts_ = true;
};

// The operators of one and two bytes, by their first byte, for PlainOperator: `row` numbers
// the bytes that start an operator (0 for the others), `alone` is the code of the first byte
// alone, and `pair` the code of the two-byte operator its second byte makes, 0 when it makes
// none and kUndecided when the bytes alone cannot tell (a point before a digit or a point).
struct OperatorPairs {
  static constexpr unsigned char kUndecided = 0xFF;
  static constexpr int kRows = 14;
  unsigned char row[256];
  unsigned char alone[kRows];
  unsigned char pair[kRows][256];
};
extern const OperatorPairs kOperatorPairs;

inline TokenCode Scanner::PlainOperator(const unsigned char* p, const unsigned char* end, bool cpp,
                                        std::size_t& length) {
  // Up to three bytes decide an operator; a backslash among them may be a splice.
  unsigned r = kOperatorPairs.row[p[0]];
  if (r == 0 || end - p < 3 || p[1] == '\\' || p[2] == '\\') return tok::NoToken;
  TokenCode code = kOperatorPairs.pair[r][p[1]];
  if (code == 0) {
    length = 1;
    return kOperatorPairs.alone[r];
  }
  if (code == OperatorPairs::kUndecided) return tok::NoToken;
  length = 2;
  if (code == tok::Shl || code == tok::Shr) {
    if (p[2] == '=') {
      length = 3;
      return code == tok::Shl ? tok::ShlAssign : tok::ShrAssign;
    }
  } else if (code == tok::Arrow && cpp && p[2] == '*') {
    length = 3;
    return tok::ArrowStar;
  }
  return code;
}

template <class Emit>
void Scanner::StringizeBody(const unsigned char* text, bool argument, Emit emit) const {
  int quote = 0;         // the quote of the argument's literal the text is in, 0 outside one
  bool escaped = false;  // the character is the one after a backslash inside a literal
  for (const unsigned char* p = text; *p != 0 && *p != mark::kEndOfInput; ++p) {
    int c = *p;
    if (c == mark::kEndByte || c == mark::kNoExpand) continue;
    bool literalByte = false;
    if (c == mark::kEscape) {
      if (p[1] == 0) break;
      c = *++p;
      literalByte = true;
    }
    if (IsLeadByte(c)) {
      // The trail byte goes with its lead byte, whatever it is.
      emit(c);
      const unsigned char* q = p + 1;
      while (*q == mark::kEndByte || *q == mark::kNoExpand) ++q;
      if (*q == mark::kEscape && q[1] != 0) ++q;
      if (*q != 0 && *q != mark::kEndOfInput) {
        emit(*q);
        p = q;
      }
      escaped = false;
      continue;
    }
    if (literalByte) {
      emit(c);
      escaped = false;
      continue;
    }
    const bool inLiteral = argument && quote != 0;
    if (argument && !escaped && (c == '"' || c == '\'')) {
      if (quote == 0)
        quote = c;
      else if (quote == c)
        quote = 0;
    }
    if (c == '"') emit('\\');
    if (c == '\\' && inLiteral) emit('\\');
    emit(c);
    escaped = c == '\\' && inLiteral && !escaped;
  }
}

}  // namespace tpx
