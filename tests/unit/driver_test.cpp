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

}  // namespace
}  // namespace tpx
