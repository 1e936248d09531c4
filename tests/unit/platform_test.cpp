// The POSIX platform layer; the Win32 one is tested in platform_win32_test.cpp.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <iconv.h>
#include <locale.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {
// Repeated here so that this test builds against a header without it as well.
bool SeekFile(int handle, std::uint32_t offset);
}  // namespace platform

namespace {

// ---------------------------------------------------------------------------------------------
// Helpers.

// Sets LC_ALL for the life of the object and puts the previous value back afterwards.
class ScopedLocaleEnvironment {
 public:
  explicit ScopedLocaleEnvironment(const char* value) {
    const char* old = std::getenv("LC_ALL");
    hadOld_ = old != nullptr;
    if (hadOld_) old_ = old;
    setenv("LC_ALL", value, 1);
  }
  ~ScopedLocaleEnvironment() {
    if (hadOld_)
      setenv("LC_ALL", old_.c_str(), 1);
    else
      unsetenv("LC_ALL");
  }

 private:
  bool hadOld_ = false;
  std::string old_;
};

// Collects the names a search reports; stops after `stopAfter` names when that is not 0.
struct Found {
  std::vector<std::string> names;
  std::size_t stopAfter = 0;
};

bool Collect(void* context, const char* name) {
  Found* found = static_cast<Found*>(context);
  found->names.emplace_back(name);
  return found->stopAfter == 0 || found->names.size() < found->stopAfter;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

// A fresh directory under /tmp, removed with everything in it at the end of the test.
class FindFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/tpx32-platform-XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    dir_ = templ;
  }
  void TearDown() override { RemoveTree(dir_); }

  static void RemoveTree(const std::string& path) {
    if (DIR* d = opendir(path.c_str())) {
      while (const dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        std::string child = path + "/" + name;
        struct stat st;
        if (lstat(child.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
          RemoveTree(child);
        else
          unlink(child.c_str());
      }
      closedir(d);
    }
    rmdir(path.c_str());
  }

  void MakeFile(const std::string& name) {
    int fd = open((dir_ + "/" + name).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << name;
    close(fd);
  }
  void MakeDirectory(const std::string& name) {
    ASSERT_EQ(mkdir((dir_ + "/" + name).c_str(), 0755), 0) << name;
  }
  std::string In(const std::string& pattern) const { return dir_ + "/" + pattern; }

  // Runs a search and returns what it reported, with its result in `result`.
  static std::vector<std::string> Find(const std::string& pattern, int* result) {
    Found found;
    *result = platform::FindFiles(pattern.c_str(), Collect, &found);
    return found.names;
  }

  std::string dir_;
};

using Names = std::vector<std::string>;

// ---------------------------------------------------------------------------------------------
// Wild-card search.

TEST_F(FindFilesTest, StarMatchesRegularFilesOnly) {
  for (const char* name : {"a.c", "b.c", "ab.c", "x.h", "c.cpp"}) MakeFile(name);
  MakeDirectory("x.c");
  int result = 0;
  EXPECT_EQ(Sorted(Find(In("*.c"), &result)), (Names{"a.c", "ab.c", "b.c"}));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Sorted(Find(In("*"), &result)), (Names{"a.c", "ab.c", "b.c", "c.cpp", "x.h"}));
  EXPECT_EQ(Sorted(Find(In("*b*"), &result)), (Names{"ab.c", "b.c"}));
  EXPECT_EQ(Sorted(Find(In("*.c*"), &result)), (Names{"a.c", "ab.c", "b.c", "c.cpp"}));
}

TEST_F(FindFilesTest, QuestionMarkTakesExactlyOneCharacter) {
  for (const char* name : {"a.c", "b.c", "ab.c", ".c"}) MakeFile(name);
  int result = 0;
  EXPECT_EQ(Sorted(Find(In("?.c"), &result)), (Names{"a.c", "b.c"}));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Find(In("??.c"), &result), (Names{"ab.c"}));
  EXPECT_EQ(Find(In("???.c"), &result), Names{});
  EXPECT_EQ(result, -1);
}

TEST_F(FindFilesTest, StarBacktracksOverRepeatedText) {
  for (const char* name : {"abcc.c", "acc.c", "abc.h", "cc.c"}) MakeFile(name);
  int result = 0;
  EXPECT_EQ(Sorted(Find(In("a*c.c"), &result)), (Names{"abcc.c", "acc.c"}));
  EXPECT_EQ(Sorted(Find(In("*c*c.c"), &result)), (Names{"abcc.c", "acc.c", "cc.c"}));
  EXPECT_EQ(Find(In("a*b*c*.h"), &result), (Names{"abc.h"}));
  EXPECT_EQ(Find(In("a*x*"), &result), Names{});
}

TEST_F(FindFilesTest, ResultsComeInDirectoryOrder) {
  for (int i = 0; i < 20; ++i) MakeFile(std::string("f").append(std::to_string(i)).append(".c"));
  MakeFile("other.h");
  Names expected;
  DIR* d = opendir(dir_.c_str());
  ASSERT_NE(d, nullptr);
  while (const dirent* e = readdir(d)) {
    std::string name = e->d_name;
    if (name.size() > 2 && name.compare(name.size() - 2, 2, ".c") == 0) expected.push_back(name);
  }
  closedir(d);
  int result = 0;
  EXPECT_EQ(Find(In("*.c"), &result), expected);
}

TEST_F(FindFilesTest, NameWithoutWildCardsFindsThatRegularFile) {
  MakeFile("a.c");
  MakeDirectory("x.c");
  int result = 0;
  EXPECT_EQ(Find(In("a.c"), &result), (Names{"a.c"}));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Find(In("x.c"), &result), Names{});
  EXPECT_EQ(result, -1);
  EXPECT_EQ(Find(In("missing.c"), &result), Names{});
  EXPECT_EQ(result, -1);
  EXPECT_EQ(Find(dir_ + "/", &result), Names{});
  EXPECT_EQ(result, -1);
  EXPECT_EQ(Find("", &result), Names{});
  EXPECT_EQ(result, -1);
}

TEST_F(FindFilesTest, HiddenNamesNeedAnExplicitLeadingDot) {
  for (const char* name : {".hidden.c", "shown.c"}) MakeFile(name);
  int result = 0;
  EXPECT_EQ(Find(In("*.c"), &result), (Names{"shown.c"}));
  EXPECT_EQ(Find(In("?hidden.c"), &result), Names{});
  EXPECT_EQ(result, -1);
  EXPECT_EQ(Find(In(".*.c"), &result), (Names{".hidden.c"}));
  EXPECT_EQ(Find(In(".hidden.c"), &result), (Names{".hidden.c"}));
}

TEST_F(FindFilesTest, WildCardsOnlyInTheLastComponent) {
  MakeDirectory("sub");
  MakeFile("sub/in.c");
  MakeFile("top.c");
  int result = 0;
  EXPECT_EQ(Find(In("sub/*.c"), &result), (Names{"in.c"}));
  EXPECT_EQ(result, 1);
  // The directory part is taken literally.
  EXPECT_EQ(Find(In("s*/*.c"), &result), Names{});
  EXPECT_EQ(result, -1);
  EXPECT_EQ(Find(In("missing/*.c"), &result), Names{});
  EXPECT_EQ(result, -1);
}

TEST_F(FindFilesTest, PatternWithoutDirectoryUsesTheCurrentOne) {
  MakeFile("here.c");
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(dir_.c_str()), 0);
  int starResult = 0, plainResult = 0;
  Names star = Find("*.c", &starResult);
  Names plain = Find("here.c", &plainResult);
  ASSERT_EQ(chdir(previous), 0);
  EXPECT_EQ(star, (Names{"here.c"}));
  EXPECT_EQ(starResult, 1);
  EXPECT_EQ(plain, (Names{"here.c"}));
  EXPECT_EQ(plainResult, 1);
}

