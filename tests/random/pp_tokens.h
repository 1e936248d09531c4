// A tokenizer of preprocessed C and C++ text, independent of tpx32's scanner: the differential
// test splits the outputs of tpx32 and of gcc with it and compares the token sequences, and the
// generator of valid input asks it where two tokens written side by side would run together.
//
// Tokens: identifiers; preprocessing numbers (a digit, or a dot and a digit, then digits,
// letters, underscores, dots, and a sign right after e or E); string and character literals
// with their escapes and an L prefix; operators and punctuators by longest match. Comments
// (block and line) and blanks separate tokens and are dropped. Any other byte is a token by
// itself. Line ends are counted so that a token can be shown where it stands.
#ifndef TPX32_TESTS_RANDOM_PP_TOKENS_H_
#define TPX32_TESTS_RANDOM_PP_TOKENS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tpxdiff {

struct LexRules {
  // `::`, `.*` and `->*` are tokens (C++); in C they are two tokens each.
  bool cppOperators = false;
  // `<:`, `:>`, `<%`, `%>`, `%:` and `%:%:` are tokens.
  bool digraphs = false;
};

inline LexRules CRules() { return LexRules{false, false}; }
inline LexRules CppRules() { return LexRules{true, false}; }
// The widest reading any of the tools may apply to source text: every operator of C++ and the
// digraphs. Two tokens that stay apart under it stay apart under each tool.
inline LexRules WidestRules() { return LexRules{true, true}; }

struct PpToken {
  std::string text;
  std::uint32_t line = 1;  // line of the text where the token starts, from 1
  bool lineStart = false;  // the first token of its line
};

