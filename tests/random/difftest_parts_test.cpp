// Tests of the pieces of the differential test against gcc that decide what agrees: the
// harness's tokenizer, the comparison with intended differences, the #if arithmetic the
// generator keeps to, and what the generator of valid input promises about its text.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "generator.h"
#include "pp_tokens.h"
#include "token_compare.h"

namespace {

std::vector<std::string> Texts(const std::string& s, const tpxdiff::LexRules& rules,
                               bool dropLineDirectives = false) {
  std::vector<std::string> out;
  for (const tpxdiff::PpToken& t : tpxdiff::Tokenize(s, rules, dropLineDirectives)) {
    out.push_back(t.text);
  }
  return out;
}

using Strings = std::vector<std::string>;

TEST(DifftestTokenizer, OperatorsByLongestMatch) {
  EXPECT_EQ(Texts("a+++b", tpxdiff::CRules()), (Strings{"a", "++", "+", "b"}));
  EXPECT_EQ(Texts("x<<=y>>=z...w", tpxdiff::CRules()),
            (Strings{"x", "<<=", "y", ">>=", "z", "...", "w"}));
  EXPECT_EQ(Texts("p->q", tpxdiff::CRules()), (Strings{"p", "->", "q"}));
  EXPECT_EQ(Texts("a..b", tpxdiff::CRules()), (Strings{"a", ".", ".", "b"}));
}

TEST(DifftestTokenizer, CppOperatorsOnlyInCpp) {
  EXPECT_EQ(Texts("a::b.*c->*d", tpxdiff::CppRules()),
            (Strings{"a", "::", "b", ".*", "c", "->*", "d"}));
  EXPECT_EQ(Texts("a::b.*c->*d", tpxdiff::CRules()),
            (Strings{"a", ":", ":", "b", ".", "*", "c", "->", "*", "d"}));
}

TEST(DifftestTokenizer, DigraphsOnlyInTheWidestReading) {
  EXPECT_EQ(Texts("a<:b", tpxdiff::CppRules()), (Strings{"a", "<", ":", "b"}));
  EXPECT_EQ(Texts("a<:b%:%:", tpxdiff::WidestRules()), (Strings{"a", "<:", "b", "%:%:"}));
}

TEST(DifftestTokenizer, PreprocessingNumbers) {
  EXPECT_EQ(Texts("1e+5 0x1e+5 1.2.3 .5f 1uLs 12abc", tpxdiff::CRules()),
            (Strings{"1e+5", "0x1e+5", "1.2.3", ".5f", "1uLs", "12abc"}));
  // A sign joins a number only after e or E.
  EXPECT_EQ(Texts("0x1p+3 1-2", tpxdiff::CRules()), (Strings{"0x1p", "+", "3", "1", "-", "2"}));
  EXPECT_EQ(Texts("x.5", tpxdiff::CRules()), (Strings{"x", ".5"}));
}

TEST(DifftestTokenizer, LiteralsWithEscapesAndPrefixes) {
  EXPECT_EQ(Texts(R"("a\"b" L"w" 'c' L'\'' '\\')", tpxdiff::CRules()),
            (Strings{R"("a\"b")", R"(L"w")", "'c'", R"(L'\'')", R"('\\')"}));
  // L before a blank is a name; an unterminated literal ends at the line end.
  EXPECT_EQ(Texts("L \"x\"\n\"open\nnext", tpxdiff::CRules()),
            (Strings{"L", "\"x\"", "\"open", "next"}));
}

TEST(DifftestTokenizer, CommentsAndLines) {
  std::vector<tpxdiff::PpToken> t =
      tpxdiff::Tokenize("/* m.c 1: */a/**/b // c\r\n/* x\ny */c\rd", tpxdiff::CRules());
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].text, "a");
  EXPECT_EQ(t[1].text, "b");
  EXPECT_EQ(t[2].text, "c");
  EXPECT_EQ(t[3].text, "d");
  EXPECT_EQ(t[0].line, 1u);
  EXPECT_EQ(t[2].line, 3u);
  EXPECT_EQ(t[3].line, 4u);
  EXPECT_TRUE(t[0].lineStart);
  EXPECT_FALSE(t[1].lineStart);
  EXPECT_TRUE(t[3].lineStart);
}

TEST(DifftestTokenizer, LineDirectivesDropped) {
  const std::string text = "#line 1 \"m.c\"\r\na\r\n# 7 \"x.h\"\nb #line\n";
  EXPECT_EQ(Texts(text, tpxdiff::CRules(), true), (Strings{"a", "b", "#", "line"}));
  EXPECT_EQ(Texts(text, tpxdiff::CRules(), false).size(), 11u);
}

TEST(DifftestTokenizer, WhatRunsTogether) {
  EXPECT_TRUE(tpxdiff::RunTogether("-", ">"));
  EXPECT_TRUE(tpxdiff::RunTogether("+", "+="));
  EXPECT_TRUE(tpxdiff::RunTogether("/", "*"));
  EXPECT_TRUE(tpxdiff::RunTogether("/", "/"));
  EXPECT_TRUE(tpxdiff::RunTogether(".", "5"));
  EXPECT_TRUE(tpxdiff::RunTogether(".", "."));
  EXPECT_TRUE(tpxdiff::RunTogether("1", "x"));
  EXPECT_TRUE(tpxdiff::RunTogether("0x1e", "+"));
  EXPECT_TRUE(tpxdiff::RunTogether("?", "?"));
  EXPECT_TRUE(tpxdiff::RunTogether("<", ":"));
  EXPECT_TRUE(tpxdiff::RunTogether("%", ">"));
  EXPECT_TRUE(tpxdiff::RunTogether("u", "\"s\""));
  EXPECT_TRUE(tpxdiff::RunTogether("a", "b"));
  EXPECT_FALSE(tpxdiff::RunTogether("a", "+"));
  EXPECT_FALSE(tpxdiff::RunTogether("1", "+"));
  EXPECT_FALSE(tpxdiff::RunTogether(")", "("));
  EXPECT_FALSE(tpxdiff::RunTogether("+", "-"));
  EXPECT_FALSE(tpxdiff::RunTogether("\"s\"", "x"));
}

// ---- comparing with intended differences ----

std::vector<tpxdiff::PpToken> Toks(const std::string& s) {
  return tpxdiff::Tokenize(s, tpxdiff::CRules());
}

TEST(DifftestCompare, ExclusionsReadFromTheList) {
  tpxdiff::Exclusions e = tpxdiff::ParseExclusions(
      "# Title\n- **Corpus rule:** words, not an entry\n- Corpus rule: `line-numbers` (why)\n"
      "- Corpus file: `zlib/examples/gznorm.c`\n  - Corpus rule: `pragma-lines` indented\n");
  EXPECT_TRUE(e.Has("line-numbers"));
  EXPECT_FALSE(e.Has("pragma-lines"));
  EXPECT_EQ(e.files, (std::set<std::string>{"zlib/examples/gznorm.c"}));
  EXPECT_THROW(tpxdiff::ParseExclusions("- Corpus rule: `no-such-rule`\n"), std::runtime_error);
}

TEST(DifftestCompare, WithoutRulesEveryDifferenceCounts) {
  tpxdiff::Exclusions none;
  tpxdiff::Comparison same = tpxdiff::CompareTokens(Toks("a b 1"), Toks("a  b\n1"), none);
  EXPECT_TRUE(same.agree);
  EXPECT_EQ(same.tokens, 3u);
  EXPECT_EQ(same.excluded, 0u);
  tpxdiff::Comparison other = tpxdiff::CompareTokens(Toks("f(12)"), Toks("f(11)"), none);
  EXPECT_FALSE(other.agree);
  EXPECT_EQ(other.firstA, 2);
  EXPECT_FALSE(tpxdiff::CompareTokens(Toks("a b"), Toks("a"), none).agree);
}

TEST(DifftestCompare, LineNumbersOnlyLaterAndNear) {
  tpxdiff::Exclusions e;
  e.rules.insert("line-numbers");
  tpxdiff::Comparison later = tpxdiff::CompareTokens(Toks("f(47407)"), Toks("f(47406)"), e);
  EXPECT_TRUE(later.agree);
  EXPECT_EQ(later.excluded, 1u);
  EXPECT_FALSE(tpxdiff::CompareTokens(Toks("f(47405)"), Toks("f(47406)"), e).agree);
  EXPECT_FALSE(tpxdiff::CompareTokens(Toks("f(900)"), Toks("f(10)"), e).agree);
  EXPECT_FALSE(tpxdiff::CompareTokens(Toks("f(0x12)"), Toks("f(0x11)"), e).agree);
}

TEST(DifftestCompare, PragmaLinesLeftOut) {
  tpxdiff::Exclusions e;
  e.rules.insert("pragma-lines");
  tpxdiff::Comparison r = tpxdiff::CompareTokens(Toks("a\n/* m.c 2: */#pragma pack(4)\nb"),
                                                 Toks("a\n#pragma pack(N)\nb"), e);
  EXPECT_TRUE(r.agree);
  EXPECT_EQ(r.excluded, 6u);
  // Only at the start of a line.
  EXPECT_FALSE(tpxdiff::CompareTokens(Toks("a # pragma x"), Toks("a # pragma y"), e).agree);
}

TEST(DifftestCompare, KeywordAliasesByCanonicalSpelling) {
  tpxdiff::Exclusions e;
  e.rules.insert("keyword-aliases");
  tpxdiff::Comparison r =
      tpxdiff::CompareTokens(Toks("int __cdecl f(void)"), Toks("int _cdecl f(void)"), e);
  EXPECT_TRUE(r.agree);
  EXPECT_FALSE(tpxdiff::CompareTokens(Toks("__cdecl"), Toks("__stdcall"), e).agree);
}

// ---- the #if arithmetic the generator keeps to ----

using tpxgen::valid::ApplyBinary;
using tpxgen::valid::ApplyUnary;
using tpxgen::valid::IfValue;

TEST(DifftestIfValues, ValuesBothTools) {
  auto v = ApplyBinary("+", IfValue{2147483646, false}, IfValue{1, false});
  ASSERT_TRUE(v);
  EXPECT_EQ(v->v, 2147483647);
  v = ApplyBinary("/", IfValue{-7, false}, IfValue{2, false});
  ASSERT_TRUE(v);
  EXPECT_EQ(v->v, -3);
  v = ApplyBinary("<", IfValue{1, true}, IfValue{2, false});
  ASSERT_TRUE(v);
  EXPECT_EQ(v->v, 1);
  EXPECT_FALSE(v->isUnsigned);
  v = ApplyBinary("<<", IfValue{1, false}, IfValue{30, false});
  ASSERT_TRUE(v);
  EXPECT_EQ(v->v, 1 << 30);
}

TEST(DifftestIfValues, RefusesWhat32And64BitsTellApart) {
  // int overflow, unsigned wrap-around, negative converted to unsigned, shifts out of range.
  EXPECT_FALSE(ApplyBinary("+", IfValue{2147483647, false}, IfValue{1, false}));
  EXPECT_FALSE(ApplyBinary("-", IfValue{0, true}, IfValue{1, true}));
  EXPECT_FALSE(ApplyBinary("<", IfValue{-1, false}, IfValue{0, true}));
  EXPECT_FALSE(ApplyBinary("<<", IfValue{1, false}, IfValue{31, false}));
  EXPECT_FALSE(ApplyBinary(">>", IfValue{-8, false}, IfValue{1, false}));
  EXPECT_FALSE(ApplyBinary("%", IfValue{1, false}, IfValue{0, false}));
  EXPECT_FALSE(ApplyBinary("&", IfValue{-1, false}, IfValue{3, false}));
  EXPECT_FALSE(ApplyUnary("-", IfValue{1, true}));
  EXPECT_FALSE(ApplyUnary("~", IfValue{0, true}));
  EXPECT_FALSE(ApplyUnary("-", IfValue{-2147483647 - 1, false}));
}

// ---- the generator of valid input ----

std::string AllText(const tpxgen::Tree& tree) {
  std::string s;
  for (const tpxgen::File& f : tree.files) s += f.bytes + "\n";
  return s;
}

TEST(DifftestGenerator, SameSeedSameTree) {
  tpxgen::Params none;
  for (std::uint64_t seed : {1u, 2u, 77u}) {
    tpxgen::Tree a = tpxgen::Generate("valid", seed, none);
    tpxgen::Tree b = tpxgen::Generate("valid", seed, none);
    EXPECT_EQ(AllText(a), AllText(b));
  }
  EXPECT_NE(AllText(tpxgen::Generate("valid", 1, none)),
            AllText(tpxgen::Generate("valid", 2, none)));
}

TEST(DifftestGenerator, LanguageChosenByParameter) {
  EXPECT_EQ(tpxgen::Generate("valid", 5, tpxgen::Params({"lang=c"})).main, "m.c");
  EXPECT_EQ(tpxgen::Generate("valid", 5, tpxgen::Params({"lang=cpp"})).main, "m.cpp");
}

// The text with its line splices removed.
std::string Unspliced(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == '\n' || s[i + 1] == '\r')) {
      i += s[i + 1] == '\r' && i + 2 < s.size() && s[i + 2] == '\n' ? 2 : 1;
      continue;
    }
    out += s[i];
  }
  return out;
}