TEST_F(FindFilesTest, RootDirectoryPattern) {
  // The directory part "/" must not be lost when the pattern names the root.
  int result = 0;
  Names found = Find("/*", &result);
  Names expected;
  DIR* d = opendir("/");
  ASSERT_NE(d, nullptr);
  while (const dirent* e = readdir(d)) {
    struct stat st;
    std::string path = std::string("/") + e->d_name;
    if (e->d_name[0] != '.' && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
      expected.push_back(e->d_name);
  }
  closedir(d);
  EXPECT_EQ(Sorted(found), Sorted(expected));
  EXPECT_EQ(result, expected.empty() ? -1 : 1);
}

TEST_F(FindFilesTest, CallbackCanStopTheSearch) {
  for (const char* name : {"a.c", "b.c", "c.c"}) MakeFile(name);
  Found found;
  found.stopAfter = 1;
  EXPECT_EQ(platform::FindFiles(In("*.c").c_str(), Collect, &found), 0);
  EXPECT_EQ(found.names.size(), 1u);
  Found second;
  second.stopAfter = 2;
  EXPECT_EQ(platform::FindFiles(In("*.c").c_str(), Collect, &second), 0);
  EXPECT_EQ(second.names.size(), 2u);
  Found single;
  single.stopAfter = 1;
  EXPECT_EQ(platform::FindFiles(In("a.c").c_str(), Collect, &single), 0);
}

TEST_F(FindFilesTest, NamesMatchWithExactCaseAndAreReportedAsStored) {
  for (const char* name : {"Mixed.C", "lower.c"}) MakeFile(name);
  int result = 0;
  EXPECT_EQ(Find(In("*.C"), &result), (Names{"Mixed.C"}));
  EXPECT_EQ(Find(In("*.c"), &result), (Names{"lower.c"}));
  EXPECT_EQ(Find(In("m*"), &result), Names{});
  EXPECT_EQ(Find(In("LOWER.C"), &result), Names{});
  EXPECT_EQ(result, -1);
  EXPECT_TRUE(platform::NamesKeepCase(In("*.c").c_str()));
}

TEST_F(FindFilesTest, BracketsAndBackslashesAreOrdinaryCharacters) {
  for (const char* name : {"[ab].c", "a.c", "x\\y.c"}) MakeFile(name);
  int result = 0;
  EXPECT_EQ(Find(In("[ab]*"), &result), (Names{"[ab].c"}));
  EXPECT_EQ(Find(In("[ab].c"), &result), (Names{"[ab].c"}));
  EXPECT_EQ(Find(In("x\\?.c"), &result), (Names{"x\\y.c"}));
}

TEST_F(FindFilesTest, SymbolicLinksCountAsWhatTheyNameAndDanglingOnesAreSkipped) {
  MakeFile("target.c");
  MakeDirectory("folder");
  ASSERT_EQ(symlink("target.c", In("link.c").c_str()), 0);
  ASSERT_EQ(symlink("folder", In("dirlink.c").c_str()), 0);
  ASSERT_EQ(symlink("nowhere", In("dangling.c").c_str()), 0);
  int result = 0;
  EXPECT_EQ(Sorted(Find(In("*.c"), &result)), (Names{"link.c", "target.c"}));
}

TEST_F(FindFilesTest, QuestionMarkTakesAWholeMultibyteCharacter) {
  ScopedLocaleEnvironment locale("C.UTF-8");
  if (platform::ActiveCodePage() != 65001) GTEST_SKIP() << "no UTF-8 locale available";
  MakeFile("\xC3\xA9.c");              // e with acute accent, two bytes
  MakeFile("\xE2\x82\xAC\xC3\xA9.c");  // euro sign and e with acute accent
  int result = 0;
  EXPECT_EQ(Find(In("?.c"), &result), (Names{"\xC3\xA9.c"}));
  EXPECT_EQ(Find(In("??.c"), &result), (Names{"\xE2\x82\xAC\xC3\xA9.c"}));
  EXPECT_EQ(Find(In("*\xA9.c"), &result), Names{});  // a trail byte never stands alone
  EXPECT_EQ(Sorted(Find(In("*\xC3\xA9.c"), &result)),
            (Names{"\xC3\xA9.c", "\xE2\x82\xAC\xC3\xA9.c"}));
}

// ---------------------------------------------------------------------------------------------
// Executable path.

TEST(ExecutablePath, NamesTheRunningProgram) {
  char path[4096];
  platform::ExecutablePath(path, sizeof path);
  ASSERT_NE(path[0], 0);
  EXPECT_EQ(path[0], '/');
  struct stat st;
  ASSERT_EQ(stat(path, &st), 0) << path;
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(access(path, X_OK), 0);
  // It is this very program: the file holds the code now running.
  struct stat self;
  ASSERT_EQ(stat("/proc/self/exe", &self), 0);
  EXPECT_EQ(st.st_ino, self.st_ino);
  EXPECT_EQ(st.st_dev, self.st_dev);
}

TEST(ExecutablePath, TooSmallABufferGivesTheEmptyText) {
  char full[4096];
  platform::ExecutablePath(full, sizeof full);
  std::size_t length = std::strlen(full);
  ASSERT_GT(length, 1u);
  std::vector<char> exact(length + 1, 'x');
  platform::ExecutablePath(exact.data(), exact.size());
  EXPECT_STREQ(exact.data(), full);
  std::vector<char> small(length + 4, 'x');
  platform::ExecutablePath(small.data(), length);
  EXPECT_EQ(small[0], 0);
  // Nothing is written past the given size.
  EXPECT_EQ(small[length], 'x');
}

// ---------------------------------------------------------------------------------------------
// Code pages.

TEST(ActiveCodePage, FollowsTheCharacterSetOfTheLocale) {
  std::string processLocale = setlocale(LC_CTYPE, nullptr);
  {
    ScopedLocaleEnvironment locale("C");
    EXPECT_EQ(platform::ActiveCodePage(), 1252u);
  }
  {
    ScopedLocaleEnvironment locale("C.UTF-8");
    unsigned cp = platform::ActiveCodePage();
    locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (utf8 != static_cast<locale_t>(nullptr)) {
      freelocale(utf8);
      EXPECT_EQ(cp, 65001u);
    }
  }
  {
    // An unknown locale falls back to the single-byte code page.
    ScopedLocaleEnvironment locale("xx_NOWHERE.none");
    EXPECT_EQ(platform::ActiveCodePage(), 1252u);
  }
  // The process locale itself is left alone.
  EXPECT_EQ(processLocale, setlocale(LC_CTYPE, nullptr));
}

std::vector<int> LeadBytes(unsigned codePage) {
  bool table[256];
  std::memset(table, 1, sizeof table);
  platform::LeadByteTable(codePage, table);
  std::vector<int> lead;
  for (int b = 0; b < 256; ++b)
    if (table[b]) lead.push_back(b);
  return lead;
}

bool IsLead(unsigned codePage, int byte) {
  std::vector<int> lead = LeadBytes(codePage);
  return std::find(lead.begin(), lead.end(), byte) != lead.end();
}

TEST(LeadByteTable, DoubleByteCodePages) {
  EXPECT_TRUE(IsLead(932, 0x81));
  EXPECT_TRUE(IsLead(932, 0x9F));
  EXPECT_FALSE(IsLead(932, 0xA0));
  EXPECT_FALSE(IsLead(932, 0xDF));  // half-width katakana stand alone
  EXPECT_TRUE(IsLead(932, 0xE0));
  EXPECT_TRUE(IsLead(932, 0xFC));
  EXPECT_FALSE(IsLead(932, 0xFD));
  EXPECT_FALSE(IsLead(932, 0x80));
  for (unsigned cp : {936u, 949u, 950u}) {
    EXPECT_FALSE(IsLead(cp, 0x80)) << cp;
    EXPECT_TRUE(IsLead(cp, 0x81)) << cp;
    EXPECT_TRUE(IsLead(cp, 0xB0)) << cp;
    EXPECT_TRUE(IsLead(cp, 0xFE)) << cp;
    EXPECT_FALSE(IsLead(cp, 0xFF)) << cp;
    EXPECT_EQ(LeadBytes(cp).size(), 0xFEu - 0x81u + 1) << cp;
  }
  EXPECT_FALSE(IsLead(1361, 0x83));
  EXPECT_TRUE(IsLead(1361, 0x84));
  EXPECT_TRUE(IsLead(1361, 0xD3));
  EXPECT_FALSE(IsLead(1361, 0xD4));
  EXPECT_TRUE(IsLead(1361, 0xD8));
  EXPECT_TRUE(IsLead(1361, 0xDE));
  EXPECT_FALSE(IsLead(1361, 0xDF));
  EXPECT_TRUE(IsLead(1361, 0xF9));
  EXPECT_FALSE(IsLead(1361, 0xFA));
  for (int b = 0; b < 0x80; ++b) {
    for (unsigned cp : {932u, 936u, 949u, 950u, 1361u}) EXPECT_FALSE(IsLead(cp, b)) << cp;
  }
}

TEST(LeadByteTable, SingleByteCodePagesHaveNone) {
  for (unsigned cp : {1252u, 437u, 1251u, 65001u, 12345u}) EXPECT_TRUE(LeadBytes(cp).empty()) << cp;
}

TEST(LeadByteTable, AgreesWithTheConverter) {
  // A lead byte alone is an incomplete character; a byte that is not a lead byte in the ASCII
  // range is a character by itself.
  for (unsigned cp : {932u, 936u, 949u, 950u, 1361u}) {
    for (int b : LeadBytes(cp)) {
      char text[1] = {static_cast<char>(b)};
      std::uint16_t out[4];
      EXPECT_EQ(platform::MultiByteToUtf16(cp, text, 1, out, 4), 0) << cp << " " << b;
    }
  }
  // In 932 the bytes 0xA1 to 0xDF are half-width katakana, one byte each.
  for (int b = 0xA1; b <= 0xDF; ++b) {
    ASSERT_FALSE(IsLead(932, b));
    char text[1] = {static_cast<char>(b)};
    std::uint16_t out[4] = {};
    ASSERT_EQ(platform::MultiByteToUtf16(932, text, 1, out, 4), 1) << b;
    EXPECT_EQ(out[0], 0xFF61 + (b - 0xA1));
  }
}

std::vector<std::uint16_t> Convert(unsigned codePage, const std::string& text, int capacity = 8) {
  std::vector<std::uint16_t> out(static_cast<std::size_t>(capacity) + 2, 0xBEEF);
  int n = platform::MultiByteToUtf16(codePage, text.data(), static_cast<int>(text.size()),
                                     out.data(), capacity);
  // Nothing may be written past the capacity.
  EXPECT_EQ(out[static_cast<std::size_t>(capacity)], 0xBEEF);
  out.resize(static_cast<std::size_t>(std::max(n, 0)));
  return out;
}

using Units = std::vector<std::uint16_t>;

TEST(MultiByteToUtf16, DoubleByteCharacters) {
  EXPECT_EQ(Convert(932, "\x82\xA0"), (Units{0x3042}));  // hiragana a
  EXPECT_EQ(Convert(932, "a\x82\xA0"), (Units{'a', 0x3042}));
  EXPECT_EQ(Convert(936, "\xB0\xA1"), (Units{0x554A}));
  EXPECT_EQ(Convert(949, "\xB0\xA1"), (Units{0xAC00}));   // hangul ga
  EXPECT_EQ(Convert(950, "\xA4\x40"), (Units{0x4E00}));   // one
  EXPECT_EQ(Convert(1361, "\x88\x61"), (Units{0xAC00}));  // hangul ga
  EXPECT_EQ(Convert(932, "\x82"), Units{});               // cut-off pair
}

TEST(MultiByteToUtf16, CodePage1252) {
  EXPECT_EQ(Convert(1252, "\x80"), (Units{0x20AC}));
  EXPECT_EQ(Convert(1252, "A\xE9\xFF"), (Units{'A', 0xE9, 0xFF}));
  EXPECT_EQ(Convert(1252, "\x9F"), (Units{0x0178}));
  // Unassigned bytes still convert, to the C1 control of the same number.
  EXPECT_EQ(Convert(1252, "\x81\x8D\x8F\x90\x9D"), (Units{0x81, 0x8D, 0x8F, 0x90, 0x9D}));
}

TEST(MultiByteToUtf16, CodePage1252AgreesWithTheSystemConverter) {
  iconv_t cd = iconv_open("UTF-16LE", "CP1252");
  if (cd == reinterpret_cast<iconv_t>(-1)) GTEST_SKIP() << "no system converter for CP1252";
  for (int b = 1; b < 256; ++b) {
    char in[1] = {static_cast<char>(b)};
    unsigned char outBytes[4];
    char* inPos = in;
    char* outPos = reinterpret_cast<char*>(outBytes);
    std::size_t inLeft = 1, outLeft = sizeof outBytes;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPos, &inLeft, &outPos, &outLeft) == static_cast<std::size_t>(-1))
      continue;  // unassigned in the system's table
    std::uint16_t expected = static_cast<std::uint16_t>(outBytes[0] | outBytes[1] << 8);
    EXPECT_EQ(Convert(1252, std::string(1, static_cast<char>(b))), (Units{expected})) << b;
  }
  iconv_close(cd);
}

