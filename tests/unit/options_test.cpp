#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "driver/run.h"
#include "options/options.h"
#include "platform/platform.h"

namespace {

using tpx::ConfigWord;
using tpx::OptionEntry;
using tpx::RunContext;
namespace h = tpx::handlers;
namespace fs = std::filesystem;

// What an action that must end the process printed, and the status it ended with.
struct ExitResult {
  bool exited = false;
  int status = -1;
  std::string output;
};

template <typename Action>
ExitResult CaptureExit(Action action) {
  ExitResult result;
  testing::internal::CaptureStdout();
  try {
    action();
  } catch (const tpx::ProcessExit& e) {
    result.exited = true;
    result.status = e.status;
  }
  result.output = testing::internal::GetCapturedStdout();
  return result;
}

template <typename Action>
std::string CaptureOutput(Action action) {
  testing::internal::CaptureStdout();
  action();
  return testing::internal::GetCapturedStdout();
}

// An argument vector built from texts.
class Args {
 public:
  Args(std::initializer_list<const char*> texts) : texts_(texts.begin(), texts.end()) {
    for (std::string& t : texts_) pointers_.push_back(t.data());
    pointers_.push_back(nullptr);
  }
  int argc() const { return static_cast<int>(texts_.size()); }
  char** argv() { return pointers_.data(); }

