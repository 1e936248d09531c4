// The whole program run in-process on files written to a scratch folder.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "driver/run.h"
#include "memory/memory.h"
#include "options/long_options.h"
#include "output/dependency_file.h"

namespace tpx {
namespace {

namespace fs = std::filesystem;

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    dir_ = fs::temp_directory_path() /
           ("tpx32-driver-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }

  static void Write(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
  }
  static std::string Read(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "tpx32");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    testing::internal::CaptureStdout();
    int status = RunProgram(static_cast<int>(args.size()), argv.data());
    stdout_ = testing::internal::GetCapturedStdout();
    return status;
  }

  fs::path previous_;
  fs::path dir_;
  std::string stdout_;
};

#ifndef _WIN32
// With fewer file handles than nested includes, the outermost open files give up their
// handles and are reopened by name when reading returns to them.
TEST_F(DriverTest, NestedIncludesSurviveAShortageOfHandles) {
  const int depth = 40;
  auto header = [](int i) {
    char name[32];
    std::snprintf(name, sizeof name, "h%d.h", i);
    return std::string(name);
  };
  for (int i = 1; i < depth; ++i) {
    char text[96];
    std::snprintf(text, sizeof text, "a%d\n#include \"%s\"\nb%d\n", i, header(i + 1).c_str(), i);
    Write(header(i), text);
  }
  Write(header(depth), "last\n");
  Write("main.c", "#include \"h1.h\"\nend\n");

  // The same run with plenty of handles gives the reference output.
  ASSERT_EQ(Run({"-S-", "main.c"}), 0) << stdout_;
  std::string reference = Read("main.i");
  ASSERT_NE(reference.find("last"), std::string::npos);

  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  struct rlimit low = saved;
  low.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  int status = Run({"-S-", "main.c"});
  setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_EQ(status, 0) << stdout_;
  EXPECT_EQ(Read("main.i"), reference);
}
#endif

TEST_F(DriverTest, ErrorsDiscardTheOutputUnlessKept) {
  Write("bad.c", "int a;\n@\n");
  Write("good.c", "int b;\n");
  EXPECT_EQ(Run({"bad.c", "good.c"}), 1);
  EXPECT_FALSE(fs::exists("bad.i"));
  EXPECT_TRUE(fs::exists("good.i"));
  EXPECT_NE(
      stdout_.find("Error bad.c 2: Illegal character '@' (0x40)\n*** 1 errors in Compile ***\n"),
      std::string::npos)
      << stdout_;
  EXPECT_EQ(Run({"-Sk", "bad.c"}), 1);
  EXPECT_TRUE(fs::exists("bad.i"));
}

TEST_F(DriverTest, OptionsAreRestoredAfterEachFile) {
  // The first file is C++ by its extension; the second must be C again.
  Write("one.cpp", "class\n");
  Write("two.c", "class\n");
  ASSERT_EQ(Run({"-Sd", "one.cpp", "two.c"}), 0) << stdout_;
  std::string one = Read("one.i");
  std::string two = Read("two.i");
  EXPECT_NE(one.find("/* define __XDLLMT__ */\n"), std::string::npos);
  EXPECT_EQ(two.find("__XDLLMT__"), std::string::npos);
  EXPECT_NE(one.find("__TEMPLATES__"), std::string::npos);
  EXPECT_EQ(two.find("__TEMPLATES__"), std::string::npos);
}

// ---------------------------------------------------------------------------------------------
// tpx32's own "--" options.

TEST(LongOptionsTest, KnownWordsAndTheirValues) {
  LongOptions o;
  EXPECT_TRUE(ReadLongOption(o, "--help"));
  EXPECT_TRUE(ReadLongOption(o, "--version"));
  EXPECT_TRUE(ReadLongOption(o, "--quiet"));
  EXPECT_TRUE(ReadLongOption(o, "--diagnostics=gnu"));
  EXPECT_TRUE(o.help && o.version && o.quiet && o.gnuDiagnostics);
  EXPECT_TRUE(ReadLongOption(o, "--deps=out/x.d"));
  EXPECT_EQ(o.deps, LongOptions::Deps::Named);
  EXPECT_STREQ(o.depsFile, "out/x.d");
  EXPECT_STREQ(o.depsWord, "--deps=out/x.d");
  // The last of --deps and --deps=FILE counts.
  EXPECT_TRUE(ReadLongOption(o, "--deps"));
  EXPECT_EQ(o.deps, LongOptions::Deps::Beside);
  EXPECT_EQ(o.depsFile, nullptr);
}

TEST(LongOptionsTest, UnknownAndMalformedWordsAreRefused) {
  for (const char* word :
       {"--", "--Help", "--help=1", "--helpx", "--quiet=yes", "--deps=", "--depsx", "--diagnostics",
        "--diagnostics=", "--diagnostics=GNU", "--diagnostics=gnux", "--version ", "---help"}) {
    LongOptions o;
    EXPECT_FALSE(ReadLongOption(o, word)) << word;
    EXPECT_FALSE(o.help || o.version || o.quiet || o.gnuDiagnostics) << word;
    EXPECT_EQ(o.deps, LongOptions::Deps::Off) << word;
  }
  EXPECT_TRUE(IsLongOption("--x"));
  EXPECT_FALSE(IsLongOption("-x"));
  EXPECT_FALSE(IsLongOption("/-x"));
  EXPECT_FALSE(IsLongOption("-"));
}

class LongOptionScanTest : public DriverTest {
 protected:
  bool Scan(std::vector<std::string> args, LongOptions& o) {
    args.insert(args.begin(), "tpx32");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return ScanLeadingLongOptions(o, static_cast<int>(args.size()), argv.data());
  }
};

TEST_F(LongOptionScanTest, LooksIntoResponseFilesUpToTheFirstFileName) {
  Write("quiet.rsp", "; comment\n-DX --quiet\n\"--diagnostics=gnu\"\n");
  Write("late.rsp", "main.c --help\n");
  LongOptions o;
  EXPECT_TRUE(Scan({"-Iinc", "@quiet.rsp", "+my.cfg", "main.c", "--version"}, o));
  EXPECT_TRUE(o.quiet);
  EXPECT_TRUE(o.gnuDiagnostics);
  EXPECT_FALSE(o.version);  // after the first file name

  LongOptions late;
  EXPECT_TRUE(Scan({"@late.rsp", "--version"}, late));
  EXPECT_FALSE(late.help);
  EXPECT_FALSE(late.version);

  // A response file that cannot be read ends the look: its expansion reports it later.
  LongOptions missing;
  EXPECT_TRUE(Scan({"@missing.rsp", "--quiet", "main.c"}, missing));
  EXPECT_FALSE(missing.quiet);
}

TEST_F(LongOptionScanTest, ReportsARefusedWordAndLeavesTheDependencyOptionToTheOptionPass) {
  LongOptions o;
  EXPECT_FALSE(Scan({"--help", "--bogus", "main.c"}, o));
  EXPECT_TRUE(o.help);
  LongOptions deps;
  EXPECT_TRUE(Scan({"--deps=x.d", "main.c"}, deps));
  EXPECT_EQ(deps.deps, LongOptions::Deps::Off);
  EXPECT_EQ(deps.depsFile, nullptr);
}

TEST_F(DriverTest, VersionIsOneLineWithoutBanner) {
  ASSERT_EQ(Run({"--version"}), 0);
  EXPECT_EQ(stdout_, VersionLine());
  const std::string prefix = "tpx32 ";
  ASSERT_EQ(stdout_.compare(0, prefix.size(), prefix), 0) << stdout_;
  EXPECT_EQ(stdout_.find('\n'), stdout_.size() - 1) << stdout_;
  EXPECT_EQ(stdout_.find("Preprocessor"), std::string::npos);
  // --version wins over options that come with it, but not over a refused "--" word.
  ASSERT_EQ(Run({"-DX", "--version", "-ocon", "main.c"}), 0);
  EXPECT_EQ(stdout_, VersionLine());
  EXPECT_EQ(Run({"--version", "--nothing"}), 1);
  EXPECT_NE(stdout_.find("Error: Incorrect command line option: --nothing\n"), std::string::npos);
}

TEST_F(DriverTest, GnuFormSendsEveryMessageToStandardError) {
  Write("a.c", "#bad\nint x;\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(Run({"--diagnostics=gnu", "a.c", "b.c"}), 1);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err,
            "a.c:1: error: Unknown preprocessor directive: 'bad'\n"
            "*** 1 errors in Compile ***\n"
            "tpx32: error: Could not find file 'b.c'\n");
  EXPECT_EQ(stdout_.find("error"), std::string::npos) << stdout_;
  EXPECT_NE(stdout_.find("a.c:\n"), std::string::npos) << stdout_;
}

// ---------------------------------------------------------------------------------------------
// Dependency files.

TEST_F(DriverTest, DependencyFileFollowsTheFateOfTheOutput) {
  Write("h.h", "int h;\n");
  Write("main.c", "#include \"h.h\"\nint m;\n");
  ASSERT_EQ(Run({"--quiet", "--deps", "main.c"}), 0) << stdout_;
  EXPECT_EQ(Read("main.d"), "main.i: main.c \\\n h.h\n\nh.h:\n");

  // Errors discard the output and remove the dependency file of the earlier run.
  Write("main.c", "#include \"h.h\"\n#if\n#endif\n");
  EXPECT_EQ(Run({"--quiet", "--deps", "main.c"}), 1);
  EXPECT_FALSE(fs::exists("main.i"));
  EXPECT_FALSE(fs::exists("main.d"));

  // Kept output (-Sk) keeps its dependency file.
  EXPECT_EQ(Run({"--quiet", "--deps", "-Sk", "main.c"}), 1);
  EXPECT_TRUE(fs::exists("main.i"));
  EXPECT_EQ(Read("main.d"), "main.i: main.c \\\n h.h\n\nh.h:\n");

  // A fatal error discards both too.
  Write("main.c", "#include \"h.h\"\n#error stop\n");
  EXPECT_EQ(Run({"--quiet", "--deps", "main.c"}), 1);
  EXPECT_FALSE(fs::exists("main.i"));
  EXPECT_FALSE(fs::exists("main.d"));
}

TEST_F(DriverTest, DependencyFileNeverReplacesOrRemovesAFileTheRunReads) {
  Write("h.h", "int h;\n");
  Write("main.c", "#include \"h.h\"\nint m;\n");
  // Named after a header the file includes, or after the source itself (by another spelling).
  EXPECT_EQ(Run({"--quiet", "--deps=h.h", "main.c"}), 1);
  EXPECT_EQ(Read("h.h"), "int h;\n");
  EXPECT_NE(stdout_.find("Unable to create output file 'h.h'"), std::string::npos) << stdout_;
  EXPECT_FALSE(fs::exists("main.i"));
  EXPECT_EQ(Run({"--quiet", "--deps=./main.c", "main.c"}), 1);
  EXPECT_EQ(Read("main.c"), "#include \"h.h\"\nint m;\n");
  // Nor the output file it writes.
  EXPECT_EQ(Run({"--quiet", "--deps=main.i", "main.c"}), 1);
  EXPECT_FALSE(fs::exists("main.i"));

  // With errors the dependency file is removed, but not when it is the source.
  Write("bad.c", "#if\n#endif\n");
  EXPECT_EQ(Run({"--quiet", "--deps=bad.c", "bad.c"}), 1);
  EXPECT_EQ(Read("bad.c"), "#if\n#endif\n");
}

// The per-file arena that the dependency file's texts are built in.
class DependencyTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run_.memory.Startup();
    run_.memory.StartOfFile();
  }
  void TearDown() override {
    run_.memory.EndOfFileRelease();
    run_.memory.Shutdown();
  }
  std::string WithExtension(const std::string& name) {
    ArenaText out(run_.memory.arena);
    DependencyFile::AppendWithDependencyExtension(out, name.c_str(), name.size());
    return std::string(out.Data(), out.Size());
  }
  std::string Escaped(const std::string& path) {
    ArenaText out(run_.memory.arena);
    DependencyFile::AppendEscaped(out, path.c_str());
    return std::string(out.Data(), out.Size());
  }

  tpx::Run run_;
};

