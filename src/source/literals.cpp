// Numbers, character constants and string literals: the parts of the scanner that read and
// convert constants.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "diagnostics/diagnostics.h"
#include "options/run_context.h"
#include "platform/platform.h"
#include "source/markers.h"
#include "source/scanner.h"
#include "source/source_stack.h"

namespace tpx {

namespace {

bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(int c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int HexValue(int c) { return IsDigit(c) ? c - '0' : (c | 0x20) - 87; }

// The bytes that can continue a number after its digits: more digits, a point, an exponent or
// a suffix letter (any letter, so the careful path decides), or a backslash.
struct NumberContinues {
  bool table[256] = {};
  constexpr NumberContinues() {
    for (int c = '0'; c <= '9'; ++c) table[c] = true;
    for (int c = 'a'; c <= 'z'; ++c) table[c] = true;
    for (int c = 'A'; c <= 'Z'; ++c) table[c] = true;
    table['.'] = table['_'] = table['\\'] = true;
    for (int c = 0x80; c < 0x100; ++c) table[c] = true;
  }
};
constexpr NumberContinues kNumberContinues;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Numbers.

void Scanner::CopyNumber(int first, bool afterPoint) {
  const signed char* saved = table;
  if (table == kTokenTable) table = kBodyTable;
  ScanNumber(first, afterPoint);
  table = saved;
}

TokenCode Scanner::Number(int first) {
  Begin();
  noExpand_ = paste_ = false;
  int radix = ScanNumber(first);
  // A mark met inside the number (where a pasted text begins) ends with it.
  noExpand_ = paste_ = false;
  return NumberValue(radix);
}

std::size_t Scanner::PlainNumber(const unsigned char* p, const unsigned char* end, bool endCloses) {
  constexpr std::size_t kMostDigits = 9;     // below 2^31: never long, never too large
  constexpr std::size_t kMostHexDigits = 8;  // below 2^32: never long, never too large
  std::size_t length = 1;
  if (*p != '0') {
    while (length <= kMostDigits && p + length < end && IsDigit(p[length])) ++length;
    if (length > kMostDigits) return 0;
  } else if (p + 1 < end && (p[1] | 0x20) == 'x') {
    length = 2;
    while (length < 2 + kMostHexDigits && p + length < end && IsHexDigit(p[length])) ++length;
    if (length == 2) return 0;
  }
  if (p + length >= end) return endCloses && p + length == end ? length : 0;
  if (kNumberContinues.table[p[length]]) return 0;
  return length;
}

// The plain-decimal shortcut of the number scanner: a number that starts with 1 to 9 and whose
// decimal digits end inside the buffer on a byte that cannot continue a number is copied in one
// move (its spelling into `start`, which has `room` bytes) and is an int. False, having taken
// nothing, for every other number: ScanNumber reads those byte by byte. Inline in ScanNumber:
// most numbers of a source take this way.
[[gnu::always_inline]] inline bool Scanner::ScanPlainDecimal(char* start, std::size_t room,
                                                             bool tokenMode) {
  const unsigned char* p = src_.cursor;
  const unsigned char* end = src_.limit;
  while (p < end && *p >= '0' && *p <= '9') ++p;
  const std::size_t n = static_cast<std::size_t>(p - src_.cursor);
  // One byte, the first digit, is in `start` already; the number and its end byte must fit in
  // the `room` left (none at all when the buffer is full).
  if (p == end || kNumberContinues.table[*p] || n + 1 >= room) return false;
  std::memcpy(start + 1, src_.cursor, n);
  std::size_t length = n + 1;
  src_.cursor = p;
  start[length] = 0;
  token_.spelling = start;
  token_.spellingLength = static_cast<std::uint32_t>(length);
  token_.type = ctype::Int;
  token_.explicitSize = 0;
  if (!tokenMode) textPos_ += length;
  return true;
}

// The suffix of an integer constant that begins with the letter `c` (read already): "u" with
// "l" or a size, "l" with "u", or a size "i8" to "i64". False, taking nothing, when the letter
// begins no suffix.
template <typename Bytes, typename Append>
bool Scanner::ScanIntegerSuffix(Bytes& in, int c, bool report, std::uint8_t& type,
                                std::uint8_t& explicitSize, Append& append) {
  const int lower = c | 0x20;
  if (lower == 'u') {
    type = ctype::UnsignedInt;
    append(c);
    int d = in.NextByte();
    if ((d | 0x20) == 'l') {
      type = ctype::UnsignedLong;
      append(d);
      return true;
    }
    if ((d | 0x20) == 'i') {
      append(d);
      ScanSizeSuffix(in, true, report, type, explicitSize, append);
      return true;
    }
    in.Unget();
    return true;
  }
  if (lower == 'l') {
    type = ctype::Long;
    append(c);
    int d = in.NextByte();
    if ((d | 0x20) == 'u') {
      type = ctype::UnsignedLong;
      append(d);
    } else {
      in.Unget();
    }
    return true;
  }
  if (lower == 'i') {
    append(c);
    ScanSizeSuffix(in, false, report, type, explicitSize, append);
    return true;
  }
  return false;
}

template <typename Bytes, typename Append>
int Scanner::ReadNumber(Bytes& in, int first, bool report, Append& append, std::uint8_t& type,
                        std::uint8_t& explicitSize) {
  int radix = 10;
  bool floating = false;
  bool exponent = false;
  type = ctype::Int;
  explicitSize = 0;
  auto finish = [&]() {
    if (floating && type == ctype::Int) type = ctype::Double;
    return floating ? 0 : radix;
  };
  if (first == '.') {
    floating = true;
  } else if (first == '0') {
    int c = in.NextByte();
    if (c == 'x' || c == 'X') {
      append(c);
      radix = 16;
    } else {
      in.Unget();
      radix = 8;
    }
  }

  for (;;) {
    int c = in.NextByte();
    if (c >= '0' && c <= '7') {
      append(c);
      continue;
    }
    if (c == '8' || c == '9') {
      if (radix == 8 && !floating) break;
      append(c);
      continue;
    }
    if (c == '.') {
      if (report) {
        if (exponent)
          ctx_.diag.ReportError(msg::MisplacedDecimalPoint);
        else if (floating)
          ctx_.diag.ReportError(msg::TooManyDecimalPoints);
        else if (radix == 16)
          ctx_.diag.ReportError(msg::MisplacedDecimalPoint);
      }
      floating = true;
      append(c);
      continue;
    }
    int lower = c | 0x20;
    if (c < 0x80 && lower >= 'a' && lower <= 'd') {
      if (radix != 16) break;
      append(c);
      continue;
    }
    if (lower == 'e' && c < 0x80) {
      if (radix == 16) {
        append(c);
        continue;
      }
      if (exponent) break;
      exponent = true;
      floating = true;
      append(c);
      int d = in.NextByte();
      if (d == '+' || d == '-') {
        append(d);
        d = in.NextByte();
      }
      if (!IsDigit(d)) {
        if (report) ctx_.diag.ReportError(msg::IncorrectNumberFormat);
        type = ctype::Double;
        in.Unget();
        return finish();
      }
      append(d);
      continue;
    }
    if (lower == 'f' && c < 0x80) {
      if (radix == 16) {
        append(c);
        continue;
      }
      if (floating) {
        type = ctype::Float;
        append(c);
        return finish();
      }
      break;
    }
    if (floating) {
      if (lower == 'l' && c < 0x80) {
        type = ctype::LongDouble;
        append(c);
        return finish();
      }
      break;
    }
    if (c < 0x80 && ScanIntegerSuffix(in, c, report, type, explicitSize, append)) return finish();
    break;
  }
  in.Unget();
  return finish();
}

int Scanner::ScanNumber(int first, bool afterPoint) {
  bool tokenMode = table == kTokenTable;
  char* start = text_ + textPos_;
  std::size_t room = kTextBufferSize - 1 - textPos_;
  std::size_t length = 0;
  auto append = [&](int c) {
    if (length < room) start[length++] = static_cast<char>(c);
  };
  append(first);
  if (!afterPoint && first >= '1' && first <= '9' && shortcuts_ &&
      ScanPlainDecimal(start, room, tokenMode))
    return 10;
  std::uint8_t type;
  std::uint8_t explicitSize;
  // Digits after a point already copied are read as the number that starts with the point.
  int radix = ReadNumber(src_, afterPoint ? '.' : first, tokenMode, append, type, explicitSize);
  start[length] = 0;
  token_.spelling = start;
  token_.spellingLength = static_cast<std::uint32_t>(length);
  token_.type = type;
  token_.explicitSize = explicitSize;
  if (!tokenMode) textPos_ += length;
  return radix;
}

namespace {

// The bytes of a text in memory, read the way the number scanner reads the source: past the end
// it reads zero bytes, which end any number, and what it puts back is read again.
struct TextBytes {
  const unsigned char* p;
  const unsigned char* end;
  int NextByte() {
    int c = p < end ? *p : 0;
    ++p;
    return c;
  }
  void Unget() { --p; }
};

}  // namespace

std::size_t Scanner::NumberLength(const char* text, std::size_t size, std::uint8_t* type) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  if (size == 0) return 0;
  TextBytes in{bytes + 1, bytes + size};
  auto count = [](int) {};
  std::uint8_t numberType, explicitSize;
  ReadNumber(in, bytes[0], false, count, numberType, explicitSize);
  if (type != nullptr) *type = static_cast<std::uint8_t>(numberType | explicitSize << 4);
  std::size_t length = static_cast<std::size_t>(in.p - bytes);
  return length < size ? length : size;
}

// Reads the digits of an "i8", "i16", "i32" or "i64" suffix (the "i" is already taken).
template <typename Bytes, typename Append>
void Scanner::ScanSizeSuffix(Bytes& in, bool isUnsigned, bool report, std::uint8_t& type,
                             std::uint8_t& explicitSize, Append& append) {
  int size = 0;
  int d = in.NextByte();
  if (d == '8') {
    append(d);
    size = 8;
  } else if (d == '1' || d == '3' || d == '6') {
    int e = in.NextByte();
    if ((d == '1' && e == '6') || (d == '3' && e == '2') || (d == '6' && e == '4')) {
      append(d);
      append(e);
      size = (d - '0') * 10 + (e - '0');
    } else {
      append(d);
      d = e;
    }
  }
  if (size != 0) {
    int f = in.NextByte();
    if (!IsDigit(f)) {
      in.Unget();
      explicitSize = static_cast<std::uint8_t>(size);
      static const std::uint8_t kSigned[] = {ctype::Char, ctype::Short, ctype::Long, ctype::Int64};
      static const std::uint8_t kUnsigned[] = {ctype::UnsignedChar, ctype::UnsignedShort,
                                               ctype::UnsignedLong, ctype::UnsignedInt64};
      int index = size == 8 ? 0 : size == 16 ? 1 : size == 32 ? 2 : 3;
      type = isUnsigned ? kUnsigned[index] : kSigned[index];
      return;
    }
    d = f;
  }
  if (report) ctx_.diag.ReportError(msg::IllegalNumberSuffix);
  in.Unget();
  (void)d;
}

TokenCode Scanner::NumberValue(int radix) {
  if (table != kTokenTable) return token_.code = tok::IntConst;
  const char* spelling = token_.spelling;
  bool strict = ctx_.options.LanguageMode == 1;
  if (radix == 0) {
    // Floating: converted in extended precision, then rounded to the suffix's type. The
    // spelling is converted up to its suffix letter, in place in the token text buffer.
    char* text = const_cast<char*>(spelling);
    char* cut = text;
    while (*cut != 0 && (*cut | 0x20) != 'f' && (*cut | 0x20) != 'l') ++cut;
    char kept = *cut;
    *cut = 0;
    long double value = std::strtold(text, nullptr);
    *cut = kept;
    if (token_.type == ctype::Float)
      value = static_cast<float>(value);
    else if (token_.type == ctype::Double)
      value = static_cast<double>(value);
    if (strict && std::isinf(value)) {
      ctx_.diag.ReportError(msg::ConstantTooLarge);
      value = 0;
    }
    token_.floatValue = value;
    return token_.code = tok::FloatConst;
  }

  const char* p = spelling;
  if (radix == 16) p += 2;
  std::uint64_t value = 0;
  bool wide = token_.explicitSize == 64;
  bool reported = false;
  std::uint8_t type = token_.type;
  for (; *p != 0; ++p) {
    int lower = *p | 0x20;
    if (lower == 'l' || lower == 'i' || lower == 'u') break;
    unsigned digit =
        IsDigit(*p) ? static_cast<unsigned>(*p - '0') : static_cast<unsigned>(lower - 87);
    if (wide) {
      value = value * static_cast<unsigned>(radix) + digit;
      continue;
    }
    std::uint64_t next = value * static_cast<unsigned>(radix) + digit;
    if (next > 0xFFFFFFFFu) {
      if (strict) {
        if (!reported) {
          ctx_.diag.ReportError(msg::ConstantTooLarge);
          reported = true;
        }
        type = ctype::UnsignedLong;
        value = next & 0xFFFFFFFFu;
        continue;
      }
      wide = true;
    }
    value = next;
  }

  if (wide) {
    token_.value64 = value;
    bool unsignedSuffix = token_.explicitSize == 64 && type == ctype::UnsignedInt64;
    if (unsignedSuffix)
      token_.type = ctype::UnsignedInt64;
    else if (type != ctype::UnsignedInt && type != ctype::UnsignedLong && (value >> 63) == 0)
      token_.type = ctype::Int64;
    else
      token_.type = ctype::UnsignedInt64;
    return token_.code = tok::LongConst;
  }

  std::uint32_t v = static_cast<std::uint32_t>(value);
  if (token_.explicitSize == 8) v &= 0xFF;
  if (token_.explicitSize == 16) v &= 0xFFFF;
  if (type == ctype::Int) {
    if (v > 0x7FFFFFFFu) type = ctype::UnsignedLong;
  } else if (type == ctype::Long) {
    if (v > 0x7FFFFFFFu) type = ctype::UnsignedLong;
  }
  token_.value = v;
  token_.type = type;
  return token_.code = tok::IntConst;
}

// ---------------------------------------------------------------------------------------------
// Literals.

int Scanner::ReadLiteralChar(int terminator) {
  int c = src_.NextByte();
  if (IsLeadByte(c)) {
    int t = src_.NextByte();
    if (t != mark::kEndOfInput && t != '\n' && t != '\r') return c * 256 + t;
    src_.Unget();
  }
  if (c == terminator) return -1;
  if (terminator != '\'' || c != '\\') return c;
  return ReadEscape();
}

// Decodes the escape after a backslash in a character constant.
int Scanner::ReadEscape() {
  int d = src_.NextByte();
  switch (d) {
    case 'n':
      return 10;
    case 'r':
      return 13;
    case 't':
      return 9;
    case 'v':
      return 11;
    case 'f':
      return 12;
    case 'a':
      return 7;
    case 'b':
      return 8;
    case '\n':
    case '\r':
      src_.CountNewline(d);
      return ReadLiteralChar('\'');
    case mark::kEndOfInput:
      ctx_.diag.ReportError(msg::UnterminatedLiteral);
      return -1;
    case 'x': {
      unsigned value = 0;
      int digits = 0;
      bool reported = false;
      for (;;) {
        int h = src_.NextByte();
        if (h == '\\') {
          int n = src_.NextByte();
          if (n == '\n' || n == '\r') {
            src_.CountNewline(n);
            continue;
          }
          src_.Unget();
          src_.Unget();
          break;
        }
        if (!IsHexDigit(h)) {
          src_.Unget();
          break;
        }
        ++digits;
        if (!reported) {
          value = value * 16 + static_cast<unsigned>(HexValue(h));
          if (value > 255) {
            ctx_.diag.ReportError(msg::ConstantTooLarge);
            reported = true;
            value = 0;
          }
        }
      }
      int after = src_.NextByte();
      src_.Unget();
      if (digits == 0 || (after != '\'' && after != '\\')) {
        ctx_.diag.ReportError(msg::IncorrectNumberFormat);
        return -1;
      }
      if (digits >= 4) ctx_.diag.ReportWarning(msg::LongHexEscape);
      return static_cast<int>(value);
    }
    default:
      if (d >= '0' && d <= '7') {
        unsigned value = static_cast<unsigned>(d - '0');
        for (int i = 1; i < 3; ++i) {
          int o = src_.NextByte();
          if (o < '0' || o > '7') {
            src_.Unget();
            break;
          }
          value = value * 8 + static_cast<unsigned>(o - '0');
        }
        if (value > 255) {
          ctx_.diag.ReportError(msg::ConstantTooLarge);
          value = 0;
        }
        return static_cast<int>(value);
      }
      return d;
  }
}

TokenCode Scanner::CharConstant() {
  noExpand_ = false;
  char* raw = text_ + textPos_;
  std::size_t room = kTextBufferSize - 2 - textPos_;
  std::size_t n = 0;
  auto append = [&](int c) {
    if (n < room) raw[n++] = static_cast<char>(c);
  };
  append('\'');
  for (;;) {
    int c = src_.NextByte();
    if (c == '\n' || c == '\r' || c == mark::kEndOfInput) {
      src_.Unget();
      raw[n] = 0;
      ctx_.diag.ReportError(msg::UnterminatedLiteral);
      token_.spelling = raw;
      token_.spellingLength = static_cast<std::uint32_t>(n);
      token_.value = 0;
      token_.type = ctype::Int;
      token_.explicitSize = 0;
      return token_.code = tok::IntConst;
    }
    append(c);
    if (c == '\'') break;
    if (c == '\\') {
      int d = src_.NextByte();
      append(d);
      if (d == '\r' || d == '\n') {
        int e = src_.NextByte();
        if (SourceStack::IsBreakPair(d, e))
          append(e);
        else
          src_.Unget();
      }
    } else if (IsLeadByte(c)) {
      append(src_.NextByte());
    }
  }
  raw[n] = 0;
  token_.spelling = raw;
  token_.spellingLength = static_cast<std::uint32_t>(n);

  // Read the text back with the escapes decoded.
  // The raw text may hold zero bytes, so it is pushed with its length.
  src_.PushText(raw + 1, n - 1);
  unsigned char bytes[4] = {};
  unsigned count = 0;
  for (;;) {
    int v = ReadLiteralChar('\'');
    // The end-of-input byte cannot come from the copied text: reading has run past it (the
    // text was cut at the buffer's end), so the constant ends here.
    if (v < 0 || v == mark::kEndOfInput) {
      // An escape in error ends the decoding early: the rest of the copied text belongs to the
      // constant and is dropped, never read as source.
      const SourceFile* top = src_.Top();
      if (top != nullptr && top->kind == SourceFile::kPushedText &&
          top->buffer == reinterpret_cast<const unsigned char*>(raw + 1))
        src_.cursor = src_.limit;
      break;
    }
    if (v > 0xFF) {
      if (count < 4) bytes[count] = static_cast<unsigned char>(v >> 8);
      ++count;
      if (count < 4) bytes[count] = static_cast<unsigned char>(v);
      ++count;
    } else {
      if (count < 4) bytes[count] = static_cast<unsigned char>(v);
      ++count;
    }
  }
  if (count == 0 || count > 4) ctx_.diag.ReportError(msg::CharConstantLength);
  unsigned kept = count < 4 ? count : 4;
  token_.explicitSize = 0;

  if (wideChar_) {
    std::uint32_t value = 0;
    for (unsigned i = 0; i < kept; ++i) value = (value << 8) | bytes[i];
    std::uint32_t codePage = ctx_.options.CodePage;
    if (codePage != 437 && kept != 0) {
      std::uint16_t wide[5];
      int units = platform::MultiByteToUtf16(codePage, reinterpret_cast<const char*>(bytes),
                                             static_cast<int>(kept), wide, 5);
      if (units == 1)
        value = wide[0];
      else if (units >= 2)
        value = (static_cast<std::uint32_t>(wide[0]) << 16) | wide[1];
      else
        value = 0;
    }
    token_.value = kept > 2 ? value : (value & 0xFFFF);
    token_.type = ctype::WChar;
    return token_.code = count == 1 ? tok::CharConst : tok::IntConst;
  }

  if (count == 1) {
    token_.value = ctx_.options.UnsignedChar ? bytes[0]
                                             : static_cast<std::uint32_t>(static_cast<std::int32_t>(
                                                   static_cast<signed char>(bytes[0])));
    token_.type = ctx_.frontEndCpp ? ctype::Char : ctype::Int;
    return token_.code = tok::CharConst;
  }
  std::uint32_t value = 0;
  for (unsigned i = 0; i < kept; ++i) value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  token_.value = value;
  token_.type = ctype::Int;
  return token_.code = tok::IntConst;
}

int Scanner::CopyLiteral(int quote, EmitByte emit, void* owner, bool report) {
  emit(owner, quote);
  if (macroText_ != nullptr) {
    // A stringized argument.
    const unsigned char* text = TakeStringizeSource();
    StringizeBody(text, stringizedArgument_, [emit, owner](int c) { emit(owner, c); });
    emit(owner, quote);
    return 1;
  }
  for (;;) {
    int c = src_.NextByte();
    if (c == quote) {
      emit(owner, c);
      return 1;
    }
    if (c == '\n' || c == '\r' || c == mark::kEndOfInput) {
      if (report) {
        ctx_.diag.ReportError(msg::UnterminatedLiteral);
        emit(owner, quote);
      }
      src_.Unget();
      return 0;
    }
    if (c == '\\') {
      int d = src_.NextByte();
      if (d == '\n' || d == '\r') {
        src_.CountNewline(d);
        continue;
      }
      emit(owner, c);
      emit(owner, d);
      if (IsLeadByte(d)) emit(owner, src_.NextByte());
      continue;
    }
    emit(owner, c);
    if (IsLeadByte(c)) {
      int t = src_.NextByte();
      if (t == '\n' || t == '\r' || t == mark::kEndOfInput)
        src_.Unget();
      else
        emit(owner, t);
    }
  }
}

}  // namespace tpx