 private:
  std::vector<std::string> texts_;
  std::vector<char*> pointers_;
};

// A fresh empty directory made current for the duration of a test.
class TempCwd {
 public:
  TempCwd() : previous_(fs::current_path()) {
    static int counter = 0;
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("tpx_options_" + std::string(info->name()) + "_" + std::to_string(counter++) + "_" +
            std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  ~TempCwd() {
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  void Write(const char* name, const std::string& content) const {
    std::ofstream(dir_ / name, std::ios::binary) << content;
  }

 private:
  fs::path previous_;
  fs::path dir_;
};

class OptionsTest : public testing::Test {
 protected:
  void SetUp() override { ctx.memory.Startup(); }

  int Parse(const char* text, int level = tpx::kCommandLine) {
    return tpx::ParseOption(ctx, level, text);
  }
  std::uint8_t Ign(tpx::ignored::Index index) const { return ctx.options.Ignored[index]; }
  // A directory as the lists complete it: with the platform's separator appended.
  static std::string Dir(const char* name) {
    return name + std::string(1, platform::kPathSeparator);
  }
  std::vector<std::string> Dirs(const tpx::DirectoryRecord* list) const {
    std::vector<std::string> out;
    for (; list != nullptr; list = list->next) out.emplace_back(list->directory);
    return out;
  }
  std::vector<std::string> DefineNames() const {
    std::vector<std::string> out;
    for (const tpx::DefineRecord* r = ctx.lists.defines; r != nullptr; r = r->next)
      out.emplace_back(r->name);
    return out;
  }
  std::string DefineValue(const char* name) const {
    const tpx::DefineRecord* r = tpx::FindDefine(ctx, name);
    return r == nullptr ? "<none>" : std::string(r->value);
  }
  std::vector<bool> Switches() const {
    std::vector<bool> out;
    for (int i = 0; i < tpx::kWarningSwitchCount; ++i) out.push_back(ctx.diag.SwitchOn(i));
    return out;
  }
  static int SwitchIndex(const char* code) {
    for (int i = 0; i < tpx::kWarningSwitchCount; ++i)
      if (std::strcmp(tpx::kWarningSwitches[i].code, code) == 0) return i;
    return -1;
  }

  tpx::Run ctx;
};

constexpr std::size_t kIgn0 = offsetof(tpx::OptionBlock, Ignored) + 60;
constexpr std::size_t kIgn1 = offsetof(tpx::OptionBlock, Ignored) + 61;
constexpr OptionEntry kEnd{0, 0, nullptr, nullptr, 0, 0};

// ---------------------------------------------------------------------------------------------
// The matcher.

TEST_F(OptionsTest, WildcardEntryActsButNeverAcceptsAlone) {
  const OptionEntry onlyWildcard[] = {{tpx::kAnyLetter, 2, h::SetValue, nullptr, kIgn0, 7}, kEnd};
  EXPECT_EQ(tpx::MatchOption(ctx, "x", onlyWildcard), 0);
  EXPECT_EQ(ctx.options.Ignored[60], 7);
  // It also matches the end of the text.
  ctx.options.Ignored[60] = 0;
  EXPECT_EQ(tpx::MatchOption(ctx, "", onlyWildcard), 0);
  EXPECT_EQ(ctx.options.Ignored[60], 7);

  const OptionEntry withExact[] = {{tpx::kAnyLetter, 2, h::SetValue, nullptr, kIgn0, 7},
                                   {'x', 2, h::SetValue, nullptr, kIgn1, 9},
                                   kEnd};
  ctx.options.Ignored[60] = 0;
  EXPECT_EQ(tpx::MatchOption(ctx, "x", withExact), 1);
  EXPECT_EQ(ctx.options.Ignored[60], 7);
  EXPECT_EQ(ctx.options.Ignored[61], 9);
  EXPECT_EQ(tpx::MatchOption(ctx, "y", withExact), 0);
}

TEST_F(OptionsTest, EveryMatchingEntryActsInTableOrder) {
  const OptionEntry table[] = {{'x', 2, h::SetValue, nullptr, kIgn0, 1},
                               {'y', 2, h::SetValue, nullptr, kIgn1, 5},
                               {'x', 2, h::SetValue, nullptr, kIgn0, 2},
                               kEnd};
  EXPECT_EQ(tpx::MatchOption(ctx, "x", table), 1);
  EXPECT_EQ(ctx.options.Ignored[60], 2);
  EXPECT_EQ(ctx.options.Ignored[61], 0);
}

TEST_F(OptionsTest, RefusalStopsTheTableAtOnce) {
  const OptionEntry table[] = {
      {'x', 2, h::Switch, nullptr, kIgn0, 0}, {'x', 2, h::SetValue, nullptr, kIgn1, 9}, kEnd};
  EXPECT_EQ(tpx::MatchOption(ctx, "xz", table), 0);
  EXPECT_EQ(ctx.options.Ignored[61], 0);
  EXPECT_EQ(tpx::MatchOption(ctx, "x-", table), 1);
  EXPECT_EQ(ctx.options.Ignored[61], 9);
}

TEST_F(OptionsTest, EndLetterMatchesOnlyTheEnd) {
  const OptionEntry table[] = {{0, 2, h::SetValue, nullptr, kIgn0, 3}, kEnd};
  EXPECT_EQ(tpx::MatchOption(ctx, "a", table), 0);
  EXPECT_EQ(ctx.options.Ignored[60], 0);
  EXPECT_EQ(tpx::MatchOption(ctx, "", table), 1);
  EXPECT_EQ(ctx.options.Ignored[60], 3);
}

TEST_F(OptionsTest, EntryLevelLimitsThePhase) {
  const OptionEntry table[] = {{'x', 0, h::SetValue, nullptr, kIgn0, 3}, kEnd};
  ctx.optionPhase = 1;
  EXPECT_EQ(tpx::MatchOption(ctx, "x", table), 0);
  EXPECT_EQ(ctx.options.Ignored[60], 0);
  // The real tables: -D may only act before any file, -K at any time.
  EXPECT_EQ(Parse("DX"), 0);
  EXPECT_EQ(Parse("K"), 1);
  ctx.optionPhase = 0;
  EXPECT_EQ(tpx::MatchOption(ctx, "x", table), 1);
}

// ---------------------------------------------------------------------------------------------
// Source levels.

TEST_F(OptionsTest, DirectoryOptionsActOnlyOutsideTheMainPass) {
  EXPECT_EQ(Parse("Ilate", tpx::kCommandLine), 1);
  EXPECT_EQ(ctx.lists.includeDirs, nullptr);
  EXPECT_STREQ(ctx.options.AngleSearchMode, "");
  EXPECT_EQ(Parse("Learly", tpx::kEarlyPass), 1);
  EXPECT_EQ(Dirs(ctx.lists.libraryDirs), (std::vector<std::string>{Dir("early")}));
  EXPECT_EQ(Parse("Iconfig", tpx::kConfigurationFile), 1);
  EXPECT_EQ(Dirs(ctx.lists.includeDirs), (std::vector<std::string>{Dir("config")}));
}

TEST_F(OptionsTest, OtherOptionsArePassedOverInTheEarlyPass) {
  EXPECT_EQ(Parse("K", tpx::kEarlyPass), 1);
  EXPECT_EQ(ctx.options.UnsignedChar, 0);
  // Even an incorrect one: it is reported in the main pass.
  EXPECT_EQ(Parse("C+z", tpx::kEarlyPass), 1);
  EXPECT_EQ(Parse("C+z", tpx::kCommandLine), 0);
  EXPECT_EQ(Parse("K", tpx::kConfigurationFile), 1);
  EXPECT_EQ(ctx.options.UnsignedChar, 1);
}

// ---------------------------------------------------------------------------------------------
// Switches.

TEST_F(OptionsTest, SwitchForms) {
  EXPECT_EQ(Parse("K"), 1);
  EXPECT_EQ(ctx.options.UnsignedChar, 1);
  EXPECT_EQ(Parse("K-"), 1);
  EXPECT_EQ(ctx.options.UnsignedChar, 0);
  EXPECT_EQ(Parse("K+"), 1);
  EXPECT_EQ(ctx.options.UnsignedChar, 1);
  EXPECT_EQ(Parse("K."), 0);  // no file has started: nothing to restore
  EXPECT_EQ(Parse("Kx"), 0);
  EXPECT_EQ(Parse("K-x"), 0);
  EXPECT_EQ(Parse("K+z"), 0);
}

TEST_F(OptionsTest, RestoreFormsReadTheSavedBlockOnceAFileHasStarted) {
  ctx.optionPhase = 1;
  ctx.savedOptions.UnsignedChar = 1;
  ctx.savedOptions.NestedComments = 1;
  ctx.savedOptions.LanguageMode = 3;
  EXPECT_EQ(Parse("K."), 1);
  EXPECT_EQ(ctx.options.UnsignedChar, 1);
  EXPECT_EQ(Parse("C."), 1);
  EXPECT_EQ(ctx.options.NestedComments, 1);
  EXPECT_EQ(Parse("A."), 1);
  EXPECT_EQ(ctx.options.LanguageMode, 3);
  EXPECT_EQ(Parse("C.x"), 0);
}

TEST_F(OptionsTest, NestedCommentSwitchAndCodePageShareTheirPrefix) {
  EXPECT_EQ(Parse("C"), 1);
  EXPECT_EQ(ctx.options.NestedComments, 1);
  EXPECT_EQ(Parse("C-"), 1);
  EXPECT_EQ(ctx.options.NestedComments, 0);
  EXPECT_EQ(Parse("C+"), 1);
  EXPECT_EQ(ctx.options.NestedComments, 1);
  EXPECT_EQ(Parse("C+z"), 0);
  EXPECT_EQ(Parse("C."), 0);
  EXPECT_EQ(Parse("Cz"), 0);

  EXPECT_EQ(Parse("CP932"), 1);
  EXPECT_EQ(ctx.options.CodePage, 932u);
  EXPECT_EQ(ctx.options.NestedComments, 1);  // -CP leaves the switch alone
  EXPECT_EQ(Parse("CP"), 0);
  EXPECT_EQ(Parse("CPx"), 0);
  EXPECT_EQ(Parse("CP4294967296"), 0);  // does not fit 32 bits
  EXPECT_EQ(Parse("CP4294967295"), 1);
  EXPECT_EQ(ctx.options.CodePage, 4294967295u);
}

TEST_F(OptionsTest, UnsignedCharSwitch) {
  EXPECT_EQ(Parse("K"), 1);
  EXPECT_EQ(ctx.options.UnsignedChar, 1);
  EXPECT_EQ(Parse("K-"), 1);
  EXPECT_EQ(ctx.options.UnsignedChar, 0);
  EXPECT_EQ(Parse("Kq"), 0);
}

TEST_F(OptionsTest, ThreeEntriesOfOneLetterAllAct) {
  using tpx::ignored::M1;
  using tpx::ignored::M2;
  using tpx::ignored::M3;
  EXPECT_EQ(Parse("M"), 1);
  EXPECT_EQ(Ign(M1), 1);
  EXPECT_EQ(Ign(M2), 1);
  EXPECT_EQ(Ign(M3), 0);
  EXPECT_EQ(Parse("M-"), 1);
  EXPECT_EQ(Ign(M1), 0);
  EXPECT_EQ(Ign(M2), 0);
  EXPECT_EQ(Ign(M3), 1);
  EXPECT_EQ(Parse("Mx"), 0);
}

TEST_F(OptionsTest, UnwindingSwitches) {
  EXPECT_EQ(Parse("x-"), 1);
  EXPECT_EQ(ctx.options.Unwinding, 0);
  EXPECT_EQ(Parse("xd"), 1);
  EXPECT_EQ(ctx.options.Unwinding, 1);
  EXPECT_EQ(Parse("xd-"), 1);
  EXPECT_EQ(ctx.options.Unwinding, 0);
  EXPECT_EQ(Parse("x"), 1);
  EXPECT_EQ(ctx.options.Unwinding, 1);
  EXPECT_EQ(Parse("xds"), 1);
  EXPECT_EQ(Ign(tpx::ignored::xds), 1);
  EXPECT_EQ(ctx.options.Unwinding, 1);
  EXPECT_EQ(Parse("xq"), 0);
}

// ---------------------------------------------------------------------------------------------
// Set-value options.

TEST_F(OptionsTest, SetValueIgnoresTrailingText) {
  EXPECT_EQ(Parse("a8"), 1);
  EXPECT_EQ(Ign(tpx::ignored::a), 8);
  EXPECT_EQ(Parse("a2"), 1);
  EXPECT_EQ(Parse("a8z"), 1);
  EXPECT_EQ(Ign(tpx::ignored::a), 8);
  EXPECT_EQ(Parse("a16"), 1);
  EXPECT_EQ(Ign(tpx::ignored::a), 16);
  EXPECT_EQ(Parse("a1"), 1);
  EXPECT_EQ(Ign(tpx::ignored::a), 1);
  EXPECT_EQ(Parse("a."), 0);
  EXPECT_EQ(Parse("a3"), 0);
}

TEST_F(OptionsTest, ProcessorLevels) {
  EXPECT_EQ(ctx.options.CpuLevel, 3);
  EXPECT_EQ(Parse("5"), 1);
  EXPECT_EQ(ctx.options.CpuLevel, 5);
  EXPECT_EQ(Parse("6"), 1);
  EXPECT_EQ(ctx.options.CpuLevel, 6);
  EXPECT_EQ(Parse("4-"), 1);
  EXPECT_EQ(ctx.options.CpuLevel, 0);
  EXPECT_EQ(Parse("4"), 1);
  EXPECT_EQ(ctx.options.CpuLevel, 4);
  EXPECT_EQ(Parse("7"), 0);
  EXPECT_EQ(Parse("3."), 0);
}

TEST_F(OptionsTest, CallingConventions) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"p", 1}, {"pr", 2}, {"pr-", 0}, {"ps", 3},
               {"p", 1}, {"pc", 0}, {"ps", 3},  {"p-", 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(Parse(c.text), 1) << c.text;
    EXPECT_EQ(ctx.options.CallingConvention, c.value) << c.text;
  }
  EXPECT_EQ(Parse("pq"), 0);
  EXPECT_EQ(Parse("p."), 0);
}

TEST_F(OptionsTest, LanguageModes) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"A", 1}, {"AK", 3}, {"A+", 1}, {"AU", 2}, {"AT", 0}, {"A", 1}, {"A-", 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(Parse(c.text), 1) << c.text;
    EXPECT_EQ(ctx.options.LanguageMode, c.value) << c.text;
  }
  EXPECT_EQ(Parse("A+z"), 0);
  EXPECT_EQ(Parse("Ax"), 0);
  EXPECT_EQ(Parse("A."), 0);
}

TEST_F(OptionsTest, StrictAnsiResetsTheIdentifierLengthOnlyAfterCpp) {
  ASSERT_EQ(Parse("i32"), 1);
  EXPECT_EQ(Parse("A"), 1);
  EXPECT_EQ(ctx.options.IdentifierLength, 32);
  EXPECT_EQ(ctx.scannerIdentifierLength, 32);
  ctx.frontEndCpp = true;
  EXPECT_EQ(Parse("A+"), 1);
  EXPECT_EQ(ctx.options.IdentifierLength, 250);
  EXPECT_EQ(ctx.scannerIdentifierLength, 250);
}

