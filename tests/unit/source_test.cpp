// Identifier table, scanner and number conversion, driven through a real run context with the
// source text pushed directly onto the source stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "driver/run.h"

namespace tpx {
namespace {

TEST(CharHash, ValuesOfTheFirstDraws) {
  EXPECT_EQ(kCharHash['0'], 25);
  EXPECT_EQ(kCharHash['A'], -26603);
  EXPECT_EQ(kCharHash['a'], 6125);
  EXPECT_EQ(kCharHash['_'], -8758);
  EXPECT_EQ(kCharHash['$'], 0);
  EXPECT_EQ(kCharHash[' '], 0);
  for (int c = 0; c < 256; ++c) {
    bool identChar =
        (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    EXPECT_EQ(kCharHash[static_cast<unsigned char>(c)] != 0, identChar) << c;
  }
}

TEST(CharHash, NameHashIsSumMinusLength) {
  std::uint32_t expected = static_cast<std::uint32_t>(kCharHash['a'] + kCharHash['0']) - 2u;
  EXPECT_EQ(HashName("a0", 2), expected);
  // Bytes that are not identifier characters count only through the length.
  EXPECT_EQ(HashName("a+", 2), static_cast<std::uint32_t>(kCharHash['a']) - 2u);
}

// The keyword groups give each spelling the code whose entry in the token name table is that
// spelling: a misnumbered group, a misspelt name or a shifted name table all show here.
TEST(TokenNames, KeywordsInstalledUnderTheirOwnCodes) {
  auto ctx = std::make_unique<tpx::Run>();
  ctx->memory.Startup();
  ctx->memory.StartOfFile();
  int checked = 0;
  for (bool cpp : {false, true}) {
    ctx->idents.Setup(0, cpp, true);
    for (TokenCode code = tok::FirstKeyword; code <= tok::LastKeyword; ++code) {
      if (code == tok::ColonColon) continue;
      IdentEntry* entry = ctx->idents.LookupName(kTokenNames[code]);
      // Every keyword of the name table is a keyword of C++; in C some are plain names.
      if (cpp || entry->keyword != 0) {
        EXPECT_EQ(entry->keyword, code) << kTokenNames[code];
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, static_cast<int>(tok::LastKeyword - tok::FirstKeyword));
  ctx->memory.EndOfFileRelease();
  ctx->memory.Shutdown();
}

// A run context with its pools up and tables set for a file.
class ScannerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx_.memory.Startup();
    ctx_.memory.StartOfFile();
  }
  void TearDown() override {
    ctx_.memory.EndOfFileRelease();
    ctx_.memory.Shutdown();
  }

  // Sets the file up for `language` (0 C, 1 C++) and the current options.
  void Start(bool cpp = false) {
    ctx_.frontEndCpp = cpp;
    ctx_.options.CodePage = ctx_.options.CodePage == 0 ? 1252 : ctx_.options.CodePage;
    ctx_.idents.Setup(ctx_.options.LanguageMode, cpp, ctx_.options.CompatLevel != 0);
    ctx_.diag.ResetFileCounters();
    ctx_.diag.LoadWarningEnable();
    ctx_.scanner.Initialise();
    ctx_.scanner.RebuildLeadBytes();
  }

  // Scans `text` and returns its tokens.
  std::vector<Token> Scan(const char* text) {
    text_ = text;
    ctx_.source.PushText(text_.c_str());
    std::vector<Token> tokens;
    for (int guard = 0; guard < 1000; ++guard) {
      TokenCode t = ctx_.scanner.GetToken();
      if (t == tok::EndOfInput) break;
      Token copy = ctx_.scanner.Current();
      tokens.push_back(copy);
    }
    return tokens;
  }

  std::vector<TokenCode> Codes(const char* text) {
    std::vector<TokenCode> codes;
    for (const Token& t : Scan(text)) codes.push_back(t.code);
    return codes;
  }

  tpx::Run ctx_;
  std::string text_;
};

TEST_F(ScannerTest, OperatorsAndSplicesInOperatorGroups) {
  Start();
  EXPECT_EQ(Codes("a+++b"),
            (std::vector<TokenCode>{tok::Identifier, tok::PlusPlus, tok::Plus, tok::Identifier}));
  EXPECT_EQ(Codes("+\\\n+"), (std::vector<TokenCode>{tok::PlusPlus}));
  // No splice inside the other multi-character operators.
  EXPECT_EQ(Codes("-\\\n>"), (std::vector<TokenCode>{tok::Minus, tok::Greater}));
  EXPECT_EQ(Codes("... :: <<= >>= -> ->* .*"),
            (std::vector<TokenCode>{tok::Ellipsis, tok::ColonColon, tok::ShlAssign, tok::ShrAssign,
                                    tok::Arrow, tok::Arrow, tok::Star, tok::DotStar}));
  EXPECT_EQ(Codes("== != &= &&"),
            (std::vector<TokenCode>{tok::Equal, tok::NotEqual, tok::AmpAssign, tok::AndAnd}));
}

TEST_F(ScannerTest, ArrowStarOnlyInCpp) {
  Start(true);
  EXPECT_EQ(Codes("->*"), (std::vector<TokenCode>{tok::ArrowStar}));
}

// The output loop reads operators straight from the buffer; whatever it decides for three
// bytes must be what the token loop reads from them: the same first token, of the same length.
TEST_F(ScannerTest, PlainOperatorAgreesWithTheTokenLoop) {
  const std::string bytes = "!%&*+^|=-<>:.0a ;\\";
  for (bool cpp : {false, true}) {
    Start(cpp);
    int decided = 0;
    for (char a : bytes) {
      for (char b : bytes) {
        for (char c : bytes) {
          const std::string text = std::string{a, b, c} + "  ";
          const auto* p = reinterpret_cast<const unsigned char*>(text.data());
          std::size_t length = 0;
          TokenCode code = Scanner::PlainOperator(p, p + 3, cpp, length);
          if (code == tok::NoToken) continue;
          ++decided;
          ASSERT_GE(length, 1u);
          ASSERT_LE(length, 3u);
          std::vector<TokenCode> expected{code};
          for (TokenCode t : Codes(text.substr(length).c_str())) expected.push_back(t);
          EXPECT_EQ(Codes(text.c_str()), expected) << "bytes \"" << text.substr(0, 3) << "\"";
        }
      }
    }
    // Every one of the 13 operator bytes is decided whatever follows, unless a backslash
    // follows it (17 other bytes each place) or a point is followed by a digit or a point.
    EXPECT_EQ(decided, 13 * 17 * 17 - 2 * 17);
  }
}

TEST_F(ScannerTest, KeywordsFollowLanguageAndLevel) {
  Start();
  auto codeOf = [this](const char* word) { return ctx_.idents.LookupName(word)->keyword; };
  EXPECT_EQ(codeOf("int"), 67);
  EXPECT_EQ(codeOf("pascal"), 82);
  EXPECT_EQ(codeOf("class"), 0);
  EXPECT_EQ(codeOf("new"), 0);
  EXPECT_EQ(codeOf("__try"), 110);
  EXPECT_EQ(codeOf("__except"), 113);

  ctx_.options.LanguageMode = 3;  // -AK
  Start();
  EXPECT_EQ(codeOf("const"), 0);
  EXPECT_EQ(codeOf("signed"), 0);
  EXPECT_EQ(codeOf("volatile"), 0);
  EXPECT_EQ(codeOf("enum"), 0);
  EXPECT_EQ(codeOf("void"), 0);
  EXPECT_EQ(codeOf("int"), 67);

  ctx_.options.LanguageMode = 1;  // -A
  Start();
  EXPECT_EQ(codeOf("pascal"), 0);
  EXPECT_EQ(codeOf("__int64"), 0);
  EXPECT_EQ(codeOf("__pascal"), 82);

  ctx_.options.LanguageMode = 0;
  Start(true);
  EXPECT_EQ(codeOf("class"), 116);
  EXPECT_EQ(codeOf("wchar_t"), 65);
  EXPECT_EQ(codeOf("__try"), 0);
  ctx_.options.LanguageMode = 1;
  Start(true);
  EXPECT_EQ(codeOf("asm"), 97);
  EXPECT_EQ(codeOf("__except"), 0);
}

TEST_F(ScannerTest, IdentifierTableEntries) {
  Start();
  IdentEntry* a = ctx_.idents.LookupName("name");
  EXPECT_EQ(ctx_.idents.LookupName("name"), a);
  EXPECT_NE(ctx_.idents.LookupName("Name"), a);
  EXPECT_FALSE(a->IsMacro());
  EXPECT_FALSE(ctx_.idents.IsDefined("name"));
  EXPECT_EQ(a->length, 4);
  EXPECT_STREQ(a->name, "name");
}

// Names made of the same characters in another order have the same hash and share a bucket;
// past a few entries such a bucket is searched through a second index. Lookups must keep
// finding the one entry of each name, and macros are still visited newest first.
TEST_F(ScannerTest, CrowdedBucketKeepsEntriesAndOrder) {
  Start();
  std::vector<std::string> names;
  std::string digits = "0123456789";
  do {
    std::string name = "M";
    name.append(digits, 0, 6);
    names.push_back(name);
  } while (std::next_permutation(digits.begin(), digits.begin() + 6) && names.size() < 300);
  const std::uint32_t hash = HashName(names[0].data(), names[0].size());
  std::vector<IdentEntry*> entries;
  for (const std::string& n : names) {
    ASSERT_EQ(HashName(n.data(), n.size()), hash);
    entries.push_back(ctx_.idents.LookupName(n.c_str()));
    entries.back()->definition = reinterpret_cast<MacroDef*>(entries.back());  // "defined"
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(ctx_.idents.LookupName(names[i].c_str()), entries[i]) << names[i];
    EXPECT_STREQ(entries[i]->name, names[i].c_str());
    for (std::size_t j = 0; j < i; ++j) ASSERT_NE(entries[i], entries[j]);
  }
  // A name of the same characters that was never entered gets a new entry.
  IdentEntry* fresh = ctx_.idents.LookupName("M987654");
  EXPECT_EQ(std::find(entries.begin(), entries.end(), fresh), entries.end());
  EXPECT_EQ(ctx_.idents.LookupName("M987654"), fresh);

  std::vector<IdentEntry*> visited;
  ctx_.idents.ForEachMacro(
      [](void* owner, IdentEntry* e) {
        static_cast<std::vector<IdentEntry*>*>(owner)->push_back(e);
        return true;
      },
      &visited);
  std::vector<IdentEntry*> newestFirst(entries.rbegin(), entries.rend());
  EXPECT_EQ(visited, newestFirst);

  // Setting the table up again forgets every entry, crowded buckets included.
  ctx_.idents.Setup(0, false, false);
  IdentEntry* again = ctx_.idents.LookupName(names[5].c_str());
  EXPECT_FALSE(again->IsMacro());
  visited.clear();
  ctx_.idents.ForEachMacro(
      [](void* owner, IdentEntry* e) {
        static_cast<std::vector<IdentEntry*>*>(owner)->push_back(e);
        return true;
      },
      &visited);
  EXPECT_TRUE(visited.empty());
}

// Names of one length that differ in a single byte share a bucket hash; every length and every
// position of the difference must still give distinct entries.
TEST_F(ScannerTest, NamesDifferingInOneByteAreToldApart) {
  Start();
  for (std::size_t length = 1; length <= 40; ++length) {
    // From the last position backwards, so that the first names entered differ only at the
    // end and are compared while the bucket still holds few entries.
    std::vector<IdentEntry*> entries(length);
    for (std::size_t at = length; at-- > 0;) {
      std::string name(length, 'a');
      name[at] = 'b';
      entries[at] = ctx_.idents.LookupName(name.c_str());
      ASSERT_EQ(entries[at]->length, length);
      ASSERT_EQ(std::string(entries[at]->name), name);
    }
    for (std::size_t at = length; at-- > 0;) {
      std::string name(length, 'a');
      name[at] = 'b';
      EXPECT_EQ(ctx_.idents.LookupName(name.c_str()), entries[at]) << name;
    }
  }
}

// A name read from a source buffer is looked up with the bytes that follow it in reach. Whatever
// those bytes are, it must find the entry the plain lookup finds, also for entries that end
// just before the end of the committed arena, and must never take a longer or shorter name.
TEST_F(ScannerTest, LookupFromBufferFindsTheSameEntries) {
  Start();
  int nearCommitEnd = 0;
  for (int i = 0; i < 6000; ++i) {
    std::string name(1 + i % 20, 'a');
    for (std::size_t k = 0, n = static_cast<std::size_t>(i); k < name.size() && n != 0; ++k, n /= 7)
      name[k] = static_cast<char>('a' + n % 7);
    std::uint32_t hash = HashName(name.data(), name.size());
    // Every tenth entry is made so that it ends at the end of the committed part of the arena.
    SaveArena& arena = ctx_.memory.arena;
    std::size_t size = (offsetof(IdentEntry, name) + name.size() + 1 + 7) / 8 * 8;
    std::size_t room = static_cast<std::size_t>(arena.CommitEnd() - arena.AllocationPointer());
    if (i % 10 == 0 && room > size + 16) arena.SetAllocationPointer(arena.CommitEnd() - size - 8);
    IdentEntry* entry = ctx_.idents.LookupName(name.c_str());
    if (entry->name + 16 > arena.CommitEnd()) ++nearCommitEnd;
    for (const char* after : {"abcdefghijklmnopqrstu", "_________________", "(x, y);"}) {
      std::string buffer = name + after + std::string(16, '\0');
      ASSERT_EQ(ctx_.idents.LookupPadded(buffer.data(), name.size(), hash), entry) << name;
    }
    // The name with one byte more, or one less, is another entry.
    std::string longer = name + "z" + std::string(16, '\0');
    IdentEntry* other = ctx_.idents.LookupPadded(longer.data(), name.size() + 1,
                                                 HashName(longer.data(), name.size() + 1));
    ASSERT_NE(other, entry);
    ASSERT_EQ(std::string(other->name), name + "z");
    if (name.size() > 1) {
      std::string shorter = name + std::string(16, '\0');
      IdentEntry* less = ctx_.idents.LookupPadded(shorter.data(), name.size() - 1,
                                                  HashName(shorter.data(), name.size() - 1));
      ASSERT_EQ(std::string(less->name), name.substr(0, name.size() - 1));
    }
  }
  // Some entries were made with fewer than 16 committed bytes from their name on.
  EXPECT_GT(nearCommitEnd, 0);
}

TEST_F(ScannerTest, IdentifierLengthLimit) {
  ctx_.scannerIdentifierLength = 8;
  Start();
  std::vector<Token> tokens = Scan("abcdefghXY abcdefghZZ");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].ident, tokens[1].ident);
  EXPECT_STREQ(tokens[0].ident->name, "abcdefgh");
}

TEST_F(ScannerTest, WidePrefix) {
  Start();
  std::vector<Token> tokens = Scan("L'a' L x");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].code, tok::CharConst);
  EXPECT_EQ(tokens[0].type, 4);
  EXPECT_EQ(tokens[0].value, 'a');
  EXPECT_EQ(tokens[1].code, tok::Identifier);
  EXPECT_STREQ(tokens[1].ident->name, "L");
}

