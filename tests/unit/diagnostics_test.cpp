// The reporters: line format, counting, the message limits and the warning switches.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "diagnostics/diagnostics.h"
#include "options/option_block.h"

namespace tpx {
namespace {

class DiagnosticsTest : public ::testing::Test {
 protected:
  void SetUp() override { out_ = std::tmpfile(); }
  void TearDown() override { std::fclose(out_); }

  std::string Printed() {
    std::fflush(out_);
    std::rewind(out_);
    std::string text;
    int c;
    while ((c = std::fgetc(out_)) != EOF) text.push_back(static_cast<char>(c));
    std::rewind(out_);
    return text;
  }

  // Reports errors until the stop rule throws; returns how many reports returned normally.
  int ErrorsUntilStop(Diagnostics& diag, int most) {
    for (int i = 0; i < most; ++i) {
      try {
        diag.ReportError(196);
      } catch (const FatalError&) {
        return i;
      }
    }
    return most;
  }

  OptionBlock options_;
  SourcePosition position_;
  std::FILE* out_ = nullptr;
};

// Only the entries of the catalogue that can be reported have texts; the ends of the table
// answer with none.
TEST_F(DiagnosticsTest, CatalogueEnds) {
  EXPECT_EQ(MessageText(2), nullptr);
  EXPECT_EQ(MessageText(-1), nullptr);
  EXPECT_EQ(MessageText(509), nullptr);
  EXPECT_NE(MessageText(msg::ShiftOverflow), nullptr);
}

TEST_F(DiagnosticsTest, LineFormatWithAndWithoutPosition) {
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  diag.ReportError(202, "x.cpp");
  position_.fileName = "src/a.c";
  position_.messageLine = 12;
  diag.ReportError(214, "@", 0x40);
  position_.messageLine = 0;
  diag.ReportError(66);
  EXPECT_EQ(Printed(),
            "Error: Could not find file 'x.cpp'\n"
            "Error src/a.c 12: Illegal character '@' (0x40)\n"
            "Error src/a.c: Misplaced endif directive\n");
}

// The gnu form: "file:line: severity: text" on its own stream, the severity from the kind word.
TEST_F(DiagnosticsTest, GnuFormNamesFileLineAndSeverity) {
  std::FILE* err = std::tmpfile();
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  diag.UseGnuForm(err);
  diag.LoadWarningEnable();
  EXPECT_TRUE(diag.GnuForm());
  EXPECT_EQ(diag.Stream(), err);
  diag.ReportError(202, "x.cpp");
  position_.fileName = "src/a.c";
  position_.messageLine = 12;
  diag.ReportWarning(449);
  diag.ReportError(214, "@", 0x40);
  position_.messageLine = 0;
  diag.ReportError(66);
  diag.PrintSummary("*** %d errors in Compile ***\n", 3);
  position_.messageLine = 7;
  diag.ReportFatal(msg::InternalError, "at 0x1");
  // Number 10 ends the file but its kind word is "Error": the severity follows the kind word.
  EXPECT_THROW(diag.ReportFatal(msg::CannotOpenInput, "b.c"), FatalError);
  diag.ResetFileCounters();
  EXPECT_THROW(diag.ReportFatal(msg::ErrorDirective, "stop"), FatalError);

  std::swap(out_, err);
  const std::string gnu = Printed();
  std::swap(out_, err);
  std::fclose(err);
  EXPECT_EQ(gnu,
            "tpx32: error: Could not find file 'x.cpp'\n"
            "src/a.c:12: warning: Division by zero\n"
            "src/a.c:12: error: Illegal character '@' (0x40)\n"
            "src/a.c: error: Misplaced endif directive\n"
            "*** 3 errors in Compile ***\n"
            "src/a.c:7: fatal error: Internal compiler error at 0x1\n"
            "src/a.c:7: error: Unable to open input file 'b.c'\n"
            "src/a.c:7: fatal error: Error directive: stop\n");
  // Nothing went to the usual stream.
  EXPECT_EQ(Printed(), "");
}

TEST_F(DiagnosticsTest, SummaryGoesWhereTheMessagesGo) {
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  diag.PrintSummary("*** %d errors in Compile ***\n", 2);
  EXPECT_EQ(Printed(), "*** 2 errors in Compile ***\n");
}

TEST_F(DiagnosticsTest, FatalKindWordAndControlTransfer) {
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  position_.fileName = "a.c";
  position_.messageLine = 3;
  diag.ReportFatal(msg::InternalError, "at 0x1");  // neither counts nor transfers control
  EXPECT_EQ(diag.ErrorCount(), 0u);
  EXPECT_THROW(diag.ReportFatal(msg::CannotOpenInput, "b.c"), FatalError);
  EXPECT_EQ(diag.ErrorCount(), 1u);
  EXPECT_TRUE(diag.FatalLatch());
  // After a fatal error nothing more is printed for the file.
  diag.ReportError(196);
  diag.ReportWarning(449);
  EXPECT_NO_THROW(diag.ReportFatal(msg::OutOfMemory));
  EXPECT_EQ(Printed(),
            "Fatal a.c 3: Internal compiler error at 0x1\n"
            "Error a.c 3: Unable to open input file 'b.c'\n");
  diag.ResetFileCounters();
  EXPECT_FALSE(diag.FatalLatch());
  EXPECT_EQ(diag.ErrorCount(), 0u);
}

TEST_F(DiagnosticsTest, DefaultErrorLimitStopsAtTheTwentyFifth) {
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  diag.LoadWarningEnable();
  EXPECT_EQ(ErrorsUntilStop(diag, 100), 24);
  EXPECT_EQ(diag.ErrorCount(), 26u);  // 25 errors and the stop report
  std::string text = Printed();
  EXPECT_NE(text.find("Error: Too many error or warning messages\n"), std::string::npos);
  EXPECT_EQ(text.find("Too many"), text.rfind("Too many"));
}

TEST_F(DiagnosticsTest, ZeroLimitsMeanNoLimit) {
  options_.ErrorLimit = 0;
  options_.WarningLimit = 0;
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  diag.LoadWarningEnable();
  EXPECT_EQ(ErrorsUntilStop(diag, 400), 400);
  for (int i = 0; i < 300; ++i) diag.ReportWarning(449);
  EXPECT_EQ(diag.ErrorCount(), 400u);
  EXPECT_EQ(diag.MessageCount(), 700u);
}

TEST_F(DiagnosticsTest, WarningLimitCountsErrorsAndWarningsDifferently) {
  options_.WarningLimit = 5;
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  diag.LoadWarningEnable();
  for (int i = 0; i < 4; ++i) diag.ReportWarning(449);
  // An error when errors and warnings together number 5 stops the file.
  EXPECT_THROW(diag.ReportError(196), FatalError);

  Diagnostics second(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                     out_);
  second.LoadWarningEnable();
  second.ReportError(196);
  second.ReportError(196);
  for (int i = 0; i < 4; ++i) second.ReportWarning(449);  // 6 messages, 4 warnings: goes on
  EXPECT_THROW(second.ReportWarning(449), FatalError);    // the 5th warning stops
}

TEST_F(DiagnosticsTest, DisabledWarningIsNeitherPrintedNorCounted) {
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  diag.LoadWarningEnable();
  diag.ReportWarning(435);  // "amb" is off by default
  EXPECT_EQ(diag.MessageCount(), 0u);
  EXPECT_EQ(Printed(), "");
  diag.ReportWarning(449);
  EXPECT_EQ(Printed(), "Warning: Division by zero\n");
  EXPECT_EQ(diag.WarningCount(), 1u);
}

TEST_F(DiagnosticsTest, CommandLineStateIsWhatEachFileStartsFrom) {
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  diag.SetSwitch(14, false);  // -w-zdi
  diag.LoadWarningEnable();
  EXPECT_TRUE(diag.WarningEnabled(449));  // not committed yet
  diag.CommitCommandLineSwitches();
  diag.LoadWarningEnable();
  EXPECT_FALSE(diag.WarningEnabled(449));
  EXPECT_FALSE(diag.WarningEnabled(434));
}

TEST_F(DiagnosticsTest, ReportsOutsideFilesIgnoreLimitsAndLatch) {
  options_.ErrorLimit = 1;
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  EXPECT_NO_THROW(diag.ReportOutsideFile(msg::CouldNotFindFile, "a.cpp"));
  EXPECT_NO_THROW(diag.ReportOutsideFile(msg::CouldNotFindFile, "b.cpp"));
  EXPECT_EQ(options_.ErrorLimit, 1);
  EXPECT_THROW(diag.ErrorAndExit(msg::NoFileNames), ProcessExit);
  EXPECT_EQ(Printed(),
            "Error: Could not find file 'a.cpp'\n"
            "Error: Could not find file 'b.cpp'\n"
            "Error: No file names given\n");
}

TEST_F(DiagnosticsTest, OverflowIsAnErrorOnlyInStrictMode) {
  Diagnostics diag(options_.ErrorLimit, options_.WarningLimit, options_.LanguageMode, position_,
                   out_);
  diag.LoadWarningEnable();
  diag.ReportOverflow();
  options_.LanguageMode = 1;
  diag.ReportOverflow();
  EXPECT_EQ(Printed(), "Warning: Integer arithmetic overflow\nError: Numeric constant too large\n");
}

}  // namespace
}  // namespace tpx