TEST_F(OptionsTest, CompatibilityLevels) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"VF", 4}, {"VF-", 0}, {"VF3", 3}, {"VF+", 4}, {"VF-", 0}, {"VF4", 4}};
  for (const auto& c : cases) {
    EXPECT_EQ(Parse(c.text), 1) << c.text;
    EXPECT_EQ(ctx.options.CompatLevel, c.value) << c.text;
  }
  EXPECT_EQ(Parse("VF."), 0);
  EXPECT_EQ(Parse("VI-"), 1);
  EXPECT_EQ(ctx.options.IncluderSearch, 0);
  EXPECT_EQ(Parse("VI"), 1);
  EXPECT_EQ(ctx.options.IncluderSearch, 1);
}

TEST_F(OptionsTest, VoSwitchesSevenBytes) {
  auto count = [&] {
    int n = 0;
    for (unsigned i = 0; i < tpx::ignored::Count; ++i) n += ctx.options.Ignored[i];
    return n;
  };
  EXPECT_EQ(Parse("Vo"), 1);
  EXPECT_EQ(count(), 7);
  for (auto index : tpx::ignored::kVoBytes) EXPECT_EQ(Ign(index), 1);
  EXPECT_EQ(Parse("Vo-"), 1);
  EXPECT_EQ(count(), 0);
  EXPECT_EQ(Parse("Vo+"), 1);
  EXPECT_EQ(count(), 7);
  EXPECT_EQ(Parse("Vo."), 0);
  EXPECT_EQ(Parse("Vox"), 0);
  EXPECT_EQ(Parse("Vo-x"), 0);
  ctx.optionPhase = 1;
  EXPECT_EQ(Parse("Vo."), 1);
  EXPECT_EQ(count(), 0);
}

TEST_F(OptionsTest, MemoryCheckForms) {
  auto bytes = [&] {
    return std::vector<int>{ctx.options.MemCheck[0], ctx.options.MemCheck[1],
                            ctx.options.MemCheck[2]};
  };
  EXPECT_EQ(Parse("vG"), 1);
  EXPECT_EQ(bytes(), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(Parse("vG0"), 1);
  EXPECT_EQ(bytes(), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(Parse("vG2"), 1);
  EXPECT_EQ(bytes(), (std::vector<int>{1, 1, 0}));
  EXPECT_EQ(Parse("vGt-"), 1);
  EXPECT_EQ(bytes(), (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(Parse("vGc"), 1);
  EXPECT_EQ(bytes(), (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(Parse("vGd-"), 1);
  EXPECT_EQ(bytes(), (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(Parse("vG1"), 1);
  EXPECT_EQ(bytes(), (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(Parse("vGq"), 0);
}

// ---------------------------------------------------------------------------------------------
// Numbers.

TEST_F(OptionsTest, ErrorAndWarningLimitsAreBoundedBy255) {
  EXPECT_EQ(Parse("j255"), 1);
  EXPECT_EQ(ctx.options.ErrorLimit, 255);
  EXPECT_EQ(Parse("j256"), 0);
  EXPECT_EQ(ctx.options.ErrorLimit, 255);
  EXPECT_EQ(Parse("j0"), 1);
  EXPECT_EQ(ctx.options.ErrorLimit, 0);
  EXPECT_EQ(Parse("g12x"), 1);  // only the leading digits count
  EXPECT_EQ(ctx.options.WarningLimit, 12);
  EXPECT_EQ(Parse("g256"), 0);
  EXPECT_EQ(Parse("g99999999999999999999"), 0);
  EXPECT_EQ(Parse("j"), 0);
  EXPECT_EQ(Parse("jx"), 0);
  EXPECT_EQ(Parse("g-1"), 0);
}

TEST_F(OptionsTest, IdentifierLengthRange) {
  EXPECT_EQ(Parse("i7"), 0);
  EXPECT_EQ(Parse("i251"), 0);
  EXPECT_EQ(ctx.options.IdentifierLength, 250);
  EXPECT_EQ(Parse("i8"), 1);
  EXPECT_EQ(ctx.options.IdentifierLength, 8);
  EXPECT_EQ(ctx.scannerIdentifierLength, 8);
  EXPECT_EQ(Parse("i0"), 1);
  EXPECT_EQ(ctx.options.IdentifierLength, 250);
  EXPECT_EQ(ctx.scannerIdentifierLength, 250);
  EXPECT_EQ(Parse("i32abc"), 1);
  EXPECT_EQ(ctx.options.IdentifierLength, 32);
  EXPECT_EQ(Parse("i"), 0);
  EXPECT_EQ(Parse("i99999999999"), 0);
}

// ---------------------------------------------------------------------------------------------
// Texts.

TEST_F(OptionsTest, PathsLoseEveryQuote) {
  EXPECT_EQ(Parse("o\"my out\".i"), 1);
  EXPECT_STREQ(ctx.options.OutputName, "my out.i");
  EXPECT_EQ(Parse("n\"c:\\out\\\""), 1);
  EXPECT_STREQ(ctx.options.OutputDirectory, "c:\\out\\");
}

TEST_F(OptionsTest, StringsLoseOneEnclosingPairOfQuotes) {
  const char* const& text = ctx.options.IgnoredText[tpx::ignoredText::E];
  EXPECT_EQ(Parse("E\"tool name\""), 1);
  EXPECT_STREQ(text, "tool name");
  EXPECT_EQ(Parse("E\\\"tool\\\""), 1);
  EXPECT_STREQ(text, "tool");
  EXPECT_EQ(Parse("E\"a\"b\""), 1);
  EXPECT_STREQ(text, "a\"b");
  EXPECT_EQ(Parse("E\"open"), 1);
  EXPECT_STREQ(text, "\"open");
  EXPECT_EQ(Parse("E\""), 1);
  EXPECT_STREQ(text, "\"");
  EXPECT_EQ(Parse("E\"\""), 1);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(Parse("zCCODE"), 1);
  EXPECT_STREQ(ctx.options.IgnoredText[tpx::ignoredText::zC], "CODE");
  EXPECT_EQ(Parse("zQ"), 0);
}

TEST_F(OptionsTest, StoredTextsAreCopies) {
  char text[] = "oname.i";
  ASSERT_EQ(Parse(text), 1);
  text[1] = 'X';
  EXPECT_STREQ(ctx.options.OutputName, "name.i");
}

// ---------------------------------------------------------------------------------------------
// Warnings.

TEST_F(OptionsTest, WarningsAloneSwitchAll81) {
  EXPECT_EQ(Parse("w"), 1);
  EXPECT_EQ(Switches(), std::vector<bool>(tpx::kWarningSwitchCount, true));
  EXPECT_EQ(Parse("w-"), 1);
  EXPECT_EQ(Switches(), std::vector<bool>(tpx::kWarningSwitchCount, false));
  EXPECT_EQ(Parse("w+"), 1);
  EXPECT_EQ(Switches(), std::vector<bool>(tpx::kWarningSwitchCount, true));
}

TEST_F(OptionsTest, WarningCodes) {
  const int amb = SwitchIndex("amb");
  const int dup = SwitchIndex("dup");
  ASSERT_FALSE(ctx.diag.SwitchOn(amb));
  ASSERT_TRUE(ctx.diag.SwitchOn(dup));
  EXPECT_EQ(Parse("wamb"), 1);
  EXPECT_TRUE(ctx.diag.SwitchOn(amb));
  EXPECT_EQ(Parse("w-dup"), 1);
  EXPECT_FALSE(ctx.diag.SwitchOn(dup));
  EXPECT_EQ(Parse("w+dup"), 1);
  EXPECT_TRUE(ctx.diag.SwitchOn(dup));
  EXPECT_EQ(Parse("w-ambiguous"), 1);  // characters after the code are ignored
  EXPECT_FALSE(ctx.diag.SwitchOn(amb));
  // A repeated code switches every entry that has it.
  EXPECT_EQ(Parse("w-pro"), 1);
  EXPECT_FALSE(ctx.diag.SwitchOn(7));
  EXPECT_FALSE(ctx.diag.SwitchOn(8));
}

TEST_F(OptionsTest, UnknownWarningCodeIsAcceptedSilently) {
  const std::vector<bool> before = Switches();
  EXPECT_EQ(Parse("wxyz"), 1);
  EXPECT_EQ(Parse("w-xyz"), 1);
  EXPECT_EQ(Parse("wam"), 1);  // shorter than a code
  EXPECT_EQ(Switches(), before);
}

TEST_F(OptionsTest, WarningsAreFailuresForms) {
  EXPECT_EQ(Parse("w!"), 1);
  EXPECT_EQ(ctx.options.WarningsAreFailures, 1);
  EXPECT_EQ(Parse("w!-"), 1);
  EXPECT_EQ(ctx.options.WarningsAreFailures, 0);
  EXPECT_EQ(Parse("w!x"), 0);
  EXPECT_EQ(Parse("w!-x"), 0);
  const std::vector<bool> before = Switches();
  EXPECT_EQ(Parse("w!"), 1);
  EXPECT_EQ(Switches(), before);
}

TEST_F(OptionsTest, WarningRestoreFormsNeedAFile) {
  const int amb = SwitchIndex("amb");
  EXPECT_EQ(Parse("w."), 0);
  EXPECT_EQ(Parse("w.amb"), 0);
  ctx.optionPhase = 1;
  ASSERT_EQ(Parse("w"), 1);
  EXPECT_EQ(Parse("w.amb"), 1);
  EXPECT_FALSE(ctx.diag.SwitchOn(amb));
  EXPECT_TRUE(ctx.diag.SwitchOn(SwitchIndex("nak")));
  EXPECT_EQ(Parse("w."), 1);
  for (int i = 0; i < tpx::kWarningSwitchCount; ++i)
    EXPECT_EQ(ctx.diag.SwitchOn(i), ctx.diag.CommandLineSwitch(i)) << i;
}

// ---------------------------------------------------------------------------------------------
// Definitions.

TEST_F(OptionsTest, SeveralDefinitionsInOneOption) {
  EXPECT_EQ(Parse("DA;B=2"), 1);
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(DefineValue("A"), "\xFB");
  EXPECT_EQ(DefineValue("B"), "2\xFB");
}

TEST_F(OptionsTest, BackslashProtectsTheSeparator) {
  EXPECT_EQ(Parse("DA\\;B=2"), 1);
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"A\\;B"}));
  EXPECT_EQ(DefineValue("A\\;B"), "2\xFB");
  EXPECT_EQ(Parse("DV=x\\"), 1);  // a backslash at the very end stays
  EXPECT_EQ(DefineValue("V"), "x\\\xFB");
}

TEST_F(OptionsTest, DefinitionsAreAppendedAndEmptyPiecesSkipped) {
  EXPECT_EQ(Parse("DZ"), 1);
  EXPECT_EQ(Parse("DA;;B=1;"), 1);
  EXPECT_EQ(Parse("D"), 1);
  EXPECT_EQ(Parse("D=3"), 1);
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"Z", "A", "B"}));
  EXPECT_EQ(Parse("DE=a=b"), 1);
  EXPECT_EQ(DefineValue("E"), "a=b\xFB");
}

TEST_F(OptionsTest, HighBytesOfValuesAreEscaped) {
  EXPECT_EQ(Parse("DH=\xE9t\x80"), 1);
  EXPECT_EQ(DefineValue("H"), "\xFF\xE9t\xFF\x80\xFB");
  // The same value again is recognised as identical.
  const std::string output = CaptureOutput([&] { EXPECT_EQ(Parse("DH=\xE9t\x80"), 1); });
  EXPECT_EQ(output, "");
}

TEST_F(OptionsTest, UndefineRemovesTheDefinition) {
  EXPECT_EQ(Parse("DX"), 1);
  EXPECT_EQ(Parse("DY=1"), 1);
  EXPECT_EQ(Parse("UX"), 1);
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"Y"}));
  EXPECT_EQ(Parse("UNOTDEFINED"), 1);
  EXPECT_EQ(Parse("UY=1"), 1);  // the whole rest is the name
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"Y"}));
  EXPECT_EQ(Parse("UY"), 1);
  EXPECT_EQ(ctx.lists.defines, nullptr);
}

