// The grammar pieces of generated source text: line ends, blanks, splices, names, numbers,
// literals, comments, operators and the stray bytes the scanner must report. Each piece
// appends to one output text and draws only from the writer's Rng, so a generation built
// from these pieces is reproducible from its seed.
#ifndef TPX32_TESTS_RANDOM_SOURCE_WRITER_H_
#define TPX32_TESTS_RANDOM_SOURCE_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

#include "tree.h"

namespace tpxgen {

// Every punctuator and operator the scanner knows, the three-byte ones included, and the
// sequences it splits or reports ("..", "#", "##" outside a directive, "\", "@", "$", "`").
inline const std::vector<std::string>& Operators() {
  static const std::vector<std::string> ops = {
      "(",  ")",  "[",  "]",  "{",  "}",   ";",   ",",  "...", "=",   "+=", "-=", "*=",
      "/=", "%=", "&=", "|=", "^=", "<<=", ">>=", "+",  "-",   "*",   "/",  "%",  "&",
      "|",  "^",  "<<", ">>", "?",  ":",   "||",  "&&", ".*",  "->*", "==", "!=", "<",
      ">",  "<=", ">=", "!",  "~",  "++",  "--",  ".",  "->",  "::"};
  return ops;
}

// Operators whose two characters may be joined by a line splice and still form one token.
inline const std::vector<std::string>& SpliceableOperators() {
  static const std::vector<std::string> ops = {"!=", "%=", "&&", "&=", "*=", "++",
                                               "+=", "/=", "^=", "||", "|=", "=="};
  return ops;
}

// Words with a meaning of their own: keywords (their spelling comes from the keyword table),
// the special names, and the prefix letter of wide literals. __DATE__ and __TIME__ are left
// out on purpose: two runs a second apart would differ.
inline const std::vector<std::string>& SpecialWords() {
  static const std::vector<std::string> words = {"int",      "char",        "sizeof",
                                                 "try",      "return",      "if",
                                                 "else",     "static",      "unsigned",
                                                 "long",     "double",      "struct",
                                                 "class",    "new",         "operator",
                                                 "this",     "template",    "__int64",
                                                 "__cdecl",  "__FILE__",    "__LINE__",
                                                 "__STDC__", "__cplusplus", "__KESTRELC__",
                                                 "_WIN32",   "_WCHAR_T",    "__USING_STD_NAMES__",
                                                 "defined",  "L",           "__try",
                                                 "wchar_t",  "bool",        "true"};
  return words;
}

class SourceWriter {
 public:
  explicit SourceWriter(Rng& rng) : rng_(rng) {}

  std::string& Text() { return out_; }
  Rng& Random() { return rng_; }

  // The line end most lines of this text get; others get any of the four kinds.
  void SetMainLineEnd(const std::string& eol) { mainEol_ = eol; }
  // Every line end of this text is the main one (valid input: a splice before a line end of
  // two kinds, LF then CR, would end the line after all).
  void SetOnlyMainLineEnd(bool on) { onlyMainEol_ = on; }
  // How often stray bytes and malformed pieces that the program reports are written:
  // 0 never, 1 rarely, 2 often.
  void SetJunkLevel(int level) { junk_ = level; }
  int JunkLevel() const { return junk_; }
  // Leaves out the constructs of faults already reported (comment openers split by a splice,
  // zero bytes), so that a long run finds new ones. Off, the draws are those of every seed so far.
  void SetAvoidKnown(bool on) { avoidKnown_ = on; }
  // Whether a `/*` may stand inside a block comment (it nests under -C, and the rest of the
  // file may then become comment).
  void SetInnerOpeners(bool on) { innerOpeners_ = on; }

  void Raw(const std::string& s) { out_ += s; }
  void Raw(char c) { out_ += c; }

  std::string LineEndText() {
    static const std::vector<std::string> kinds = {"\n", "\r\n", "\r", "\n\r"};
    if (onlyMainEol_) return mainEol_;
    if (rng_.Chance(9, 10)) return mainEol_;
    return rng_.Pick(kinds);
  }
  void LineEnd() { out_ += LineEndText(); }
  // A backslash and a line end: the two lines are spliced.
  void Splice() { out_ += '\\' + LineEndText(); }
  // A splice between tokens; with known faults avoided, not right after a slash.
  void LooseSplice() {
    if (avoidKnown_ && !out_.empty() && out_.back() == '/') {
      out_ += ' ';
      return;
    }
    Splice();
  }