TEST(MultiByteToUtf16, Utf8) {
  EXPECT_EQ(Convert(65001, "\xC3\xA9"), (Units{0xE9}));
  EXPECT_EQ(Convert(65001, "\xE2\x82\xAC"), (Units{0x20AC}));
  EXPECT_EQ(Convert(65001, "\xF0\x9F\x98\x80"), (Units{0xD83D, 0xDE00}));  // surrogate pair
  EXPECT_EQ(Convert(65001, "\xC3"), Units{});
  EXPECT_EQ(Convert(65001, "\xFF"), Units{});
}

TEST(MultiByteToUtf16, CapacityAndBadArguments) {
  EXPECT_EQ(Convert(65001, "abc", 2), Units{});
  EXPECT_EQ(Convert(1252, "abc", 2), Units{});
  EXPECT_EQ(Convert(932, "\x82\xA0\x82\xA0\x82\xA0", 2), Units{});
  EXPECT_EQ(Convert(65001, "abc", 3), (Units{'a', 'b', 'c'}));
  std::uint16_t out[4];
  EXPECT_EQ(platform::MultiByteToUtf16(65001, "abc", 0, out, 4), 0);
  EXPECT_EQ(platform::MultiByteToUtf16(65001, "abc", -1, out, 4), 0);
  EXPECT_EQ(platform::MultiByteToUtf16(4242424, "abc", 3, out, 4), 0);  // no such code page
}