struct NumberCase {
  const char* text;
  TokenCode code;
  std::uint8_t type;
  std::uint64_t value;
};

TEST_F(ScannerTest, IntegerConstants) {
  Start();
  const NumberCase cases[] = {
      {"0x1F", tok::IntConst, 7, 31},
      {"0xFFFFFFFF", tok::IntConst, 10, 0xFFFFFFFFu},
      {"2147483647", tok::IntConst, 7, 2147483647u},
      {"2147483648", tok::IntConst, 10, 2147483648u},
      {"4294967296", tok::LongConst, 11, 4294967296ull},
      {"012", tok::IntConst, 7, 10},
      {"10u", tok::IntConst, 8, 10},
      {"10ul", tok::IntConst, 10, 10},
      {"10L", tok::IntConst, 9, 10},
      {"10lu", tok::IntConst, 10, 10},
      {"3000000000L", tok::IntConst, 10, 3000000000u},
      {"5i64", tok::LongConst, 11, 5},
      {"5ui64", tok::LongConst, 12, 5},
      {"300ui8", tok::IntConst, 3, 300 & 0xFF},
      {"70000i16", tok::IntConst, 5, 70000 & 0xFFFF},
      {"7i32", tok::IntConst, 9, 7},
      {"0xFFFFFFFFFFFFFFFF", tok::LongConst, 12, ~0ull},
  };
  for (const NumberCase& c : cases) {
    std::vector<Token> tokens = Scan(c.text);
    ASSERT_EQ(tokens.size(), 1u) << c.text;
    EXPECT_EQ(tokens[0].code, c.code) << c.text;
    EXPECT_EQ(tokens[0].type, c.type) << c.text;
    if (c.code == tok::LongConst)
      EXPECT_EQ(tokens[0].value64, c.value) << c.text;
    else
      EXPECT_EQ(tokens[0].value, c.value) << c.text;
  }
  EXPECT_EQ(ctx_.diag.ErrorCount(), 0u);
}

