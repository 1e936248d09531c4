// Comparing the tokens of two preprocessed outputs of real code (tpx32's and gcc's) with the
// intended differences accounted for. The differences are listed, each with its reason, in
// tests/random/intended_differences.md; the entries that apply to real code name a rule of this
// file ("Corpus rule: `name`") or a whole file ("Corpus file: `code base/path`"), and only the
// rules named there are applied.
//
// Rules:
//   line-numbers     a decimal integer where gcc's output has a smaller one, at most 200 less:
//                    the value of __LINE__ in a macro call spread over several lines
//   pragma-lines     a line that begins with #pragma, in either output, is left out of both
//   keyword-aliases  alias spellings of keywords are compared by the spelling tpx32 writes
#ifndef TPX32_TESTS_RANDOM_TOKEN_COMPARE_H_
#define TPX32_TESTS_RANDOM_TOKEN_COMPARE_H_

#include <cstddef>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "pp_tokens.h"

namespace tpxdiff {

struct Exclusions {
  std::set<std::string> rules;
  std::set<std::string> files;  // "code base/path"
  bool Has(const std::string& rule) const { return rules.count(rule) != 0; }
};

inline const std::set<std::string>& KnownRules() {
  static const std::set<std::string> rules = {"line-numbers", "pragma-lines", "keyword-aliases"};
  return rules;
}

// Reads the entries of the intended differences that apply to real code. A rule this file does
// not know is an error, so that the list and the code cannot drift apart.
inline Exclusions ParseExclusions(const std::string& text) {
  Exclusions e;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    // An entry is a line "- Corpus rule: `name`" or "- Corpus file: `code base/path`".
    auto value = [&](const std::string& key) -> std::string {
      const std::string head = "- " + key + " `";
      if (line.rfind(head, 0) != 0) return "";
      std::size_t close = line.find('`', head.size());
      if (close == std::string::npos) throw std::runtime_error("malformed entry: " + line);
      return line.substr(head.size(), close - head.size());
    };
    std::string rule = value("Corpus rule:");
    if (!rule.empty()) {
      if (!KnownRules().count(rule)) throw std::runtime_error("unknown corpus rule: " + rule);
      e.rules.insert(rule);
    }
    std::string file = value("Corpus file:");
    if (!file.empty()) e.files.insert(file);
  }
  return e;
}

// Alias spellings of keywords and the spelling tpx32 writes for each, in C and C++ alike.
// (asm and its spellings are no alias: the statement after them is copied as it stands.)
inline const std::map<std::string, std::string>& KeywordAliases() {
  static const std::map<std::string, std::string> aliases = {
      {"_fastcall", "__fastcall"}, {"cdecl", "__cdecl"},      {"_cdecl", "__cdecl"},
      {"_export", "__export"},     {"_import", "__import"},   {"pascal", "__pascal"},
      {"_pascal", "__pascal"},     {"_fortran", "__fortran"}, {"_stdcall", "__stdcall"}};
  return aliases;
}

inline bool DecimalInteger(const std::string& t) {
  if (t.empty()) return false;
  for (char c : t) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Whether tpx32's number `mine` and gcc's `theirs` can be the values of __LINE__ in one macro
// call spread over lines: decimal, tpx32's the later line, at most 200 lines after gcc's.
inline bool LaterLine(const std::string& mine, const std::string& theirs) {
  if (!DecimalInteger(mine) || !DecimalInteger(theirs) || mine.size() > 9 || theirs.size() > 9) {
    return false;
  }
  long a = std::stol(mine), b = std::stol(theirs);
  return a > b && a - b <= 200;
}

struct Comparison {
  bool agree = true;
  std::size_t tokens = 0;         // tokens of the first output
  std::size_t excluded = 0;       // of them, those an intended difference accounts for
  long firstA = -1, firstB = -1;  // where the outputs first differ, when they do
};

// Compares tpx32's tokens `a` with gcc's `b` under the rules of `e`.
inline Comparison CompareTokens(std::vector<PpToken> a, std::vector<PpToken> b,
                                const Exclusions& e) {
  Comparison r;
  r.tokens = a.size();
  if (e.Has("keyword-aliases")) {
    const auto& aliases = KeywordAliases();
    for (std::vector<PpToken>* v : {&a, &b}) {
      for (PpToken& t : *v) {
        auto it = aliases.find(t.text);
        if (it != aliases.end()) {
          t.text = it->second;
          if (v == &a) ++r.excluded;
        }
      }
    }
  }
  // Skips a #pragma line starting at `i`; returns the number of tokens skipped.
  auto pragmaLine = [&](const std::vector<PpToken>& v, std::size_t i) -> std::size_t {
    if (!e.Has("pragma-lines") || i + 1 >= v.size() || !v[i].lineStart || v[i].text != "#" ||
        v[i + 1].text != "pragma" || v[i + 1].line != v[i].line) {
      return 0;
    }
    std::size_t k = i;
    while (k < v.size() && v[k].line == v[i].line) ++k;
    return k - i;
  };
  std::size_t i = 0, j = 0;
  while (i < a.size() || j < b.size()) {
    if (std::size_t n = i < a.size() ? pragmaLine(a, i) : 0) {
      i += n;
      r.excluded += n;
      continue;
    }
    if (std::size_t n = j < b.size() ? pragmaLine(b, j) : 0) {
      j += n;
      continue;
    }
    if (i < a.size() && j < b.size()) {
      if (a[i].text == b[j].text) {
        ++i;
        ++j;
        continue;
      }
      if (e.Has("line-numbers") && LaterLine(a[i].text, b[j].text)) {
        ++i;
        ++j;
        ++r.excluded;
        continue;
      }
    }
    r.agree = false;
    r.firstA = static_cast<long>(i);
    r.firstB = static_cast<long>(j);
    break;
  }
  return r;
}

}  // namespace tpxdiff

#endif  // TPX32_TESTS_RANDOM_TOKEN_COMPARE_H_