TEST(MultiByteToUtf16, SwitchingCodePagesBackAndForth) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Convert(932, "\x82\xA0"), (Units{0x3042}));
    EXPECT_EQ(Convert(65001, "\xE3\x81\x82"), (Units{0x3042}));
    EXPECT_EQ(Convert(949, "\xB0\xA1"), (Units{0xAC00}));
  }
}

TEST(MultiByteToUtf16, CodePageZeroMeansTheActiveOne) {
  ScopedLocaleEnvironment locale("C.UTF-8");
  if (platform::ActiveCodePage() != 65001) GTEST_SKIP() << "no UTF-8 locale available";
  EXPECT_EQ(Convert(0, "\xC3\xA9"), (Units{0xE9}));
  EXPECT_TRUE(LeadBytes(0).empty());
}

// ---------------------------------------------------------------------------------------------
// Virtual memory.

TEST(VirtualMemory, ReserveCommitDecommit) {
  std::size_t page = platform::PageSize();
  ASSERT_GE(page, 512u);
  EXPECT_EQ(page & (page - 1), 0u);
  char* base = static_cast<char*>(platform::Reserve(8 * page, nullptr));
  ASSERT_NE(base, nullptr);
  ASSERT_TRUE(platform::Commit(base, 2 * page));
  EXPECT_EQ(base[0], 0);
  EXPECT_EQ(base[2 * page - 1], 0);
  std::memset(base, 0x5A, 2 * page);
  ASSERT_TRUE(platform::Decommit(base, page));
  // The second page keeps its contents.
  EXPECT_EQ(base[page], 0x5A);
  ASSERT_TRUE(platform::Commit(base, page));
  for (std::size_t i = 0; i < page; ++i) ASSERT_EQ(base[i], 0) << i;
  ASSERT_TRUE(platform::Commit(base + 4 * page, page));
  base[4 * page] = 1;
  EXPECT_TRUE(platform::ReleaseReservation(base, 8 * page));
}

TEST(VirtualMemory, ReservedPagesAreInaccessibleUntilCommitted) {
  std::size_t page = platform::PageSize();
  char* base = static_cast<char*>(platform::Reserve(4 * page, nullptr));
  ASSERT_NE(base, nullptr);
  ASSERT_TRUE(platform::Commit(base, page));
  base[0] = 1;
  EXPECT_DEATH({ static_cast<volatile char*>(base)[page] = 1; }, "");
  ASSERT_TRUE(platform::Decommit(base, page));
  EXPECT_DEATH({ static_cast<volatile char*>(base)[0] = 1; }, "");
  platform::ReleaseReservation(base, 4 * page);
}

TEST(VirtualMemory, AllocateRegionIsZeroedAndWritable) {
  std::size_t size = 3 * platform::PageSize() + 5;
  char* region = static_cast<char*>(platform::AllocateRegion(size));
  ASSERT_NE(region, nullptr);
  for (std::size_t i = 0; i < size; ++i) ASSERT_EQ(region[i], 0);
  std::memset(region, 0x11, size);
  EXPECT_TRUE(platform::FreeRegion(region, size));
}

// ---------------------------------------------------------------------------------------------
// Files.

// The whole contents of a file, read past the platform layer.
std::string ReadWhole(const std::string& path) {
  std::string data;
  int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return "(missing)";
  char chunk[65536];
  ssize_t n;
  while ((n = read(fd, chunk, sizeof chunk)) > 0) data.append(chunk, static_cast<std::size_t>(n));
  close(fd);
  return data;
}

TEST_F(FindFilesTest, FileRoundTrip) {
  std::string path = In("data.bin");
  int out = platform::CreateForWriting(path.c_str());
  ASSERT_GE(out, 0);
  std::string content = "line\r\nbytes \x1A\x00 end";
  content.push_back('\0');
  EXPECT_EQ(platform::WriteFile(out, content.data(), content.size()),
            static_cast<long>(content.size()));
  EXPECT_EQ(platform::FileSize(out), static_cast<long>(content.size()));
  EXPECT_TRUE(platform::CloseFile(out));

  int in = platform::OpenForReading(path.c_str());
  ASSERT_GE(in, 0);
  EXPECT_EQ(platform::FileSize(in), static_cast<long>(content.size()));
  std::string back(content.size() + 10, '?');
  EXPECT_EQ(platform::ReadFile(in, back.data(), back.size()), static_cast<long>(content.size()));
  back.resize(content.size());
  EXPECT_EQ(back, content);
  char more;
  EXPECT_EQ(platform::ReadFile(in, &more, 1), 0);
  // Seeking back reads the same bytes again.
  ASSERT_TRUE(platform::SeekFile(in, 6));
  char again[5] = {};
  EXPECT_EQ(platform::ReadFile(in, again, 4), 4);
  EXPECT_STREQ(again, "byte");
  ASSERT_TRUE(platform::SeekFile(in, 0));
  EXPECT_EQ(platform::ReadFile(in, again, 4), 4);
  EXPECT_STREQ(again, "line");
  EXPECT_TRUE(platform::CloseFile(in));
  EXPECT_FALSE(platform::SeekFile(in, 0));

  // Creating again replaces the contents: nothing of the old bytes is left after the close,
  // and a reader opened meanwhile sees only the new ones.
  out = platform::CreateForWriting(path.c_str());
  ASSERT_GE(out, 0);
  EXPECT_EQ(platform::WriteFile(out, "new", 3), 3);
  in = platform::OpenForReading(path.c_str());
  ASSERT_GE(in, 0);
  EXPECT_EQ(platform::FileSize(in), 3);
  EXPECT_TRUE(platform::CloseFile(in));
  EXPECT_TRUE(platform::CloseFile(out));
  EXPECT_EQ(ReadWhole(path), "new");
  out = platform::CreateForWriting(path.c_str());
  ASSERT_GE(out, 0);
  EXPECT_TRUE(platform::CloseFile(out));
  EXPECT_EQ(ReadWhole(path), "");

  EXPECT_TRUE(platform::DeleteFile(path.c_str()));
  EXPECT_FALSE(platform::DeleteFile(path.c_str()));
  EXPECT_EQ(platform::OpenForReading(path.c_str()), -1);
  EXPECT_FALSE(platform::LastOpenFailedForHandles());
  MakeDirectory("folder");
  EXPECT_EQ(platform::OpenForReading(In("folder").c_str()), -1);
}

TEST_F(FindFilesTest, SameFileByAnySpellingOrLink) {
  MakeFile("a.c");
  MakeFile("b.c");
  MakeDirectory("sub");
  const std::string a = In("a.c");
  EXPECT_TRUE(platform::SameFile(a.c_str(), a.c_str()));
  EXPECT_TRUE(platform::SameFile(a.c_str(), In("sub/../a.c").c_str()));
  EXPECT_TRUE(platform::SameFile(a.c_str(), In("./a.c").c_str()));
  ASSERT_EQ(link(a.c_str(), In("hard.c").c_str()), 0);
  EXPECT_TRUE(platform::SameFile(In("hard.c").c_str(), a.c_str()));
  // Two files are not one, however alike; a missing file is the same as nothing.
  EXPECT_FALSE(platform::SameFile(a.c_str(), In("b.c").c_str()));
  EXPECT_FALSE(platform::SameFile(a.c_str(), In("missing.c").c_str()));
  EXPECT_FALSE(platform::SameFile(In("missing.c").c_str(), In("missing.c").c_str()));
}

// Output files are written to a file of their own and renamed over the name at the end; the
// operations below are what that takes.