  // A blank run between tokens: mostly one space, sometimes none or a long run of spaces,
  // tabs, vertical tabs and form feeds.
  void Blanks(bool allowNone = true) {
    std::uint32_t r = rng_.Below(100);
    std::uint32_t n = r < 10 && allowNone ? 0
                      : r < 75            ? 1
                      : r < 92            ? rng_.Between(2, 5)
                                          : rng_.Between(6, 70);
    for (std::uint32_t i = 0; i < n; ++i) out_ += BlankChar(false);
  }
  // Blanks at the start of a line, where zero bytes are dropped too.
  void LineStartBlanks() {
    std::uint32_t r = rng_.Below(100);
    std::uint32_t n = r < 60 ? 0 : r < 90 ? rng_.Between(1, 8) : rng_.Between(9, 80);
    for (std::uint32_t i = 0; i < n; ++i) out_ += BlankChar(true);
  }
  char BlankChar(bool lineStart) {
    std::uint32_t r = rng_.Below(100);
    if (r < 70) return ' ';
    if (r < 85) return '\t';
    if (r < 91) return '\v';
    if (r < 97 || !lineStart || avoidKnown_) return '\f';
    return '\0';
  }

  // A name length: mostly short, often around the 16- and 64-byte spans the scanner measures
  // in blocks, sometimes at and past the 250-character limit, rarely far beyond it.
  std::uint32_t NameLength() {
    std::uint32_t r = rng_.Below(100);
    if (r < 50) return rng_.Between(1, 6);
    if (r < 65) return rng_.Between(7, 14);
    if (r < 80) {
      static const std::vector<std::uint32_t> edges = {15, 16, 17, 31, 32, 33,  47,  48, 49,
                                                       63, 64, 65, 79, 80, 127, 128, 129};
      return rng_.Pick(edges);
    }
    if (r < 90) return rng_.Between(18, 130);
    if (r < 97) return rng_.Between(245, 256);
    return rng_.Between(257, 1200);
  }