TEST_F(OptionsTest, DifferentRedefinitionWarnsAndKeepsTheFirst) {
  EXPECT_EQ(Parse("DX=1"), 1);
  const std::string output = CaptureOutput([&] { EXPECT_EQ(Parse("DX=2"), 1); });
  EXPECT_EQ(output, "Warning: Redefinition of 'X' is not identical\n");
  EXPECT_EQ(DefineValue("X"), "1\xFB");
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"X"}));
  // The per-file enable byte is left as it was.
  EXPECT_FALSE(ctx.diag.WarningEnabled(tpx::msg::Redefinition));
}

TEST_F(OptionsTest, IdenticalRedefinitionIsSilent) {
  const std::string output = CaptureOutput([&] {
    EXPECT_EQ(Parse("DX=1"), 1);
    EXPECT_EQ(Parse("DX=1"), 1);
  });
  EXPECT_EQ(output, "");
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"X"}));
}

TEST_F(OptionsTest, RedefinitionWarningFollowsItsSwitch) {
  EXPECT_EQ(Parse("w-dup"), 1);
  const std::string output = CaptureOutput([&] {
    EXPECT_EQ(Parse("DX=1"), 1);
    EXPECT_EQ(Parse("DX=2"), 1);
  });
  EXPECT_EQ(output, "");
  EXPECT_EQ(DefineValue("X"), "1\xFB");
}

TEST_F(OptionsTest, RedefinitionWarningsNeverReachTheMessageLimit) {
  ASSERT_EQ(Parse("g1"), 1);
  ASSERT_EQ(Parse("DX=1"), 1);
  const std::string output = CaptureOutput([&] {
    EXPECT_NO_THROW(Parse("DX=2"));
    EXPECT_NO_THROW(Parse("DX=3"));
  });
  EXPECT_EQ(output,
            "Warning: Redefinition of 'X' is not identical\n"
            "Warning: Redefinition of 'X' is not identical\n");
  EXPECT_EQ(ctx.options.WarningLimit, 1);
  EXPECT_EQ(ctx.options.ErrorLimit, 25);
}

// ---------------------------------------------------------------------------------------------
// Directories.

TEST_F(OptionsTest, DirectoryListsAreSplitAndCompleted) {
  EXPECT_EQ(Parse("Ia;b/;;c:;\"d e\";f\\", tpx::kConfigurationFile), 1);
  tpx::ReverseDirectoryLists(ctx);
  EXPECT_EQ(Dirs(ctx.lists.includeDirs),
            (std::vector<std::string>{Dir("a"), "b/", "c:", Dir("d e"), "f\\"}));
  EXPECT_STRNE(ctx.options.AngleSearchMode, "");
}

TEST_F(OptionsTest, EmptyIncludeOptionStillSetsTheSearchMode) {
  EXPECT_EQ(Parse("I", tpx::kEarlyPass), 1);
  EXPECT_EQ(ctx.lists.includeDirs, nullptr);
  EXPECT_STRNE(ctx.options.AngleSearchMode, "");
  EXPECT_EQ(Parse("I\"\"", tpx::kEarlyPass), 1);  // a piece that is only quotes
  EXPECT_EQ(Dirs(ctx.lists.includeDirs), (std::vector<std::string>{""}));
}

TEST_F(OptionsTest, LibraryDirectoriesDoNotTouchTheSearchMode) {
  EXPECT_EQ(Parse("Lx;y", tpx::kEarlyPass), 1);
  EXPECT_STREQ(ctx.options.AngleSearchMode, "");
  EXPECT_EQ(Dirs(ctx.lists.libraryDirs), (std::vector<std::string>{Dir("y"), Dir("x")}));
  tpx::ReverseDirectoryLists(ctx);
  EXPECT_EQ(Dirs(ctx.lists.libraryDirs), (std::vector<std::string>{Dir("x"), Dir("y")}));
  EXPECT_EQ(ctx.lists.includeDirs, nullptr);
}

// ---------------------------------------------------------------------------------------------
// -S and -P.

TEST_F(OptionsTest, SourceOutputForms) {
  EXPECT_EQ(Parse("S-"), 1);
  EXPECT_EQ(ctx.options.LineInfo, 0);
  EXPECT_EQ(Parse("S"), 1);
  EXPECT_EQ(ctx.options.LineInfo, 1);
  EXPECT_EQ(Parse("Sc"), 1);
  EXPECT_EQ(Parse("Sr"), 1);
  EXPECT_EQ(Parse("Ss"), 1);
  EXPECT_EQ(ctx.options.OutputFlags,
            tpx::kKeepComments | tpx::kReadableOutput | tpx::kHeaderStatistics);
  EXPECT_EQ(Parse("Sd"), 1);
  EXPECT_EQ(ctx.options.DefinesInOutput, 1);
  EXPECT_EQ(Parse("Sk"), 1);
  EXPECT_EQ(ctx.options.KeepOutputOnErrors, 1);
}