TEST_F(DependencyTextTest, ExtensionForTheDependencyFile) {
  EXPECT_EQ(WithExtension("main.i"), "main.d");
  EXPECT_EQ(WithExtension("out/main"), "out/main.d");
  EXPECT_EQ(WithExtension("a.b/main"), "a.b/main.d");
  EXPECT_EQ(WithExtension("x.pp"), "x.d");
  EXPECT_EQ(WithExtension("x.d"), "x.d.d");
  EXPECT_EQ(WithExtension("x."), "x.d");
  EXPECT_EQ(WithExtension("x.dd"), "x.d");
}

TEST_F(DependencyTextTest, NamesAreEscapedAsMakeReadsThem) {
  EXPECT_EQ(Escaped("plain/name.h"), "plain/name.h");
  EXPECT_EQ(Escaped("my dir/a b.h"), "my\\ dir/a\\ b.h");
  EXPECT_EQ(Escaped("tab\there.h"), "tab\\\there.h");
  EXPECT_EQ(Escaped("cost$.h"), "cost$$.h");
  EXPECT_EQ(Escaped("$$"), "$$$$");
  EXPECT_EQ(Escaped("no#1.h"), "no\\#1.h");
  // Backslashes before a blank are doubled, so that the blank stays escaped; others stay.
  EXPECT_EQ(Escaped("dir\\ x"), "dir\\\\\\ x");
  EXPECT_EQ(Escaped("dir\\\\ x"), "dir\\\\\\\\\\ x");
  EXPECT_EQ(Escaped("win\\path\\a.h"), "win\\path\\a.h");
}

}  // namespace
}  // namespace tpx