  // A fresh name of the given length (at least 1).
  std::string MakeName(std::uint32_t length) {
    static const char kFirst[] = "abcdefghijkmnopqrstuvwxyzABCDEFGHIJKMNOPQRSTUVWXYZ_";
    static const char kRest[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789";
    std::string s;
    std::uint32_t r = rng_.Below(100);
    if (r < 8)
      s = "__";
    else if (r < 12)
      s = "_W";
    else if (r < 14)
      s = "L";
    while (s.size() < length) {
      if (s.empty())
        s += kFirst[rng_.Below(sizeof kFirst - 1)];
      else
        s += kRest[rng_.Below(sizeof kRest - 1)];
    }
    s.resize(length);
    if (s == "L" || s == "__" || s == "_W") s = "n";
    return s;
  }
  // Writes a name, sometimes with a line splice inside it.
  void Name(const std::string& name) {
    if (name.size() > 1 && rng_.Chance(1, 25)) {
      std::size_t at = 1 + rng_.Below(static_cast<std::uint32_t>(name.size() - 1));
      out_ += name.substr(0, at);
      Splice();
      out_ += name.substr(at);
    } else {
      out_ += name;
    }
  }

  // A number in any form: decimal, octal, hexadecimal of up to and past eight digits, with
  // suffixes, floating constants with and without exponents; with junk on, malformed ones.
  std::string Number() {
    static const char kHex[] = "0123456789abcdefABCDEF";
    static const std::vector<std::string> intSuffixes = {"",   "",   "",   "u",  "U",  "l", "L",
                                                         "ul", "UL", "lu", "LU", "uL", "Lu"};
    static const std::vector<std::string> floatSuffixes = {"", "", "f", "F", "l", "L"};
    std::string s;
    switch (rng_.Below(junk_ > 0 ? 9 : 8)) {
      case 0:
      case 1: {  // decimal
        std::uint32_t n = rng_.Chance(1, 8) ? rng_.Between(9, 25) : rng_.Between(1, 5);
        s += static_cast<char>('1' + rng_.Below(9));
        for (std::uint32_t i = 1; i < n; ++i) s += static_cast<char>('0' + rng_.Below(10));
        if (rng_.Chance(1, 10)) s = "0";
        s += rng_.Pick(intSuffixes);
        break;
      }
      case 2: {  // octal
        s = "0";
        std::uint32_t n = rng_.Between(1, 14);
        for (std::uint32_t i = 0; i < n; ++i) s += static_cast<char>('0' + rng_.Below(8));
        s += rng_.Pick(intSuffixes);
        break;
      }
      case 3:
      case 4: {  // hexadecimal, often around eight digits
        s = rng_.Chance(1, 2) ? "0x" : "0X";
        std::uint32_t r = rng_.Below(10);
        std::uint32_t n = r < 4   ? rng_.Between(1, 6)
                          : r < 8 ? rng_.Between(7, 9)
                                  : rng_.Between(10, 20);
        for (std::uint32_t i = 0; i < n; ++i) s += kHex[rng_.Below(sizeof kHex - 1)];
        s += rng_.Pick(intSuffixes);
        break;
      }
      case 5:
      case 6: {  // floating
        std::string digits1 = std::to_string(rng_.Below(100000) >> rng_.Below(17));
        std::string digits2 = std::to_string(rng_.Below(1000000));
        switch (rng_.Below(4)) {
          case 0:
            s = digits1 + "." + digits2;
            break;
          case 1:
            s = "." + digits2;
            break;
          case 2:
            s = digits1 + ".";
            break;
          default:
            s = digits1;
            break;
        }
        if (rng_.Chance(1, 2) || s == digits1) {
          s += rng_.Chance(1, 2) ? "e" : "E";
          if (rng_.Chance(1, 2)) s += rng_.Chance(1, 2) ? "+" : "-";
          s += std::to_string(rng_.Below(rng_.Chance(1, 10) ? 5000 : 40));
        }
        s += rng_.Pick(floatSuffixes);
        break;
      }
      case 7: {  // small ones, the commonest in real text
        s = std::to_string(rng_.Below(rng_.Chance(1, 2) ? 10 : 1000));
        break;
      }
      default: {  // malformed
        static const std::vector<std::string> bad = {"0x",
                                                     "1e",
                                                     "1e+",
                                                     "08",
                                                     "099",
                                                     "1.2.3",
                                                     "123abc",
                                                     "0x1g",
                                                     "1uu",
                                                     "1lul",
                                                     "..5",
                                                     "99999999999999999999",
                                                     "0xfffffffffffffffff"};
        s = rng_.Pick(bad);
        break;
      }
    }
    return s;
  }

  // The body of a string or character constant: plain text, escapes, bytes of 0x80 and above
  // and line splices. A quote of the other kind stands for itself.
  void LiteralBody(char quote, std::uint32_t length, bool splices = true) {
    static const std::vector<std::string> escapes = {"\\n", "\\t", "\\\\",  "\\\"",  "\\'",
                                                     "\\?", "\\a", "\\x41", "\\101", "\\0"};
    static const std::vector<std::string> badEscapes = {"\\x7fff", "\\777", "\\x", "\\q"};
    static const char kPlain[] = "abcdefghijklmnopqrstuvwxyz0123456789 ,.;:+-*/%()[]{}<>#!=";
    for (std::uint32_t i = 0; i < length; ++i) {
      std::uint32_t r = rng_.Below(100);
      if (r < 70) {
        out_ += kPlain[rng_.Below(sizeof kPlain - 1)];
      } else if (r < 82) {
        out_ += junk_ > 0 && rng_.Chance(1, 5) ? rng_.Pick(badEscapes) : rng_.Pick(escapes);
      } else if (r < 90) {
        out_ += static_cast<char>(0x80 + rng_.Below(128));
      } else if (r < 94) {
        out_ += quote == '"' ? '\'' : '"';
      } else if (!splices) {
        out_ += 'c';
      } else if (r < 97 || junk_ == 0) {
        Splice();
      } else {
        out_ += '\\';
        Splice();  // a backslash, then a splice
        out_ += 'n';
      }
    }
  }
  void StringLiteral() {
    if (rng_.Chance(1, 8)) out_ += 'L';
    out_ += '"';
    std::uint32_t r = rng_.Below(100);
    LiteralBody('"', r < 80   ? rng_.Below(12)
                     : r < 98 ? rng_.Between(12, 200)
                              : rng_.Between(200, 20000));
    if (junk_ > 0 && rng_.Chance(1, 30)) return;  // unterminated: ends at the line end
    out_ += '"';
  }
  void CharLiteral() {
    if (rng_.Chance(1, 8)) out_ += 'L';
    out_ += '\'';
    std::uint32_t n = rng_.Chance(5, 6) ? 1 : rng_.Between(junk_ > 0 ? 0 : 2, 4);
    LiteralBody('\'', n, junk_ > 0 || rng_.Chance(1, 2));
    if (junk_ > 0 && rng_.Chance(1, 30)) return;
    out_ += '\'';
  }

  // A block comment: stars in runs of every length (the sweep steps sixteen bytes at a time),
  // line breaks, a closing star split from its slash by a splice, an opener split likewise,
  // slashes, and with inner openers on, `/*` inside (nesting under -C).
  void BlockComment() {
    if (rng_.Chance(1, 10) && !avoidKnown_) {
      out_ += '/';
      Splice();
      out_ += '*';
    } else {
      out_ += "/*";
    }
    std::uint32_t pieces = rng_.Chance(1, 20) ? rng_.Between(20, 400) : rng_.Below(6);
    int depth = 1;
    for (std::uint32_t i = 0; i < pieces; ++i) {
      std::uint32_t r = rng_.Below(100);
      if (r < 40) {
        static const char kText[] = "abc xyz 0123 ;:,.()/\\\t";
        std::uint32_t n = rng_.Between(1, 40);
        for (std::uint32_t k = 0; k < n; ++k) out_ += kText[rng_.Below(sizeof kText - 1)];
      } else if (r < 60) {
        std::uint32_t n = rng_.Chance(1, 2) ? rng_.Between(1, 3) : rng_.Between(4, 70);
        out_.append(n, '*');
        out_ += rng_.Chance(1, 2) ? ' ' : 'x';
      } else if (r < 70) {
        LineEnd();
      } else if (r < 76) {
        out_ += '*';
        Splice();
        out_ += 'x';  // a star, a splice, and no slash: the comment goes on
      } else if (r < 82) {
        out_ += static_cast<char>(0x80 + rng_.Below(128));
      } else if (r < 88 && innerOpeners_) {
        out_ += "/*";
        ++depth;
      } else if (r < 92 && depth > 1) {
        out_ += "*/";
        --depth;
      } else {
        out_ += "//";
      }
    }
    if (rng_.Chance(1, 8)) {
      out_ += '*';
      Splice();
      out_ += '/';
    } else {
      out_ += "*/";
    }
    // A close for each inner opener, so the comment also ends under -C.
    for (int d = depth; d > 1; --d) out_ += rng_.Chance(1, 2) ? "*/" : "**/";
  }
  // A line comment; it may be continued onto the next line by a backslash.
  void LineComment() {
    out_ += "//";
    std::uint32_t n = rng_.Below(30);
    static const char kText[] = "abc xyz 0123 ;:,.()/*";
    for (std::uint32_t k = 0; k < n; ++k) out_ += kText[rng_.Below(sizeof kText - 1)];
    if (rng_.Chance(1, 8)) {
      Splice();
      out_ += "continued";
    }
  }

  // An operator, sometimes with a splice between the two characters of a spliceable one.
  void Operator() {
    if (rng_.Chance(1, 12)) {
      const std::string& op = rng_.Pick(SpliceableOperators());
      out_ += op[0];
      Splice();
      out_ += op[1];
      return;
    }
    out_ += rng_.Pick(Operators());
  }

  // Bytes the scanner reports as illegal, or that only matter in odd places.
  void StrayByte() {
    static const std::vector<char> stray = {'@', '$', '`', '#', '\\', '\x01', '\x7f', '\0'};
    std::uint32_t r = rng_.Below(3);
    if (r == 0) {
      out_ += static_cast<char>(0x80 + rng_.Below(128));
    } else {
      char c = rng_.Pick(stray);
      out_ += c == '\0' && avoidKnown_ ? '@' : c;
    }
  }

 private:
  Rng& rng_;
  std::string out_;
  std::string mainEol_ = "\n";
  int junk_ = 0;
  bool innerOpeners_ = false;
  bool avoidKnown_ = false;
  bool onlyMainEol_ = false;
};

}  // namespace tpxgen

#endif  // TPX32_TESTS_RANDOM_SOURCE_WRITER_H_