TEST_F(OptionsTest, UnknownSingleSourceOutputLetterChangesNothing) {
  const tpx::OptionBlock before = ctx.options;
  EXPECT_EQ(Parse("Sq"), 1);
  EXPECT_EQ(std::memcmp(&before, &ctx.options, sizeof before), 0);
  EXPECT_EQ(Parse("Scd"), 0);
  EXPECT_EQ(Parse("S--"), 0);
}

TEST_F(OptionsTest, LanguageAndExtensionForms) {
  EXPECT_STREQ(tpx::DefaultSourceExtension(ctx), ".cpp");
  ctx.options.LineInfo = 0;
  EXPECT_EQ(Parse("P"), 1);
  EXPECT_EQ(ctx.options.LineInfo, 1);
  EXPECT_EQ(ctx.options.Language, 0);
  EXPECT_STREQ(tpx::DefaultSourceExtension(ctx), ".cpp");

  EXPECT_EQ(Parse("Pc"), 1);
  EXPECT_EQ(ctx.options.Language, 1);
  EXPECT_STREQ(tpx::DefaultSourceExtension(ctx), ".c");
  EXPECT_EQ(Parse("P-c"), 1);
  EXPECT_EQ(ctx.options.Language, 0);
  EXPECT_STREQ(tpx::DefaultSourceExtension(ctx), ".c");
  EXPECT_EQ(Parse("Pcxxfoo"), 1);
  EXPECT_EQ(ctx.options.Language, 1);
  EXPECT_STREQ(tpx::DefaultSourceExtension(ctx), ".cxx");
  EXPECT_EQ(Parse("P-.hpp"), 1);
  EXPECT_EQ(ctx.options.Language, 0);
  EXPECT_STREQ(tpx::DefaultSourceExtension(ctx), ".hpp");

  EXPECT_EQ(Parse("P-"), 1);
  EXPECT_EQ(ctx.options.LineInfo, 0);
  EXPECT_EQ(ctx.options.Language, 0);
}

TEST_F(OptionsTest, LanguageOptionRestoresLineInfoWithoutAPhaseTest) {
  ctx.options.LineInfo = 0;
  ctx.savedOptions.LineInfo = 1;
  EXPECT_EQ(Parse("P."), 1);
  EXPECT_EQ(ctx.options.LineInfo, 1);
  EXPECT_EQ(ctx.options.Language, 1);
  EXPECT_STREQ(tpx::DefaultSourceExtension(ctx), ".cpp");
  ctx.savedOptions.LineInfo = 0;
  EXPECT_EQ(Parse("P-."), 1);
  EXPECT_EQ(ctx.options.LineInfo, 0);
  EXPECT_EQ(ctx.options.Language, 0);
}

// ---------------------------------------------------------------------------------------------
// Target kinds.

struct TargetCase {
  const char* text;
  int targetKind;
  int consoleKind;
  int consoleTarget;
};

TEST(TargetKinds, EachFormSetsItsBytes) {
  const TargetCase cases[] = {
      {"tW", 1, 1, 0},    {"tW-", 0, 1, 0},  {"tWD", 2, 1, 0},  {"tWDE", 5, 1, 0},
      {"tWE", 3, 1, 0},   {"tWED", 5, 1, 0}, {"tWC", 0, 1, 0},  {"tWCD", 0, 2, 0},
      {"tWCDE", 0, 3, 0}, {"tWC-", 1, 1, 0}, {"tWCV", 0, 1, 0}, {"tWCR", 0, 1, 0},
      {"tWX", 0, 1, 1},   {"tWX-", 0, 1, 0}, {"tWXD", 0, 1, 1}, {"tDd", 0, 2, 0},
      {"tDde", 0, 3, 0},  {"tDi", 0, 1, 0},  {"WD", 2, 1, 0},   {"tWV", 1, 1, 0},
  };
  for (const TargetCase& c : cases) {
    tpx::Run ctx;
    // Start from values that every form overwrites or leaves visibly alone.
    ctx.options.TargetKind = c.text[2] == 'C' || c.text[2] == 'X' || c.text[1] == 'D' ? 4 : 0;
    ctx.options.ConsoleKind = 1;
    EXPECT_EQ(tpx::ParseOption(ctx, tpx::kCommandLine, c.text), 1) << c.text;
    EXPECT_EQ(ctx.options.TargetKind, c.targetKind) << c.text;
    EXPECT_EQ(ctx.options.ConsoleKind, c.consoleKind) << c.text;
    EXPECT_EQ(ctx.options.ConsoleTarget, c.consoleTarget) << c.text;
  }
}

TEST_F(OptionsTest, RuntimeLetterRunDefinesRtlDll) {
  EXPECT_EQ(Parse("tWR"), 1);
  EXPECT_EQ(ctx.options.RuntimeKind, 2);
  EXPECT_EQ(ctx.options.TargetKind, 1);
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"_RTLDLL"}));
  EXPECT_EQ(DefineValue("_RTLDLL"), "\xFB");
  // Given again, the definition is identical and stays single.
  EXPECT_EQ(CaptureOutput([&] { EXPECT_EQ(Parse("WRV"), 1); }), "");
  EXPECT_EQ(ctx.options.RuntimeKind, 3);
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"_RTLDLL"}));
}

TEST_F(OptionsTest, RuntimeLetterRunKeepsANonZeroTargetKind) {
  EXPECT_EQ(Parse("tWDR"), 1);
  EXPECT_EQ(ctx.options.TargetKind, 2);
  EXPECT_EQ(ctx.options.RuntimeKind, 2);
  tpx::Run other;
  EXPECT_EQ(tpx::ParseOption(other, tpx::kCommandLine, "tWCV"), 1);
  EXPECT_EQ(other.options.TargetKind, 0);  // no adjustment after -tWC
  EXPECT_EQ(other.options.RuntimeKind, 1);
}

TEST_F(OptionsTest, RuntimeLetterRunRefusals) {
  EXPECT_EQ(Parse("tWRR"), 0);
  EXPECT_EQ(Parse("tWVV"), 0);
  EXPECT_EQ(Parse("tWRx"), 0);
  EXPECT_EQ(Parse("tWRVR"), 0);
  EXPECT_EQ(Parse("tWDEQ"), 0);
  EXPECT_EQ(Parse("tWQ"), 0);
  EXPECT_EQ(ctx.lists.defines, nullptr);
}

TEST_F(OptionsTest, PackageForms) {
  EXPECT_EQ(Parse("tWP"), 1);
  EXPECT_EQ(ctx.options.RuntimeKind, 5);
  EXPECT_EQ(ctx.lists.defines, nullptr);
  EXPECT_EQ(Parse("tWPR"), 1);
  EXPECT_EQ(ctx.options.RuntimeKind, 7);
  EXPECT_EQ(DefineNames(), (std::vector<std::string>{"_RTLDLL"}));
  tpx::Run other;
  EXPECT_EQ(tpx::ParseOption(other, tpx::kCommandLine, "tWPx"), 0);
  EXPECT_EQ(other.options.RuntimeKind, 0);
}

TEST_F(OptionsTest, MultiThreadAndUnicodeSwitches) {
  EXPECT_EQ(Parse("tWM-"), 1);
  EXPECT_EQ(ctx.options.MultiThread, 0);
  EXPECT_EQ(Parse("WM"), 1);
  EXPECT_EQ(ctx.options.MultiThread, 1);
  EXPECT_EQ(Parse("tWU"), 1);
  EXPECT_EQ(ctx.options.UnicodeTarget, 1);
  EXPECT_EQ(Parse("tWUx"), 0);
}

// ---------------------------------------------------------------------------------------------
// The whole catalogue.