// The bytes of buffer `index` of a test output: 3,584 bytes that differ from buffer to buffer.
std::string Buffer(unsigned index) {
  std::string b(3584, '\0');
  for (std::size_t i = 0; i < b.size(); ++i)
    b[i] = static_cast<char>('A' + (index * 7 + i / 61) % 26);
  std::snprintf(b.data(), 16, "<%u>", index);
  return b;
}

void Fill(const std::string& path, std::size_t size) {
  std::string junk(size, 'x');
  int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, junk.data(), junk.size()), static_cast<ssize_t>(junk.size()));
  close(fd);
}

// Writes buffers [first, last) and returns how many writes reported a failure.
int WriteBuffers(int handle, unsigned first, unsigned last, std::string* expected) {
  int failures = 0;
  for (unsigned i = first; i < last; ++i) {
    std::string b = Buffer(i);
    if (platform::WriteFile(handle, b.data(), b.size()) != static_cast<long>(b.size())) ++failures;
    if (expected != nullptr) *expected += b;
  }
  return failures;
}

TEST_F(FindFilesTest, ANewFileIsNeverOneThatExists) {
  const std::string path = In("new.tmp");
  int out = platform::CreateNewForWriting(path.c_str());
  ASSERT_GE(out, 0);
  EXPECT_EQ(platform::WriteFile(out, "one", 3), 3);
  EXPECT_TRUE(platform::CloseFile(out));
  EXPECT_EQ(platform::CreateNewForWriting(path.c_str()), -1);
  EXPECT_FALSE(platform::LastOpenFailedForHandles());
  EXPECT_EQ(ReadWhole(path), "one");
  // Not through a link either, even one that leads nowhere.
  ASSERT_EQ(symlink("nowhere", In("dangling").c_str()), 0);
  EXPECT_EQ(platform::CreateNewForWriting(In("dangling").c_str()), -1);
  EXPECT_EQ(ReadWhole(In("nowhere")), "(missing)");
}

TEST_F(FindFilesTest, ReplacingAFileIsOneStepForItsReaders) {
  const std::string path = In("out.i");
  Fill(path, 3 << 20);
  int reader = platform::OpenForReading(path.c_str());
  ASSERT_GE(reader, 0);
  const std::string temporary = In(".out.i.tmp");
  int out = platform::CreateNewForWriting(temporary.c_str());
  ASSERT_GE(out, 0);
  std::string expected;
  EXPECT_EQ(WriteBuffers(out, 0, 300, &expected), 0);
  EXPECT_TRUE(platform::CloseFile(out));
  // Until the rename the name holds the old file whole.
  EXPECT_EQ(ReadWhole(path), std::string(3 << 20, 'x'));
  EXPECT_TRUE(platform::ReplaceFile(temporary.c_str(), path.c_str()));
  EXPECT_EQ(ReadWhole(path), expected);
  EXPECT_EQ(ReadWhole(temporary), "(missing)");
  // A reader of the old file goes on reading the old file.
  EXPECT_EQ(platform::FileSize(reader), 3 << 20);
  EXPECT_TRUE(platform::CloseFile(reader));
  EXPECT_FALSE(platform::ReplaceFile(temporary.c_str(), path.c_str()));
}

TEST_F(FindFilesTest, CreatingForWritingEmptiesAFileAndEmptyFileCutsIt) {
  const std::string path = In("in-place.i");
  Fill(path, 100000);
  int out = platform::CreateForWriting(path.c_str());
  ASSERT_GE(out, 0);
  EXPECT_EQ(ReadWhole(path), "");
  EXPECT_EQ(platform::WriteFile(out, "partial", 7), 7);
  EXPECT_EQ(ReadWhole(path), "partial");
  EXPECT_TRUE(platform::EmptyFile(out));
  EXPECT_TRUE(platform::CloseFile(out));
  EXPECT_EQ(ReadWhole(path), "");
}