// A number copied into the token text buffer (as macro arguments and bodies are) near its end
// keeps what fits and never writes past it, the same with the shortcuts and without them: the
// plain-decimal shortcut hands a number that does not fit, end byte included, to the general
// scanner.
TEST_F(ScannerTest, NumbersCopiedAtTheEndOfTheTextBuffer) {
  constexpr std::size_t kSize = Scanner::kTextBufferSize;
  for (std::size_t digits : {1u, 2u, 9u}) {
    const std::string number = std::string("123456789").substr(0, digits);
    for (std::size_t position = kSize - 14; position < kSize; ++position) {
      std::string kept[2];
      for (bool shortcuts : {true, false}) {
        ctx_.SetShortcuts(shortcuts);
        Start();
        text_ = number.substr(1) + "+";
        ctx_.source.PushText(text_.c_str());
        ctx_.scanner.SetTextPosition(position);
        ctx_.scanner.CopyNumber(number[0]);
        const std::size_t end = ctx_.scanner.TextPosition();
        ASSERT_LE(end, kSize - 1) << digits << " digits at " << position;
        EXPECT_EQ(ctx_.source.NextByte(), '+') << digits << " digits at " << position;
        kept[shortcuts] = std::string(ctx_.scanner.Text() + position, end - position);
      }
      EXPECT_EQ(kept[true], kept[false]) << digits << " digits at " << position;
      EXPECT_EQ(kept[false], number.substr(0, kSize - 1 - position))
          << digits << " digits at " << position;
    }
  }
  ctx_.SetShortcuts(true);
}