TEST(OptionCatalogue, EveryListedFormIsAccepted) {
  const char* const accepted[] = {
      // Honoured options.
      "3",
      "4",
      "5",
      "6",
      "3-",
      "A",
      "A+",
      "AK",
      "AU",
      "AT",
      "A-",
      "K",
      "K+",
      "K-",
      "C",
      "C+",
      "C-",
      "CP932",
      "j25",
      "g100",
      "i32",
      "p",
      "pr",
      "pr-",
      "pc",
      "ps",
      "p-",
      "tWM",
      "tWM-",
      "tWU",
      "vG",
      "vGd",
      "vGt",
      "vGc",
      "vG0",
      "vG1",
      "vG2",
      "vG3",
      "VF",
      "VF+",
      "VF4",
      "VF3",
      "VF-",
      "VI",
      "VI-",
      "tW",
      "tW-",
      "tWD",
      "tWDE",
      "tWE",
      "tWED",
      "tWC",
      "tWCD",
      "tWCDE",
      "tWC-",
      "tWCV",
      "tWCR",
      "tWX",
      "tWX-",
      "tWXD",
      "tDd",
      "tDde",
      "tDi",
      "tWP",
      "tWR",
      "tWV",
      "tWDV",
      "tWDER",
      "tWERV",
      "tWCDR",
      "tWCDEV",
      "B",
      "B-",
      "nout",
      "oout.i",
      "DX",
      "DX=1",
      "UX",
      "Idir",
      "Ldir",
      "S",
      "S-",
      "Sc",
      "Sd",
      "Sk",
      "Sr",
      "Ss",
      "Sq",
      "P",
      "P-",
      "Pc",
      "P-c",
      "w",
      "w-",
      "w+",
      "wamb",
      "w-amb",
      "w+amb",
      "w!",
      "w!-",
      "x",
      "x-",
      "xd",
      "xd-",
      // Accepted and ignored.
      "a",
      "a1",
      "a2",
      "a4",
      "a8",
      "a16",
      "a-",
      "f",
      "r",
      "rd",
      "r-",
      "r+",
      "zDname",
      "zGname",
      "zBname",
      "zCname",
      "zPname",
      "zAname",
      "zRname",
      "zSname",
      "zTname",
      "G",
      "G-",
      "N",
      "N-",
      "O",
      "O2",
      "Ox",
      "Z",
      "Z-",
      "b",
      "b-",
      "d",
      "d-",
      "dc",
      "dc-",
      "df",
      "df-",
      "k",
      "k-",
      "u",
      "u-",
      "v",
      "v-",
      "vi",
      "vi-",
      "v4",
      "vt",
      "vo",
      "vu",
      "y",
      "y-",
      "R",
      "R-",
      "RT",
      "RT-",
      "Etool",
      "M",
      "M-",
      "c",
      "c-",
      "ename",
      "l",
      "lfoo",
      "s",
      "s-",
      "T",
      "Tfoo",
      "X",
      "X-",
      "V",
      "V0",
      "V1",
      "Vs",
      "Vv",
      "Vp",
      "Vc",
      "Va",
      "Vt",
      "Ve",
      "VC",
      "V?",
      "Vd",
      "Vx",
      "V!",
      "Vl",
      "Vv-",
      "Vl-",
      "Vmd",
      "Vms",
      "Vmm",
      "Vmv",
      "Vmp",
      "Vo",
      "Vo+",
      "Vo-",
      "Jg",
      "Jgd",
      "Jgx",
      "Ja",
      "H",
      "Hname.h",
      "H\"name.h\"",
      "W",
      "WD",
      "WE",
      "WC",
      "WX",
      "xds",
      "xdg",
      "xp",
      "xf",
      "xv",
      "xs",
      "xp-",
  };
  for (const char* text : accepted) {
    tpx::Run ctx;
    EXPECT_EQ(tpx::ParseOption(ctx, tpx::kCommandLine, text), 1) << "-" << text;
  }
  // The directory options act in the other passes.
  for (const char* text : {"Idir", "Ldir", "I", "L"}) {
    tpx::Run ctx;
    EXPECT_EQ(tpx::ParseOption(ctx, tpx::kConfigurationFile, text), 1) << "-" << text;
  }
}

TEST(OptionCatalogue, WrongFormsAreRefused) {
  const char* const refused[] = {
      // Restore forms need a file.
      "C.",
      "K.",
      "a.",
      "r.",
      "G.",
      "d.",
      "v.",
      "xd.",
      "x.",
      "Vm.",
      "Jg.",
      "A.",
      "VF.",
      "Vo.",
      "3.",
      "p.",
      "w.",
      "B.",
      "RT.",
      // Trailing text after a switch, out-of-range numbers and wrong letters.
      "C+z",
      "Kx",
      "Bx",
      "Scd",
      "j256",
      "g256",
      "i7",
      "i251",
      "j",
      "i",
      "CP",
      "x?",
      "Mz",
      "tD",
      "t",
      "tX",
      "tWQ",
      "tWRR",
      "tDq",
      "tDdx",
      "zX",
      "z",
      "Vq",
      "Vm",
      "Vmq",
      "vz",
      "vGx",
      "J",
      "Jq",
      "Jgq",
      "pq",
      "prq",
      "Ax",
      "A+x",
      "V?x",
      "w!x",
      "tWXDQ",
      "ax",
      "rq",
      // Letters no table knows.
      "",
      "q",
      "h",
      "m",
      "Q",
      "Y",
      "F",
      "1",
      "2",
      "7",
      "9",
      "!",
      "-",
      "?",
  };
  for (const char* text : refused) {
    tpx::Run ctx;
    EXPECT_EQ(tpx::ParseOption(ctx, tpx::kCommandLine, text), 0) << "-" << text;
  }
}

// ---------------------------------------------------------------------------------------------
// Reading the leading options.

class ReadOptionsTest : public OptionsTest {
 protected:
  ExitResult Read(Args& args) {
    return CaptureExit([&] { tpx::ReadOptions(ctx, args.argc(), args.argv()); });
  }
  TempCwd cwd;
};

TEST_F(ReadOptionsTest, IncorrectOptionEndsTheRunWithTheArgumentAsWritten) {
  Args args{"tpx32", "-j3", "-C+z", "x.c"};
  const ExitResult r = Read(args);
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "Error: Incorrect command line option: -C+z\n");
}

// Each kind of refusal on a command line: a number past its bound or missing, an identifier
// length out of range, a restore form before any file, trailing text after a switch, wrong
// target letters, and a dash alone. The first refused option is named as written, nothing
// after it is read, and the run ends with status 1.
TEST_F(ReadOptionsTest, EveryKindOfRefusalIsReportedAsWritten) {
  const char* const refused[][2] = {
      {"-Sc", "-j256"}, {"-Sc", "-i251"}, {"-Sc", "-i7"},   {"-Sc", "-A."},   {"-Sc", "-j"},
      {"-Sc", "-C."},   {"-Sc", "-C+z"},  {"-Sc", "-tWRZ"}, {"-Sc", "-tWRR"}, {"-Sc", "-"},
      {"-Sc", "-w!x"},  {"-Sc", "-w."},   {"-Sc", "-g256"},
  };
  for (const auto& pair : refused) {
    tpx::Run run;
    run.memory.Startup();
    Args args{"tpx32", pair[0], pair[1], "-q", "x.c"};
    const ExitResult r = CaptureExit([&] { tpx::ReadOptions(run, args.argc(), args.argv()); });
    EXPECT_TRUE(r.exited) << pair[1];
    EXPECT_EQ(r.status, 1) << pair[1];
    EXPECT_EQ(r.output, std::string("Error: Incorrect command line option: ") + pair[1] + "\n");
    run.memory.Shutdown();
  }
}

#ifdef _WIN32
TEST_F(ReadOptionsTest, SlashOptionIsShownWithItsSlash) {
  Args args{"tpx32", "/q"};
  const ExitResult r = Read(args);
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.output, "Error: Incorrect command line option: /q\n");
}

TEST_F(ReadOptionsTest, SlashStartsAnOptionInTheConfigurationFile) {
  cwd.Write("tcx32.cfg", "/a8 /j4\n");
  Args args{"tpx32", "x.c"};
  const ExitResult r = Read(args);
  EXPECT_FALSE(r.exited) << r.output;
  EXPECT_EQ(ctx.options.ErrorLimit, 4);
}
#else
TEST_F(ReadOptionsTest, SlashStartsAPathNotAnOption) {
  // The leading options end at the first word that begins with "/", which is a file name.
  Args args{"tpx32", "-j3", "/g7", "-j9"};
  const ExitResult r = Read(args);
  EXPECT_FALSE(r.exited) << r.output;
  EXPECT_EQ(r.output, "");
  EXPECT_EQ(ctx.options.ErrorLimit, 3);
  EXPECT_EQ(ctx.options.WarningLimit, 100);
}