inline bool IsIdentStart(unsigned char c) {
  return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline bool IsIdentChar(unsigned char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
inline bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The length of the operator or punctuator at the start of `s` (at least 1).
inline std::size_t OperatorLength(std::string_view s, const LexRules& rules) {
  static const char* const kFour[] = {"%:%:"};
  static const char* const kThree[] = {"...", "<<=", ">>=", "->*"};
  static const char* const kTwo[] = {"+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<",
                                     ">>", "||", "&&", "==", "!=", "<=", ">=", "++", "--",
                                     "->", "##", "::", ".*", "<:", ":>", "<%", "%>", "%:"};
  auto cppOnly = [](std::string_view op) { return op == "::" || op == ".*" || op == "->*"; };
  auto digraph = [](std::string_view op) {
    return op == "<:" || op == ":>" || op == "<%" || op == "%>" || op == "%:" || op == "%:%:";
  };
  auto allowed = [&](std::string_view op) {
    return (rules.cppOperators || !cppOnly(op)) && (rules.digraphs || !digraph(op));
  };
  for (const char* op : kFour) {
    if (s.substr(0, 4) == op && allowed(op)) return 4;
  }
  for (const char* op : kThree) {
    if (s.substr(0, 3) == op && allowed(op)) return 3;
  }
  for (const char* op : kTwo) {
    if (s.substr(0, 2) == op && allowed(op)) return 2;
  }
  return 1;
}

// The length of the literal whose opening quote is at `s[at]`: up to and including the closing
// quote, or up to the line end when there is none.
inline std::size_t LiteralLength(std::string_view s, std::size_t at) {
  const char quote = s[at];
  std::size_t i = at + 1;
  while (i < s.size()) {
    char c = s[i];
    if (c == quote) return i + 1 - at;
    if (c == '\n' || c == '\r') return i - at;
    if (c == '\\' && i + 1 < s.size() && s[i + 1] != '\n' && s[i + 1] != '\r') {
      i += 2;
      continue;
    }
    ++i;
  }
  return s.size() - at;
}

// The length of the preprocessing number at the start of `s` (which starts with a digit, or a
// dot and a digit).
inline std::size_t NumberLength(std::string_view s) {
  std::size_t i = 1;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if ((c == '+' || c == '-') && (s[i - 1] == 'e' || s[i - 1] == 'E')) {
      ++i;
    } else if (IsIdentChar(c) || c == '.') {
      ++i;
    } else {
      break;
    }
  }
  return i;
}

// The length of the token at the start of `s`, which must not start with a blank or a comment.
inline std::size_t TokenLength(std::string_view s, const LexRules& rules) {
  if (s.empty()) return 0;
  unsigned char c = static_cast<unsigned char>(s[0]);
  if (c == 'L' && s.size() > 1 && (s[1] == '"' || s[1] == '\'')) return 1 + LiteralLength(s, 1);
  if (IsIdentStart(c)) {
    std::size_t i = 1;
    while (i < s.size() && IsIdentChar(static_cast<unsigned char>(s[i]))) ++i;
    return i;
  }
  if (IsDigit(c) || (c == '.' && s.size() > 1 && IsDigit(static_cast<unsigned char>(s[1])))) {
    return NumberLength(s);
  }
  if (c == '"' || c == '\'') return LiteralLength(s, 0);
  return OperatorLength(s, rules);
}

// Splits text into tokens. Comments and blanks are dropped; with `dropLineDirectives`, lines
// that begin with `#line` or with `#` and a number (line markers written without comments)
// are dropped whole.
inline std::vector<PpToken> Tokenize(std::string_view s, const LexRules& rules,
                                     bool dropLineDirectives = false) {
  std::vector<PpToken> tokens;
  std::uint32_t line = 1;
  bool lineStart = true;
  std::size_t i = 0;
  auto newline = [&](std::size_t at) {
    // CR LF counts as one line end; CR alone and LF alone each count as one.
    if (s[at] == '\r' && at + 1 < s.size() && s[at + 1] == '\n') return std::size_t{2};
    return std::size_t{1};
  };
  while (i < s.size()) {
    char c = s[i];
    if (c == '\n' || c == '\r') {
      i += newline(i);
      ++line;
      lineStart = true;
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\v' || c == '\f') {
      ++i;
      continue;
    }
    if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
      std::size_t end = s.find("*/", i + 2);
      std::size_t stop = end == std::string_view::npos ? s.size() : end + 2;
      for (std::size_t k = i; k < stop; ++k) {
        if (s[k] == '\n' || (s[k] == '\r' && (k + 1 >= stop || s[k + 1] != '\n'))) ++line;
      }
      i = stop;
      continue;
    }
    if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
      while (i < s.size() && s[i] != '\n' && s[i] != '\r') ++i;
      continue;
    }
    if (dropLineDirectives && lineStart && c == '#') {
      std::size_t k = i + 1;
      while (k < s.size() && (s[k] == ' ' || s[k] == '\t')) ++k;
      if (s.substr(k, 4) == "line" || (k < s.size() && IsDigit(static_cast<unsigned char>(s[k])))) {
        while (i < s.size() && s[i] != '\n' && s[i] != '\r') ++i;
        continue;
      }
    }
    std::size_t n = TokenLength(s.substr(i), rules);
    tokens.push_back(PpToken{std::string(s.substr(i, n)), line, lineStart});
    lineStart = false;
    i += n;
  }
  return tokens;
}

// Whether two tokens written side by side, with nothing between them, would be read as other
// tokens under the widest reading of the tools: run together, open a comment, or form a
// trigraph. A generator writes a blank between them when this is true.
inline bool RunTogether(std::string_view left, std::string_view right) {
  if (left.empty() || right.empty()) return false;
  const char a = left.back();
  const char b = right.front();
  if (a == '/' && (b == '*' || b == '/')) return true;
  if (a == '?' && b == '?') return true;  // a trigraph could follow
  if (a == '.' && b == '.') return true;  // tpx32 reports two dots that are no `...`
  // A quote after a name would make a prefixed literal of it.
  if (IsIdentChar(static_cast<unsigned char>(a)) && (b == '"' || b == '\'')) return true;
  std::string both(left);
  both += right;
  return TokenLength(both, WidestRules()) != left.size();
}

}  // namespace tpxdiff

#endif  // TPX32_TESTS_RANDOM_PP_TOKENS_H_