// Where text opens a line comment outside block comments and literals, or npos.
std::size_t LineCommentAt(const std::string& s) {
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] == '/' && s[i + 1] == '*') {
      std::size_t end = s.find("*/", i + 2);
      if (end == std::string::npos) return std::string::npos;
      i = end + 1;
    } else if (s[i] == '"' || s[i] == '\'') {
      std::size_t n = tpxdiff::LiteralLength(s, i);
      i += n - 1;
    } else if (s[i] == '/' && s[i + 1] == '/') {
      return i;
    }
  }
  return std::string::npos;
}

// What the list of intended differences says the generated input leaves out.
TEST(DifftestGenerator, LeavesOutWhatTheToolsReadDifferently) {
  for (std::uint64_t seed = 1; seed <= 150; ++seed) {
    tpxgen::Tree tree = tpxgen::Generate("valid", seed, tpxgen::Params());
    const bool cpp = tree.main == "m.cpp";
    for (const tpxgen::File& f : tree.files) {
      const std::string& s = f.bytes;
      SCOPED_TRACE("seed " + std::to_string(seed) + ", " + f.path);
      EXPECT_EQ(s.find("??"), std::string::npos);
      EXPECT_EQ(s.find('\xFB'), std::string::npos);
      EXPECT_EQ(s.find('\x1A'), std::string::npos);
      EXPECT_EQ(s.find('\0'), std::string::npos);
      EXPECT_EQ(s.find('$'), std::string::npos);
      const std::set<std::string> never = {
          "__LINE__", "__FILE__",    "__DATE__", "__TIME__", "__STDC__", "_Pragma",
          "pragma",   "__VA_ARGS__", "cdecl",    "_cdecl",   "pascal",   "_pascal",
          "asm",      "_asm",        "__asm",    "and",      "or",       "not",
          "xor",      "bitand",      "bitor",    "compl"};
      for (const tpxdiff::PpToken& t : tpxdiff::Tokenize(Unspliced(s), tpxdiff::WidestRules())) {
        EXPECT_EQ(never.count(t.text), 0u) << t.text;
        EXPECT_LE(t.text.size(), 250u);
      }
      if (!cpp) {
        EXPECT_EQ(LineCommentAt(Unspliced(s)), std::string::npos);
      }
    }
  }
}

}  // namespace