TEST_F(ReadOptionsTest, SlashWordInTheConfigurationFileIsRefused) {
  cwd.Write("tcx32.cfg", "-j4 /a8\n");
  Args args{"tpx32", "x.c"};
  const ExitResult r = Read(args);
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "Error: Incorrect configuration file option: /a8\n");
}

TEST_F(ReadOptionsTest, NamedConfigurationFileIsFoundAsOnWindowsButTheDefaultIsNot) {
  // The default is looked for as written only; a name given with "+" also as on Windows.
  // Listings are kept by path, and the tests change the working directory: start afresh.
  platform::ResetWindowsNames(0);
  ASSERT_TRUE(fs::create_directory("Cfg"));
  cwd.Write("Cfg/My.Cfg", "-j4\n");
  cwd.Write("TCX32.CFG", "-j7\n");
  Args plain{"tpx32", "x.c"};
  ASSERT_FALSE(Read(plain).exited);
  EXPECT_EQ(ctx.options.ErrorLimit, 25);
  Args named{"tpx32", "+cfg\\MY.CFG", "x.c"};
  const ExitResult r = Read(named);
  EXPECT_FALSE(r.exited) << r.output;
  EXPECT_EQ(ctx.options.ErrorLimit, 4);
}

TEST_F(ReadOptionsTest, SlashWordInAResponseFileIsAFileName) {
  cwd.Write("resp", "-j3 /abs/name.c -j9\n");
  Args args{"tpx32", "@resp"};
  int argc = args.argc();
  char** argv = args.argv();
  tpx::ExpandResponseFiles(ctx, argc, argv);
  ASSERT_EQ(argc, 4);
  const ExitResult r = CaptureExit([&] { tpx::ReadOptions(ctx, argc, argv); });
  EXPECT_FALSE(r.exited) << r.output;
  EXPECT_EQ(ctx.options.ErrorLimit, 3);
}
#endif

TEST_F(ReadOptionsTest, OnlyLeadingArgumentsAreRead) {
  Args args{"tpx32", "-j3", "-g7", "file.c", "-j9", "-q"};
  const ExitResult r = Read(args);
  EXPECT_FALSE(r.exited) << r.output;
  EXPECT_EQ(r.output, "");
  EXPECT_EQ(ctx.options.ErrorLimit, 3);
  EXPECT_EQ(ctx.options.WarningLimit, 7);
}

TEST_F(ReadOptionsTest, CommandLineDirectoriesComeBeforeConfigurationDirectories) {
  cwd.Write("tcx32.cfg", "-Isecond\n");
  Args args{"tpx32", "-Ifirst", "x.c"};
  ASSERT_FALSE(Read(args).exited);
  tpx::ReverseDirectoryLists(ctx);
  EXPECT_EQ(Dirs(ctx.lists.includeDirs), (std::vector<std::string>{Dir("first"), Dir("second")}));
}

TEST_F(ReadOptionsTest, CommandLineOverridesTheConfigurationFile) {
  cwd.Write("tcx32.cfg", "-j5 -g9\r\n-K\n");
  Args args{"tpx32", "-j7", "-K-", "x.c"};
  ASSERT_FALSE(Read(args).exited);
  EXPECT_EQ(ctx.options.ErrorLimit, 7);
  EXPECT_EQ(ctx.options.WarningLimit, 9);
  EXPECT_EQ(ctx.options.UnsignedChar, 0);
}

TEST_F(ReadOptionsTest, ConfigurationWordThatIsNoOption) {
  cwd.Write("tcx32.cfg", "-j5\nfoo.c\n");
  Args args{"tpx32", "x.c"};
  const ExitResult r = Read(args);
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "Error: Incorrect configuration file option: foo.c\n");
}

TEST_F(ReadOptionsTest, IncorrectConfigurationOption) {
  cwd.Write("tcx32.cfg", "; options\n-C+z\n");
  Args args{"tpx32", "x.c"};
  const ExitResult r = Read(args);
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.output, "Error: Incorrect configuration file option: -C+z\n");
}

TEST_F(ReadOptionsTest, ConfigurationMayHoldCompilerOptions) {
  cwd.Write("tcx32.cfg", "-H\"my header.h\" -v -O2 -tWM -Vmd -a8 -zCCODE -I\"inc dir\"\n");
  Args args{"tpx32", "x.c"};
  const ExitResult r = Read(args);
  EXPECT_FALSE(r.exited) << r.output;
  EXPECT_EQ(Dirs(ctx.lists.includeDirs), (std::vector<std::string>{Dir("inc dir")}));
}

TEST_F(ReadOptionsTest, NamedConfigurationFileReplacesTheDefault) {
  cwd.Write("tcx32.cfg", "-j9\n");
  cwd.Write("my.cfg", "-j3\n");
  Args args{"tpx32", "+my.cfg", "x.c"};
  ASSERT_FALSE(Read(args).exited);
  EXPECT_EQ(ctx.options.ErrorLimit, 3);
}

TEST_F(ReadOptionsTest, MissingNamedConfigurationFile) {
  Args args{"tpx32", "-j3", "+my.cfg", "x.c"};
  const ExitResult r = Read(args);
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "Error: Could not find file 'my.cfg'\n");
}

TEST_F(ReadOptionsTest, MissingDefaultConfigurationFileIsSilent) {
  Args args{"tpx32", "-j3", "x.c"};
  const ExitResult r = Read(args);
  EXPECT_FALSE(r.exited);
  EXPECT_EQ(r.output, "");
  EXPECT_EQ(ctx.options.ErrorLimit, 3);
}

TEST_F(ReadOptionsTest, WarningSwitchesStartFromDefaultsAndAreCommitted) {
  const int amb = SwitchIndex("amb");
  const int dup = SwitchIndex("dup");
  const int pia = SwitchIndex("pia");
  ctx.diag.SetSwitch(pia, false);  // a leftover that the defaults replace
  cwd.Write("tcx32.cfg", "-w-dup\n");
  Args args{"tpx32", "-wamb", "x.c"};
  ASSERT_FALSE(Read(args).exited);
  EXPECT_TRUE(ctx.diag.CommandLineSwitch(amb));
  EXPECT_FALSE(ctx.diag.CommandLineSwitch(dup));
  EXPECT_TRUE(ctx.diag.CommandLineSwitch(pia));
}

TEST_F(ReadOptionsTest, AssembleViaSetsTheOutputNameByte) {
  Args args{"tpx32", "-B", "x.c"};
  ASSERT_FALSE(Read(args).exited);
  EXPECT_EQ(ctx.options.OutputNameFromSource, 1);
}

TEST_F(ReadOptionsTest, NoAssembleViaNoOutputNameByte) {
  Args args{"tpx32", "-B", "-B-", "x.c"};
  ASSERT_FALSE(Read(args).exited);
  EXPECT_EQ(ctx.options.OutputNameFromSource, 0);
}

TEST_F(ReadOptionsTest, RedefinitionAcrossSourcesWarnsOnce) {
  cwd.Write("tcx32.cfg", "-DX=1\n");
  Args args{"tpx32", "-DX=2", "x.c"};
  const ExitResult r = Read(args);
  EXPECT_FALSE(r.exited);
  EXPECT_EQ(r.output, "Warning: Redefinition of 'X' is not identical\n");
  EXPECT_EQ(DefineValue("X"), "1\xFB");
}

// ---------------------------------------------------------------------------------------------
// Response files.

std::vector<std::string> SplitWords(std::string text) {
  text.push_back('\x1A');
  std::vector<char*> words(text.size() + 1);
  const std::size_t counted = tpx::SplitResponseText(text.data(), nullptr);
  const std::size_t n = tpx::SplitResponseText(text.data(), words.data());
  EXPECT_EQ(counted, n);
  return std::vector<std::string>(words.begin(), words.begin() + static_cast<long>(n));
}

