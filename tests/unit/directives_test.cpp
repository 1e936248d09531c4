// Directive dispatch and conditional inclusion, driven through the scanner on pushed text:
// which tokens come out of the groups, which lines the messages name, and the conditional
// stack that each file keeps of its own.
#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "directives/conditional.h"
#include "driver/run.h"

namespace tpx {
namespace {

class DirectivesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx_.memory.Startup();
    ctx_.memory.StartOfFile();
    ctx_.options.CodePage = 1252;
    ctx_.options.ErrorLimit = 0;
    ctx_.options.WarningLimit = 0;
    ctx_.idents.Setup(0, false, false);
    ctx_.diag.ResetFileCounters();
    ctx_.diag.LoadWarningEnable();
    ctx_.scanner.Initialise();
    ctx_.scanner.RebuildLeadBytes();
    ctx_.directives.ResetConditionals();
    ctx_.position.fileName = "d.c";
  }
  void TearDown() override {
    ctx_.memory.EndOfFileRelease();
    ctx_.memory.Shutdown();
  }

  struct Result {
    std::string tokens;  // identifiers and numbers, each with the line it began on
    std::string messages;
  };

  // Reads `text` as the lines of a file (a line break is put before it, as before every file)
  // up to its end, and lists what reached the caller.
  Result Read(const std::string& text) {
    texts_.push_back("\n" + text);
    ctx_.source.PushText(texts_.back().c_str());
    Result result;
    testing::internal::CaptureStdout();
    for (int guard = 0; guard < 10000; ++guard) {
      TokenCode t = ctx_.scanner.GetToken();
      if (t == tok::EndOfInput) break;
      const Token& token = ctx_.scanner.Current();
      std::string spelling = t == tok::Identifier ? token.ident->name
                             : t == tok::IntConst ? std::string(token.spelling)
                                                  : kTokenNames[t];
      result.tokens += spelling + "@" + std::to_string(token.line) + " ";
    }
    result.messages = testing::internal::GetCapturedStdout();
    return result;
  }

  tpx::Run ctx_;
  std::list<std::string> texts_;
};

// Nested groups inside a false group are only counted: their conditions are never evaluated
// (a division by zero there says nothing), an #else inside them does not end the skip, and an
// #elif of the outer chain is taken only when the chain has not been taken yet.
TEST_F(DirectivesTest, NestedGroupsInsideAFalseGroup) {
  Result r = Read(
      "#if 0\n"
      "#if 1/0\n"
      "a\n"
      "#else\n"
      "b\n"
      "#endif\n"
      "#elif 1\n"
      "c\n"
      "#elif 1\n"
      "d\n"
      "#else\n"
      "e\n"
      "#endif\n"
      "f\n");
  EXPECT_EQ(r.tokens, "c@8 f@14 ");
  EXPECT_EQ(r.messages, "");
}

// Skipped lines keep the count: a token after a long false group, and after splices and
// comments spread over lines inside it, reports its own line.
TEST_F(DirectivesTest, SkippedLinesAreCounted) {
  std::string text = "#ifdef NOT_DEFINED\n";
  for (int i = 0; i < 50; ++i) text += "skipped /* a\ncomment */ 'x' \"#endif\" \\\nspliced\n";
  text += "#endif\nafter\n";
  Result r = Read(text);
  EXPECT_EQ(r.tokens, "after@153 ");
  EXPECT_EQ(r.messages, "");
}

// An #else or #elif in the wrong place is reported with its own line, and the group around it
// goes on as the rules say: a second #else is skipped with the group it closes.
TEST_F(DirectivesTest, MisplacedElseAndElif) {
  Result r = Read(
      "#if 1\n"
      "a\n"
      "#else\n"
      "b\n"
      "#else\n"
      "c\n"
      "#elif 1\n"
      "d\n"
      "#endif\n"
      "#else\n"
      "e\n");
  EXPECT_EQ(r.tokens, "a@2 e@11 ");
  EXPECT_EQ(r.messages,
            "Error d.c 5: Misplaced else directive\n"
            "Error d.c 7: Misplaced elif directive\n"
            "Error d.c 10: Misplaced else directive\n");
}

// The conditional stack belongs to the file being read: set aside, it is empty; restored, an
// #endif pops its frame again; at the end of a file a frame left open is reported with the
// line of the directive that opened it, or dropped without a word when the file is abandoned.
// (Lines count on from one text to the next, each of which starts with a line break.)
TEST_F(DirectivesTest, EachFileHasItsOwnConditionalStack) {
  Result r = Read("#if 1\n#ifdef X\n#else\nx\n");
  EXPECT_EQ(r.tokens, "x@4 ");
  // The end of the pushed text is not the end of a file: both frames are still open.
  ConditionalFrame* saved = ctx_.directives.SetAsideConditionals();
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->kind, ConditionalFrame::kElseGroup);
  ASSERT_NE(saved->next, nullptr);
  EXPECT_EQ(saved->next->kind, ConditionalFrame::kChainGroup);
  r = Read("#endif\n");
  EXPECT_EQ(r.messages, "Error d.c 6: Misplaced endif directive\n");

  ctx_.directives.RestoreConditionals(saved);
  r = Read("#endif\ny\n");
  EXPECT_EQ(r.tokens, "y@9 ");
  EXPECT_EQ(r.messages, "");

  testing::internal::CaptureStdout();
  ctx_.directives.EndConditionals(false);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error d.c 10: Unexpected end of file in conditional started on line 1\n");
  EXPECT_EQ(ctx_.directives.SetAsideConditionals(), nullptr);

  Read("#if 1\n");
  testing::internal::CaptureStdout();
  ctx_.directives.EndConditionals(true);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(ctx_.directives.SetAsideConditionals(), nullptr);
}

// A directive is recognised after blanks, comments and splices at the start of a line, and
// only there; after a token on the same line '#' is an illegal character.
TEST_F(DirectivesTest, WhereADirectiveIsRecognised) {
  Result r = Read(
      "  /* c */ # define A 1\n"
      "\\\n#define B 2\n"
      "A B\n"
      "x # define C 3\n"
      "C\n");
  EXPECT_EQ(r.tokens, "1@4 2@4 x@5 define@5 C@5 3@5 C@6 ");
  EXPECT_EQ(r.messages, "Error d.c 5: Illegal character '#' (0x23)\n");
}

}  // namespace
}  // namespace tpx