TEST_F(FindFilesTest, TheNewFileTakesThePermissionsOfTheOld) {
  const std::string old = In("old.i");
  Fill(old, 10);
  ASSERT_EQ(chmod(old.c_str(), 0640), 0);
  int out = platform::CreateNewForWriting(In("new.i").c_str());
  ASSERT_GE(out, 0);
  platform::TakePermissions(out, old.c_str());
  EXPECT_TRUE(platform::CloseFile(out));
  struct stat st;
  ASSERT_EQ(stat(In("new.i").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(FindFilesTest, IdentityOfPathsAndHandles) {
  MakeFile("a.c");
  MakeFile("b.c");
  ASSERT_EQ(symlink("a.c", In("link.c").c_str()), 0);
  platform::FileId a, b, viaLink, viaHandle;
  ASSERT_TRUE(platform::IdentifyPath(In("a.c").c_str(), &a));
  ASSERT_TRUE(platform::IdentifyPath(In("b.c").c_str(), &b));
  ASSERT_TRUE(platform::IdentifyPath(In("link.c").c_str(), &viaLink));
  EXPECT_FALSE(a == b);
  EXPECT_TRUE(a == viaLink);
  int handle = platform::OpenForReading(In("./a.c").c_str());
  ASSERT_GE(handle, 0);
  ASSERT_TRUE(platform::IdentifyHandle(handle, &viaHandle));
  EXPECT_TRUE(a == viaHandle);
  EXPECT_TRUE(platform::CloseFile(handle));
  EXPECT_FALSE(platform::IdentifyPath(In("missing.c").c_str(), &b));
}

TEST_F(FindFilesTest, KindsOfPaths) {
  MakeFile("a.c");
  MakeDirectory("sub");
  ASSERT_EQ(mkfifo(In("fifo").c_str(), 0644), 0);
  ASSERT_EQ(symlink("a.c", In("link").c_str()), 0);
  ASSERT_EQ(symlink("/dev/null", In("device").c_str()), 0);
  EXPECT_EQ(platform::KindOfPath(In("a.c").c_str()), platform::PathKind::kRegular);
  EXPECT_EQ(platform::KindOfPath(In("link").c_str()), platform::PathKind::kRegular);
  EXPECT_EQ(platform::KindOfPath(In("sub").c_str()), platform::PathKind::kOther);
  EXPECT_EQ(platform::KindOfPath(In("fifo").c_str()), platform::PathKind::kOther);
  EXPECT_EQ(platform::KindOfPath(In("device").c_str()), platform::PathKind::kOther);
  EXPECT_EQ(platform::KindOfPath(In("missing").c_str()), platform::PathKind::kNone);
  EXPECT_EQ(platform::KindOfPath(In("missing/deeper").c_str()), platform::PathKind::kNone);
}

TEST_F(FindFilesTest, FollowingLinks) {
  MakeDirectory("sub");
  MakeFile("sub/target.i");
  ASSERT_EQ(symlink("sub/target.i", In("relative.i").c_str()), 0);
  ASSERT_EQ(symlink(In("relative.i").c_str(), In("absolute.i").c_str()), 0);
  ASSERT_EQ(symlink("gone.i", In("sub/dangling.i").c_str()), 0);
  ASSERT_EQ(symlink("loop2", In("loop1").c_str()), 0);
  ASSERT_EQ(symlink("loop1", In("loop2").c_str()), 0);
  char out[4096];
  // A relative link is read from the folder of the link, and a chain is followed to its end.
  ASSERT_TRUE(platform::FollowLinks(In("absolute.i").c_str(), out, sizeof out));
  EXPECT_EQ(std::string(out), In("sub/target.i"));
  ASSERT_TRUE(platform::FollowLinks(In("sub/dangling.i").c_str(), out, sizeof out));
  EXPECT_EQ(std::string(out), In("sub/gone.i"));
  ASSERT_TRUE(platform::FollowLinks(In("plain.i").c_str(), out, sizeof out));
  EXPECT_EQ(std::string(out), In("plain.i"));
  ASSERT_TRUE(platform::FollowLinks("relative-name.i", out, sizeof out));
  EXPECT_EQ(std::string(out), "relative-name.i");
  EXPECT_FALSE(platform::FollowLinks(In("loop1").c_str(), out, sizeof out));
  // A result that does not fit is refused whole.
  EXPECT_FALSE(platform::FollowLinks(In("absolute.i").c_str(), out, In("sub/target").size()));
}

TEST(Processes, ThisOneExistsAndAnEndedOneDoesNot) {
  EXPECT_EQ(platform::ProcessId(), static_cast<unsigned long>(getpid()));
  EXPECT_TRUE(platform::ProcessExists(platform::ProcessId()));
  pid_t child = fork();
  if (child == 0) _exit(0);
  ASSERT_GT(child, 0);
  int status;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_FALSE(platform::ProcessExists(static_cast<unsigned long>(child)));
  EXPECT_FALSE(platform::ProcessExists(0));
}

TEST_F(FindFilesTest, AWriteThatFailsIsReported) {
  std::string path = In("limited.i");
  std::string dir = dir_;
  EXPECT_EXIT(
      {
        // Files may not grow past 1 MiB; writing past it fails instead of raising a signal.
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit;
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1 << 20;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
        int out = platform::CreateForWriting(path.c_str());
        if (out < 0) _exit(4);
        int failures = WriteBuffers(out, 0, 600, nullptr);
        bool closed = platform::CloseFile(out);
        struct stat st;
        if (stat(path.c_str(), &st) != 0 || st.st_size > (1 << 20)) _exit(5);
        if (platform::LastWriteBrokenPipe()) _exit(6);
        _exit(failures > 0 && closed ? 0 : 7);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(Files, AWriteToAPipeWithoutReaderFailsAndSaysSo) {
  EXPECT_EXIT(
      {
        platform::PrepareStandardOutput();  // a pipe without reader no longer ends the process
        int ends[2];
        if (pipe(ends) != 0) _exit(3);
        close(ends[0]);
        if (platform::WriteFile(ends[1], "x", 1) != -1) _exit(4);
        _exit(platform::LastWriteBrokenPipe() ? 0 : 5);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(Files, AClosedStandardOutputStaysReservedAndFailsToWrite) {
  EXPECT_EXIT(
      {
        close(1);
        platform::PrepareStandardOutput();
        // A file opened now does not take the number of standard output.
        int fd = open("/dev/null", O_RDONLY);
        if (fd == 1) _exit(3);
        _exit(write(1, "x", 1) == -1 ? 0 : 4);
      },
      ::testing::ExitedWithCode(0), "");
}

// Each of the signals that end a run reaches the handler, which ends the process itself.
TEST(Signals, TerminationRequestsReachTheInterruptHandler) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    EXPECT_EXIT(
        {
          platform::InstallInterruptHandler([] { std::_Exit(255); });
          raise(signal);
          _exit(7);
        },
        ::testing::ExitedWithCode(255), "")
        << "signal " << signal;
  }
}

// In a death-test child: sets the limit on open handles to `count`; a limit that cannot be set
// ends the child with status 3.
void SetHandleLimit(int count) {
  struct rlimit limit;
  getrlimit(RLIMIT_NOFILE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(count);
  if (setrlimit(RLIMIT_NOFILE, &limit) != 0) _exit(3);
}

// In a death-test child: lowers the limit on open handles to those open now, so that the next
// open fails for want of a handle, and returns their number (status 2 when none can be had).
int LimitHandlesToThoseOpen() {
  int probe = open("/dev/null", O_RDONLY);
  if (probe < 0) _exit(2);
  close(probe);
  // Every handle from the probe's number on is now beyond the limit.
  SetHandleLimit(probe);
  return probe;
}

TEST(Files, RunningOutOfHandlesIsRecognised) {
  EXPECT_EXIT(
      {
        LimitHandlesToThoseOpen();
        int handle = platform::OpenForReading("/dev/null");
        bool outOfHandles = handle < 0 && platform::LastOpenFailedForHandles();
        _exit(outOfHandles ? 0 : 4);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(Paths, PosixConventions) {
  EXPECT_EQ(platform::kPathSeparator, '/');
  EXPECT_TRUE(platform::IsDirectorySeparator('/'));
  EXPECT_FALSE(platform::IsDirectorySeparator('\\'));
  EXPECT_FALSE(platform::IsDirectorySeparator(':'));
  EXPECT_EQ(platform::DrivePrefixLength("c:/x.c"), 0u);
  EXPECT_FALSE(platform::FileNamesIgnoreCase());
}

// ---------------------------------------------------------------------------------------------
// Names written for Windows.

// A fresh directory, and a fresh set of directory listings read with the active code page.
class WindowsNamesTest : public FindFilesTest {
 protected:
  void SetUp() override {
    FindFilesTest::SetUp();
    platform::ResetWindowsNames(0);
  }
  void TearDown() override {
    platform::ResetWindowsNames(0);
    FindFilesTest::TearDown();
  }

  void MakeFileWith(const std::string& name, const std::string& content) {
    int fd = open(In(name).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << name;
    ASSERT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    close(fd);
  }

  // The path on disk of a name written below the test directory, or "(none)".
  std::string Resolve(const std::string& written) {
    char out[4096];
    std::string path = dir_ + "\\" + written;
    return platform::ResolveWindowsName(path.c_str(), out, sizeof out) ? std::string(out)
                                                                       : std::string("(none)");
  }

  // The contents of the file that an open with `lookup` reads, or "(none)".
  std::string Read(const std::string& written, platform::NameLookup lookup) {
    int handle = platform::OpenForReading(In(written).c_str(), lookup);
    if (handle < 0) return "(none)";
    char data[64];
    long n = platform::ReadFile(handle, data, sizeof data);
    platform::CloseFile(handle);
    return std::string(data, n > 0 ? static_cast<std::size_t>(n) : 0);
  }

  static Names FindWindowsStyle(const std::string& pattern, int* result) {
    Found found;
    *result = platform::FindFilesWindowsStyle(pattern.c_str(), Collect, &found);
    return found.names;
  }
};

TEST_F(WindowsNamesTest, BackslashesSeparateAndEveryComponentIgnoresCase) {
  MakeDirectory("Inc");
  MakeDirectory("Inc/Sub");
  MakeFile("Inc/Sub/Foo.h");
  EXPECT_TRUE(platform::ResolvesWindowsNames());
  EXPECT_EQ(Resolve("inc\\SUB\\foo.H"), dir_ + "/Inc/Sub/Foo.h");
  EXPECT_EQ(Resolve("Inc/sub\\Foo.h"), dir_ + "/Inc/Sub/Foo.h");
  // Runs of separators count as one; a trailing one stays.
  EXPECT_EQ(Resolve("INC\\\\sub//"), dir_ + "/Inc/Sub/");
  // Dots are kept for the system to follow.
  EXPECT_EQ(Resolve("inc\\sub\\..\\SUB\\.\\FOO.H"), dir_ + "/Inc/Sub/../Sub/./Foo.h");
  EXPECT_EQ(Resolve("inc\\missing\\foo.h"), "(none)");
  EXPECT_EQ(Resolve("inc\\sub\\foo.h\\more"), "(none)");
  EXPECT_EQ(Resolve("inc\\sub\\fo.h"), "(none)");
}

TEST_F(WindowsNamesTest, AnEntrySpeltAsWrittenComesFirstThenTheFirstInByteOrder) {
  for (const char* name : {"foo.h", "Foo.h", "FOO.H"}) MakeFile(name);
  MakeDirectory("D");
  MakeDirectory("d");
  MakeFile("d/x.h");
  EXPECT_EQ(Resolve("foo.h"), dir_ + "/foo.h");
  EXPECT_EQ(Resolve("Foo.h"), dir_ + "/Foo.h");
  EXPECT_EQ(Resolve("FOO.H"), dir_ + "/FOO.H");
  // No exact entry: "FOO.H" < "Foo.h" < "foo.h" in byte order.
  EXPECT_EQ(Resolve("fOO.h"), dir_ + "/FOO.H");
  EXPECT_EQ(Resolve("foo.H"), dir_ + "/FOO.H");
  // The rule picks by name alone: "D" comes first and has no x.h.
  EXPECT_EQ(Resolve("d\\X.H"), dir_ + "/d/x.h");
  EXPECT_EQ(Resolve("D\\X.H"), "(none)");
}

TEST_F(WindowsNamesTest, OnlyAsciiLettersFold) {
  MakeFile("\xC4x.h");  // a byte above 0x7F
  MakeFile("a[b].h");
  EXPECT_EQ(Resolve("\xC4X.H"), dir_ + "/\xC4x.h");
  EXPECT_EQ(Resolve("\xE4x.h"), "(none)");
  EXPECT_EQ(Resolve("A{B}.h"), "(none)");
  EXPECT_EQ(Resolve("A[B].H"), dir_ + "/a[b].h");
}

TEST_F(WindowsNamesTest, DriveLettersAndOtherColonsAreNotMapped) {
  char out[4096];
  EXPECT_FALSE(platform::ResolveWindowsName("C:\\tmp", out, sizeof out));
  EXPECT_FALSE(platform::ResolveWindowsName("c:/tmp", out, sizeof out));
  EXPECT_FALSE(platform::ResolveWindowsName("", out, sizeof out));
  // Not after a directory either, even where a folder of that name exists.
  MakeDirectory("C:");
  MakeFile("C:/x.h");
  EXPECT_EQ(Resolve("C:\\x.h"), "(none)");
  EXPECT_EQ(Resolve("c:\\X.H"), "(none)");
  // A leading backslash is the root.
  ASSERT_TRUE(platform::ResolveWindowsName("\\TMP", out, sizeof out));
  EXPECT_EQ(std::string(out), "/tmp");
}

TEST_F(WindowsNamesTest, ResultsThatDoNotFitAreRefused) {
  MakeFile("abc.h");
  std::string written = dir_ + "\\ABC.H";
  std::string expected = dir_ + "/abc.h";
  char out[4096];
  EXPECT_FALSE(platform::ResolveWindowsName(written.c_str(), out, expected.size()));
  ASSERT_TRUE(platform::ResolveWindowsName(written.c_str(), out, expected.size() + 1));
  EXPECT_EQ(std::string(out), expected);
}

TEST_F(WindowsNamesTest, RelativeNamesStartInTheCurrentDirectory) {
  MakeDirectory("Src");
  MakeFile("Src/Main.c");
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(dir_.c_str()), 0);
  char out[4096];
  bool found = platform::ResolveWindowsName("src\\main.C", out, sizeof out);
  bool dotted = found && platform::ResolveWindowsName(".\\SRC\\..\\src\\MAIN.c", out + 2048, 2048);
  ASSERT_EQ(chdir(previous), 0);
  ASSERT_TRUE(found);
  EXPECT_EQ(std::string(out), "Src/Main.c");
  ASSERT_TRUE(dotted);
  EXPECT_EQ(std::string(out + 2048), "./Src/../Src/Main.c");
}

TEST_F(WindowsNamesTest, EachDirectoryIsListedOncePerProcess) {
  MakeDirectory("inc");
  MakeDirectory("a");
  for (int i = 0; i < 20; ++i) MakeFile("inc/h" + std::to_string(i) + ".h");
  const unsigned long before = platform::DirectoryListingsRead();
  EXPECT_EQ(Resolve("INC\\H0.H"), dir_ + "/inc/h0.h");
  // The root, /tmp, the test directory and inc.
  const unsigned long first = platform::DirectoryListingsRead() - before;
  EXPECT_EQ(first, 4u);
  for (int i = 0; i < 20; ++i) EXPECT_NE(Resolve("Inc\\H" + std::to_string(i) + ".H"), "(none)");
  EXPECT_EQ(Resolve("INC\\missing.h"), "(none)");
  // Another path to the same directories lists nothing again.
  EXPECT_EQ(Resolve("A\\..\\INC\\H3.H"), dir_ + "/a/../inc/h3.h");
  EXPECT_EQ(platform::DirectoryListingsRead() - before, first);
  // A directory not yet needed is listed when it is first reached, and from then on its
  // listing is kept: a file created after that is not seen by names read as on Windows.
  MakeFile("a/early.h");
  EXPECT_EQ(Resolve("A\\EARLY.H"), dir_ + "/a/early.h");
  EXPECT_EQ(platform::DirectoryListingsRead() - before, first + 1);
  MakeFile("a/late.h");
  EXPECT_EQ(Resolve("A\\LATE.H"), "(none)");
  EXPECT_EQ(platform::DirectoryListingsRead() - before, first + 1);
}

TEST_F(WindowsNamesTest, TrailBytesOfDoubleByteCharactersAreNeitherSeparatorsNorFolded) {
  // 0x83 0x5C and 0x83 0x41 are double-byte characters of code page 932; their trail bytes are
  // "\" and "A".
  MakeFile("\x83\x5cx.h");
  MakeFile("\x83\x41.h");
  platform::ResetWindowsNames(932);
  EXPECT_EQ(Resolve("\x83\x5cX.H"), dir_ + "/\x83\x5cx.h");
  EXPECT_EQ(Resolve("\x83\x61.h"), "(none)");
  EXPECT_EQ(Resolve("\x83\x41.H"), dir_ + "/\x83\x41.h");
  EXPECT_EQ(platform::WindowsDirectoryLength("d\\\x83\x5cx.h"), 2u);
  // Read with a single-byte code page the same bytes are a separator and a letter.
  platform::ResetWindowsNames(1252);
  EXPECT_EQ(Resolve("\x83\x5cX.H"), "(none)");
  EXPECT_EQ(Resolve("\x83\x61.h"), dir_ + "/\x83\x41.h");
  EXPECT_EQ(platform::WindowsDirectoryLength("d\\\x83\x5cx.h"), 4u);
}

TEST_F(WindowsNamesTest, DirectoryLengthCountsEitherSlash) {
  EXPECT_EQ(platform::WindowsDirectoryLength("a\\b/c.h"), 4u);
  EXPECT_EQ(platform::WindowsDirectoryLength("a/b\\c.h"), 4u);
  EXPECT_EQ(platform::WindowsDirectoryLength("c.h"), 0u);
  EXPECT_EQ(platform::WindowsDirectoryLength("\\"), 1u);
  EXPECT_EQ(platform::WindowsDirectoryLength(""), 0u);
}

TEST_F(WindowsNamesTest, OpeningTriesTheNameAsWrittenFirst) {
  MakeFileWith("a.h", "lower");
  MakeFileWith("A.H", "upper");
  MakeFileWith("Only.h", "only");
  using platform::NameLookup;
  EXPECT_EQ(Read("A.H", NameLookup::kAsWrittenThenWindowsStyle), "upper");
  EXPECT_EQ(Read("a.h", NameLookup::kAsWrittenThenWindowsStyle), "lower");
  EXPECT_EQ(Read("a.H", NameLookup::kAsWrittenThenWindowsStyle), "upper");
  EXPECT_EQ(Read("ONLY.H", NameLookup::kAsWritten), "(none)");
  EXPECT_EQ(Read("ONLY.H", NameLookup::kWindowsStyle), "only");
  EXPECT_EQ(Read("ONLY.H", NameLookup::kAsWrittenThenWindowsStyle), "only");
  EXPECT_EQ(Read("none.h", NameLookup::kAsWrittenThenWindowsStyle), "(none)");
  EXPECT_FALSE(platform::LastOpenFailedForHandles());
  MakeDirectory("Folder");
  EXPECT_EQ(Read("FOLDER", NameLookup::kWindowsStyle), "(none)");
}

TEST_F(WindowsNamesTest, PatternsIgnoreCaseAndReportNamesAsStored) {
  MakeDirectory("Sub");
  for (const char* name : {"Sub/b.c", "Sub/A.C", "Sub/c.h", "Sub/.hidden.c"}) MakeFile(name);
  MakeDirectory("Sub/dir.c");
  int result = 0;
  EXPECT_EQ(FindWindowsStyle(dir_ + "\\SUB\\*.C", &result), (Names{"A.C", "b.c"}));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(FindWindowsStyle(dir_ + "\\sub\\?.c", &result), (Names{"A.C", "b.c"}));
  EXPECT_EQ(FindWindowsStyle(dir_ + "/SUB/a.c", &result), (Names{"A.C"}));
  EXPECT_EQ(FindWindowsStyle(dir_ + "/SUB/.HIDDEN.C", &result), (Names{".hidden.c"}));
  EXPECT_EQ(FindWindowsStyle(dir_ + "/SUB/DIR.C", &result), Names{});
  EXPECT_EQ(result, -1);
  EXPECT_EQ(FindWindowsStyle(dir_ + "/NONE/*.c", &result), Names{});
  EXPECT_EQ(result, -1);
  EXPECT_EQ(FindWindowsStyle(dir_ + "/SUB\\", &result), Names{});
  EXPECT_EQ(result, -1);
  Found first;
  first.stopAfter = 1;
  EXPECT_EQ(platform::FindFilesWindowsStyle((dir_ + "\\sub\\*").c_str(), Collect, &first), 0);
  EXPECT_EQ(first.names, (Names{"A.C"}));
}

TEST_F(WindowsNamesTest, RunningOutOfHandlesWhileListingIsRecognised) {
  MakeDirectory("Deep");
  MakeFile("Deep/x.h");
  const std::string written = In("DEEP/X.H");
  EXPECT_EXIT(
      {
        const int opened = LimitHandlesToThoseOpen();
        int handle = platform::OpenForReading(written.c_str(), platform::NameLookup::kWindowsStyle);
        if (handle >= 0 || !platform::LastOpenFailedForHandles()) _exit(4);
        // With a handle free again the directory is listed after all.
        SetHandleLimit(opened + 2);
        handle = platform::OpenForReading(written.c_str(), platform::NameLookup::kWindowsStyle);
        _exit(handle >= 0 ? 0 : 6);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(Options, OnlyADashStartsAnOptionWord) {
  EXPECT_TRUE(platform::IsOptionWord("-Ic"));
  EXPECT_TRUE(platform::IsOptionWord("-"));
  EXPECT_FALSE(platform::IsOptionWord("/Ic"));
  EXPECT_FALSE(platform::IsOptionWord("/home/me/a.c"));
  EXPECT_FALSE(platform::IsOptionWord("+my.cfg"));
  EXPECT_FALSE(platform::IsOptionWord("@resp"));
  EXPECT_FALSE(platform::IsOptionWord("a.c"));
}

// ---------------------------------------------------------------------------------------------
// Fault and interrupt handlers. Each runs in a child process, so the handlers installed never
// reach the process running the other tests.

void Say(const char* text) {
  ssize_t ignored = write(STDERR_FILENO, text, std::strlen(text));
  (void)ignored;
}

// Reports whether the fault address lies in the code of the module at the code base.
void ReportFaultLocation(std::uintptr_t address, std::uintptr_t base) {
  Dl_info info;
  bool inProgram = base != 0 && dladdr(reinterpret_cast<void*>(address), &info) != 0 &&
                   reinterpret_cast<std::uintptr_t>(info.dli_fbase) == base;
  Say(inProgram ? "fault inside the program's code\n" : "fault elsewhere\n");
}

void ExitOnFault(std::uintptr_t address, std::uintptr_t base) {
  ReportFaultLocation(address, base);
  _exit(1);
}

// The sanitizer's own checks are kept out of the faulting helpers so that the machine fault,
// not a sanitizer report, is what happens.
__attribute__((noinline, no_sanitize("undefined"))) void WriteThroughNull() {
  volatile int* volatile target = nullptr;
  *target = 1;
}

__attribute__((noinline, no_sanitize("undefined"))) int DivideByZero() {
  volatile int zero = 0;
  return 10 / zero;
}

volatile bool keepRecursing = true;

int RecurseForever(int depth) {
  volatile char frame[512];
  frame[0] = static_cast<char>(depth);
  if (keepRecursing) return RecurseForever(depth + 1) + frame[0];
  return frame[0];
}

TEST(FaultHandler, NullWriteReachesTheHandler) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(ExitOnFault);
        WriteThroughNull();
        _exit(7);
      },
      ::testing::ExitedWithCode(1), "fault inside the program's code");
}

TEST(FaultHandler, StackOverflowIsCaughtOnTheAlternateStack) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(ExitOnFault);
        RecurseForever(0);
        _exit(7);
      },
      ::testing::ExitedWithCode(1), "fault inside the program's code");
}

TEST(FaultHandler, DivisionByZeroReachesTheHandler) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(ExitOnFault);
        volatile int quotient = DivideByZero();
        (void)quotient;
        _exit(7);
      },
      ::testing::ExitedWithCode(1), "fault");
}

int faultEntries = 0;

void FaultAgainInside(std::uintptr_t, std::uintptr_t) {
  if (++faultEntries == 1) {
    Say("first entry\n");
    WriteThroughNull();
  }
  Say("entered again\n");
  _exit(1);
}

TEST(FaultHandler, AFaultInsideTheHandlerEntersItAgain) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(FaultAgainInside);
        WriteThroughNull();
        _exit(7);
      },
      ::testing::ExitedWithCode(1), "first entry\nentered again");
}

void ReturnFromFault(std::uintptr_t, std::uintptr_t) { Say("handler returned\n"); }

TEST(FaultHandler, AHandlerThatReturnsStillEndsTheProcess) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(ReturnFromFault);
        WriteThroughNull();
        _exit(7);
      },
      ::testing::KilledBySignal(SIGSEGV), "handler returned");
}

void ExitOnInterrupt() {
  Say("interrupted\n");
  _exit(255);
}

TEST(InterruptHandler, InterruptCallsTheHandler) {
  EXPECT_EXIT(
      {
        platform::InstallInterruptHandler(ExitOnInterrupt);
        raise(SIGINT);
        _exit(7);
      },
      ::testing::ExitedWithCode(255), "interrupted");
}

void ReturnFromInterrupt() { Say("interrupt handler returned\n"); }

TEST(InterruptHandler, AHandlerThatReturnsStillEndsTheProcess) {
  EXPECT_EXIT(
      {
        platform::InstallInterruptHandler(ReturnFromInterrupt);
        raise(SIGINT);
        _exit(7);
      },
      ::testing::KilledBySignal(SIGINT), "interrupt handler returned");
}

}  // namespace
#endif  // _WIN32