TEST_F(ScannerTest, OctalStopsAtEightAndNine) {
  Start();
  std::vector<Token> tokens = Scan("09");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].value, 0u);
  EXPECT_EQ(tokens[1].value, 9u);
}

TEST_F(ScannerTest, FloatingConstants) {
  Start();
  std::vector<Token> tokens = Scan("1.5e+3 2.5f 1e5 .25 3.0L");
  ASSERT_EQ(tokens.size(), 5u);
  EXPECT_EQ(tokens[0].code, tok::FloatConst);
  EXPECT_EQ(tokens[0].type, 14);
  EXPECT_EQ(tokens[0].floatValue, 1500.0L);
  EXPECT_EQ(tokens[1].type, 13);
  EXPECT_EQ(tokens[1].floatValue, 2.5L);
  EXPECT_EQ(tokens[2].type, 14);
  EXPECT_EQ(tokens[3].floatValue, 0.25L);
  EXPECT_EQ(tokens[4].type, 15);
  EXPECT_EQ(ctx_.diag.ErrorCount(), 0u);
  // The spelling is the text as scanned (it lives in the shared token text buffer).
  ASSERT_EQ(Scan("1.5e+3").size(), 1u);
  EXPECT_STREQ(ctx_.scanner.Current().spelling, "1.5e+3");
  // Spellings of any length are converted whole, up to their suffix, and keep their text.
  std::string tiny = "0." + std::string(599, '0') + "1e600";
  for (const char* suffix : {"", "L"}) {
    std::string text = tiny + suffix;
    ASSERT_EQ(Scan(text.c_str()).size(), 1u) << suffix;
    EXPECT_EQ(ctx_.scanner.Current().floatValue, 1.0L) << suffix;
    EXPECT_STREQ(ctx_.scanner.Current().spelling, text.c_str());
  }
}