TEST(ResponseText, WordsOnSeveralLines) {
  EXPECT_EQ(SplitWords("-DX=1\r\nfile.c\r\n"), (std::vector<std::string>{"-DX=1", "file.c"}));
  EXPECT_EQ(SplitWords("  a\tb\v c\f\n"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitWords(""), std::vector<std::string>{});
  EXPECT_EQ(SplitWords("last"), (std::vector<std::string>{"last"}));
}

TEST(ResponseText, QuotedRunsKeepBlanksAndLoseQuotes) {
  EXPECT_EQ(SplitWords("\"a b\".c -o\"x y\"z"), (std::vector<std::string>{"a b.c", "-ox yz"}));
  EXPECT_EQ(SplitWords("\"open run"), (std::vector<std::string>{"open run"}));
  EXPECT_EQ(SplitWords("\"to the\r\nnext\""), (std::vector<std::string>{"to the", "next"}));
}

TEST(ResponseText, CommentLinesAndZeroBytes) {
  EXPECT_EQ(SplitWords("; -DX\n-DY\n;last"), (std::vector<std::string>{"-DY"}));
  EXPECT_EQ(SplitWords(std::string("a\0\0b", 4)), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitWords("a;b"), (std::vector<std::string>{"a;b"}));
}

TEST(ResponseText, CountingLeavesTheTextAlone) {
  std::string text = "\"a b\" c\x1A";
  const std::string copy = text;
  EXPECT_EQ(tpx::SplitResponseText(text.data(), nullptr), 2u);
  EXPECT_EQ(text, copy);
}

class ResponseFileTest : public OptionsTest {
 protected:
  std::vector<std::string> Expand(Args& args, int* argcOut = nullptr) {
    int argc = args.argc();
    char** argv = args.argv();
    tpx::ExpandResponseFiles(ctx, argc, argv);
    std::vector<std::string> out;
    for (int i = 0; i < argc; ++i) out.emplace_back(argv[i]);
    EXPECT_EQ(argv[argc], nullptr);
    if (argcOut != nullptr) *argcOut = argc;
    return out;
  }
  TempCwd cwd;
};

TEST_F(ResponseFileTest, ArgumentsAreReplacedInPlace) {
  cwd.Write("r.rsp", "-DX=1\n  x.c\n; not a word\n\"a b.c\"");
  cwd.Write("s.rsp", "-j3");
  Args args{"tpx32", "-K", "@r.rsp", "y.c", "@s.rsp"};
  int argc = 0;
  EXPECT_EQ(Expand(args, &argc),
            (std::vector<std::string>{"tpx32", "-K", "-DX=1", "x.c", "a b.c", "y.c", "-j3"}));
  EXPECT_EQ(argc, 7);
}

TEST_F(ResponseFileTest, EmptyFileRemovesItsArgument) {
  cwd.Write("empty.rsp", "");
  Args args{"tpx32", "@empty.rsp", "x.c"};
  EXPECT_EQ(Expand(args), (std::vector<std::string>{"tpx32", "x.c"}));
}

TEST_F(ResponseFileTest, ResponseFilesDoNotNest) {
  cwd.Write("outer.rsp", "@inner.rsp");
  Args args{"tpx32", "@outer.rsp"};
  EXPECT_EQ(Expand(args), (std::vector<std::string>{"tpx32", "@inner.rsp"}));
}

TEST_F(ResponseFileTest, NoResponseArgumentLeavesTheVectorAlone) {
  Args args{"tpx32", "-K", "x.c"};
  int argc = args.argc();
  char** argv = args.argv();
  tpx::ExpandResponseFiles(ctx, argc, argv);
  EXPECT_EQ(argv, args.argv());
  EXPECT_EQ(argc, 3);
}

TEST_F(ResponseFileTest, MissingResponseFile) {
  Args args{"tpx32", "@nope.rsp"};
  const ExitResult r = CaptureExit([&] {
    int argc = args.argc();
    char** argv = args.argv();
    tpx::ExpandResponseFiles(ctx, argc, argv);
  });
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "Error: Could not find file 'nope.rsp'\n");
}

TEST_F(ResponseFileTest, ExpandedOptionsBehaveLikeTheCommandLine) {
  cwd.Write("r.rsp", "-DX=1\nx.c\n");
  Args args{"tpx32", "@r.rsp"};
  int argc = args.argc();
  char** argv = args.argv();
  tpx::ExpandResponseFiles(ctx, argc, argv);
  const ExitResult r = CaptureExit([&] { tpx::ReadOptions(ctx, argc, argv); });
  EXPECT_FALSE(r.exited);
  EXPECT_EQ(DefineValue("X"), "1\xFB");
}

// ---------------------------------------------------------------------------------------------
// Configuration words.

std::vector<std::string> ConfigWords(std::string text, bool* tooLong = nullptr) {
  text.push_back('\x1A');
  std::vector<std::string> words;
  char word[tpx::kConfigWordBuffer];
  const char* cursor = text.c_str();
  while (true) {
    const ConfigWord kind = tpx::NextConfigWord(cursor, word);
    if (kind == ConfigWord::End) break;
    words.emplace_back(word);
    if (kind == ConfigWord::TooLong) {
      if (tooLong != nullptr) *tooLong = true;
      break;
    }
  }
  return words;
}

TEST(ConfigWords, BlanksCommentsAndQuotes) {
  EXPECT_EQ(ConfigWords("-a -b\r\n\t-c ; -d -e\n-f"),
            (std::vector<std::string>{"-a", "-b", "-c", "-f"}));
  EXPECT_EQ(ConfigWords("-I\"c d\";x -n\"o\"ut"), (std::vector<std::string>{"-Ic d;x", "-nout"}));
  EXPECT_EQ(ConfigWords(std::string("-a\0-b", 5)), (std::vector<std::string>{"-a"}));
  EXPECT_EQ(ConfigWords("\"-open run"), (std::vector<std::string>{"-open run"}));
}

TEST(ConfigWords, QuotedNameAfterHKeepsItsQuotes) {
  EXPECT_EQ(ConfigWords("-H\"my header.h\" -Hx"),
            (std::vector<std::string>{"-H\"my header.h\"", "-Hx"}));
  EXPECT_EQ(ConfigWords("-Hx\"a b\""), (std::vector<std::string>{"-Hxa b"}));
  EXPECT_EQ(ConfigWords("/H\"a\""), (std::vector<std::string>{"/Ha"}));
}

TEST(ConfigWords, WordBufferHolds268Characters) {
  const std::string fits = "-D" + std::string(266, 'x');
  bool tooLong = false;
  EXPECT_EQ(ConfigWords(fits + " -K", &tooLong), (std::vector<std::string>{fits, "-K"}));
  EXPECT_FALSE(tooLong);
  EXPECT_EQ(ConfigWords(fits + "yz", &tooLong), (std::vector<std::string>{fits}));
  EXPECT_TRUE(tooLong);
}

TEST_F(OptionsTest, OverlongConfigurationWordIsIncorrect) {
  const std::string fits = "-D" + std::string(266, 'x');
  const std::string text = fits + "yz\x1A";
  const ExitResult r = CaptureExit([&] { tpx::ParseConfigurationText(ctx, text.c_str()); });
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.output, "Error: Incorrect configuration file option: " + fits + "\n");
  EXPECT_EQ(ctx.lists.defines, nullptr);
}

TEST_F(OptionsTest, ConfigurationTextIsParsedAtItsOwnLevel) {
  const std::string text = "-Iinc -Llib -DA=1 -j4\x1A";
  const ExitResult r = CaptureExit([&] { tpx::ParseConfigurationText(ctx, text.c_str()); });
  EXPECT_FALSE(r.exited);
  EXPECT_EQ(Dirs(ctx.lists.includeDirs), (std::vector<std::string>{Dir("inc")}));
  EXPECT_EQ(Dirs(ctx.lists.libraryDirs), (std::vector<std::string>{Dir("lib")}));
  EXPECT_EQ(DefineValue("A"), "1\xFB");
  EXPECT_EQ(ctx.options.ErrorLimit, 4);
}

TEST(ConfigLocation, BesideTheExecutable) {
  char out[64];
  ASSERT_TRUE(tpx::PathBesideExecutable("/opt/tools/bin/tpx32", "tcx32.cfg", out, sizeof out));
  EXPECT_STREQ(out, "/opt/tools/bin/tcx32.cfg");
  ASSERT_TRUE(tpx::PathBesideExecutable("/tpx32", "tcx32.cfg", out, sizeof out));
  EXPECT_STREQ(out, "/tcx32.cfg");
  EXPECT_FALSE(tpx::PathBesideExecutable("tpx32", "tcx32.cfg", out, sizeof out));
  EXPECT_FALSE(tpx::PathBesideExecutable("", "tcx32.cfg", out, sizeof out));
  EXPECT_FALSE(tpx::PathBesideExecutable("/opt/tools/bin/tpx32", "tcx32.cfg", out, 24));
  EXPECT_TRUE(tpx::PathBesideExecutable("/opt/tools/bin/tpx32", "tcx32.cfg", out, 25));
}

}  // namespace