TEST_F(ScannerTest, NumberErrors) {
  Start();
  testing::internal::CaptureStdout();
  Scan("1.2.3");
  Scan("0x1.5");
  Scan("1e+x");
  Scan("5i7");
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Too many decimal points"), std::string::npos) << out;
  EXPECT_NE(out.find("Misplaced decimal point"), std::string::npos) << out;
  EXPECT_NE(out.find("Incorrect number format"), std::string::npos) << out;
  EXPECT_NE(out.find("Illegal number suffix"), std::string::npos) << out;
  EXPECT_EQ(ctx_.diag.ErrorCount(), 4u);
}

TEST_F(ScannerTest, StrictModeWrapsAndReports) {
  ctx_.options.LanguageMode = 1;
  Start();
  testing::internal::CaptureStdout();
  std::vector<Token> tokens = Scan("4294967296");
  std::string out = testing::internal::GetCapturedStdout();
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].code, tok::IntConst);
  EXPECT_EQ(tokens[0].type, 10);
  EXPECT_EQ(tokens[0].value, 0u);
  EXPECT_NE(out.find("Numeric constant too large"), std::string::npos);
}

TEST_F(ScannerTest, CharacterConstants) {
  Start();
  std::vector<Token> tokens = Scan("'a' 'ab' '\\x41' '\\377' '\\n' '\\''");
  ASSERT_EQ(tokens.size(), 6u);
  EXPECT_EQ(tokens[0].code, tok::CharConst);
  EXPECT_EQ(tokens[0].value, 'a');
  EXPECT_EQ(tokens[1].code, tok::IntConst);
  EXPECT_EQ(tokens[1].value, 0x6261u);
  EXPECT_EQ(tokens[2].code, tok::CharConst);
  EXPECT_EQ(tokens[2].value, 65u);
  // Plain char is signed by default.
  EXPECT_EQ(tokens[3].value, 0xFFFFFFFFu);
  EXPECT_EQ(tokens[4].value, 10u);
  EXPECT_EQ(tokens[5].value, static_cast<std::uint32_t>('\''));
  EXPECT_EQ(ctx_.diag.ErrorCount(), 0u);
}

TEST_F(ScannerTest, UnsignedCharOption) {
  ctx_.options.UnsignedChar = 1;
  Start();
  std::vector<Token> tokens = Scan("'\\377'");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].value, 255u);
}

TEST_F(ScannerTest, CharacterConstantErrors) {
  Start();
  testing::internal::CaptureStdout();
  Scan("'' 'abcde' '\\400' '\\x0041'");
  std::string out = testing::internal::GetCapturedStdout();
  std::size_t count = 0;
  for (std::size_t at = out.find("one or two characters long"); at != std::string::npos;
       at = out.find("one or two characters long", at + 1))
    ++count;
  EXPECT_EQ(count, 2u) << out;
  EXPECT_NE(out.find("Numeric constant too large"), std::string::npos) << out;
  EXPECT_NE(out.find("Warning: Hexadecimal value contains more than 3 digits"), std::string::npos)
      << out;
}

}  // namespace
}  // namespace tpx
