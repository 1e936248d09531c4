// The Win32 platform layer; the POSIX one is tested in platform_test.cpp.
#ifdef _WIN32
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#undef DeleteFile
#undef ReplaceFile

#include "driver/driver.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

// ---------------------------------------------------------------------------------------------
// Helpers.

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

using Names = std::vector<std::string>;

// A fresh folder in the system's temporary folder, removed with everything in it at the end.
class Win32FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("tpx32-win32-" + std::to_string(::GetCurrentProcessId()) + "-" + info->name());
    fs::remove_all(dir_);
    ASSERT_TRUE(fs::create_directories(dir_));
  }
  void TearDown() override {
    // Attributes such as read-only or system would keep the files from being removed.
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(dir_, ec))
      ::SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(dir_, ec);
  }

  std::string In(const std::string& name) const { return (dir_ / name).string(); }

  void MakeFile(const std::string& name, const std::string& text = "") {
    std::ofstream out(dir_ / name, std::ios::binary);
    ASSERT_TRUE(out) << name;
    out << text;
  }
  void MakeDirectory(const std::string& name) { ASSERT_TRUE(fs::create_directory(dir_ / name)); }

  static Names Find(const std::string& pattern, int* result) {
    Found found;
    *result = platform::FindFiles(pattern.c_str(), Collect, &found);
    return found.names;
  }

  fs::path dir_;
};

// ---------------------------------------------------------------------------------------------
// Paths.

TEST(Win32Paths, BackslashIsWrittenAndBothSlashesAreRead) {
  EXPECT_EQ(platform::kPathSeparator, '\\');
  EXPECT_TRUE(platform::IsDirectorySeparator('\\'));
  EXPECT_TRUE(platform::IsDirectorySeparator('/'));
  EXPECT_FALSE(platform::IsDirectorySeparator(':'));
  EXPECT_FALSE(platform::IsDirectorySeparator('.'));
  EXPECT_TRUE(platform::FileNamesIgnoreCase());
}

TEST(Win32Paths, DriveLetterAndColonArePrefixes) {
  EXPECT_EQ(platform::DrivePrefixLength("c:\\dir\\x.c"), 2u);
  EXPECT_EQ(platform::DrivePrefixLength("Z:x.c"), 2u);
  EXPECT_EQ(platform::DrivePrefixLength("q:"), 2u);
  EXPECT_EQ(platform::DrivePrefixLength("1:x.c"), 0u);
  EXPECT_EQ(platform::DrivePrefixLength(":x.c"), 0u);
  EXPECT_EQ(platform::DrivePrefixLength("\\\\server\\share\\x.c"), 0u);
  EXPECT_EQ(platform::DrivePrefixLength("dir\\x.c"), 0u);
  EXPECT_EQ(platform::DrivePrefixLength("x"), 0u);
  EXPECT_EQ(platform::DrivePrefixLength(""), 0u);
}

// ---------------------------------------------------------------------------------------------
// Virtual memory.

MEMORY_BASIC_INFORMATION Query(const void* address) {
  MEMORY_BASIC_INFORMATION info;
  std::memset(&info, 0, sizeof info);
  ::VirtualQuery(address, &info, sizeof info);
  return info;
}

TEST(Win32VirtualMemory, PageSizeIsTheProcessorsPage) { EXPECT_EQ(platform::PageSize(), 4096u); }

TEST(Win32VirtualMemory, ThePreferredAddressIsTakenWhenFreeAndAvoidedWhenNot) {
  const std::size_t size = 0x4000000;
  void* const preferred = reinterpret_cast<void*>(0x8000000);
  MEMORY_BASIC_INFORMATION before = Query(preferred);
  bool wasFree = before.State == MEM_FREE && before.RegionSize >= size;

  void* first = platform::Reserve(size, preferred);
  ASSERT_NE(first, nullptr);
  if (wasFree) {
    EXPECT_EQ(first, preferred);
  }
  // The range is taken now: a second reservation must go elsewhere rather than fail.
  void* second = platform::Reserve(size, preferred);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_TRUE(platform::ReleaseReservation(second, size));
  EXPECT_TRUE(platform::ReleaseReservation(first, size));
  EXPECT_EQ(Query(first).State, static_cast<DWORD>(MEM_FREE));
}

TEST(Win32VirtualMemory, ReserveCommitDecommitRelease) {
  const std::size_t page = platform::PageSize();
  const std::size_t size = 64 * page;
  char* base = static_cast<char*>(platform::Reserve(size, nullptr));
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(Query(base).State, static_cast<DWORD>(MEM_RESERVE));

  ASSERT_TRUE(platform::Commit(base, 4 * page));
  MEMORY_BASIC_INFORMATION committed = Query(base);
  EXPECT_EQ(committed.State, static_cast<DWORD>(MEM_COMMIT));
  EXPECT_EQ(committed.Protect, static_cast<DWORD>(PAGE_READWRITE));
  EXPECT_EQ(committed.RegionSize, 4 * page);
  for (std::size_t i = 0; i < 4 * page; ++i) ASSERT_EQ(base[i], 0) << i;
  std::memset(base, 0x5A, 4 * page);
  // The pages after the committed ones are still only reserved.
  EXPECT_EQ(Query(base + 4 * page).State, static_cast<DWORD>(MEM_RESERVE));

  ASSERT_TRUE(platform::Decommit(base, 4 * page));
  EXPECT_EQ(Query(base).State, static_cast<DWORD>(MEM_RESERVE));
  ASSERT_TRUE(platform::Commit(base, page));
  EXPECT_EQ(base[0], 0) << "pages committed again read as zero";
  EXPECT_EQ(base[page - 1], 0);

  EXPECT_TRUE(platform::ReleaseReservation(base, size));
  EXPECT_EQ(Query(base).State, static_cast<DWORD>(MEM_FREE));
}

TEST(Win32VirtualMemory, RegionsAreZeroedWritableAndGivenBackWhole) {
  const std::size_t size = 3 * platform::PageSize() + 100;
  unsigned char* region = static_cast<unsigned char*>(platform::AllocateRegion(size));
  ASSERT_NE(region, nullptr);
  for (std::size_t i = 0; i < size; ++i) ASSERT_EQ(region[i], 0) << i;
  std::memset(region, 0xA5, size);
  EXPECT_EQ(region[size - 1], 0xA5);
  EXPECT_TRUE(platform::FreeRegion(region, size));
  EXPECT_EQ(Query(region).State, static_cast<DWORD>(MEM_FREE));
  EXPECT_FALSE(platform::FreeRegion(nullptr, size));
}

TEST(Win32VirtualMemory, CommittingOutsideAReservationFails) {
  const std::size_t page = platform::PageSize();
  char* base = static_cast<char*>(platform::Reserve(4 * page, nullptr));
  ASSERT_NE(base, nullptr);
  ASSERT_TRUE(platform::ReleaseReservation(base, 4 * page));
  EXPECT_FALSE(platform::Commit(base, page));
}

// ---------------------------------------------------------------------------------------------
// Files.

TEST_F(Win32FilesTest, BytesGoInAndOutUntranslated) {
  // Text mode would write CR LF for LF and stop reading at the 0x1A byte.
  const std::string bytes(
      "one\ntwo\r\n\x1a"
      "after\0end\n",
      20);
  int out = platform::CreateForWriting(In("x.bin").c_str());
  ASSERT_GE(out, 0);
  EXPECT_EQ(platform::WriteFile(out, bytes.data(), bytes.size()), static_cast<long>(bytes.size()));
  EXPECT_EQ(platform::FileSize(out), static_cast<long>(bytes.size()));
  EXPECT_TRUE(platform::CloseFile(out));

  int in = platform::OpenForReading(In("x.bin").c_str());
  ASSERT_GE(in, 0);
  EXPECT_EQ(platform::FileSize(in), static_cast<long>(bytes.size()));
  char buffer[64];
  EXPECT_EQ(platform::ReadFile(in, buffer, sizeof buffer), static_cast<long>(bytes.size()));
  EXPECT_EQ(std::string(buffer, bytes.size()), bytes);
  EXPECT_EQ(platform::ReadFile(in, buffer, sizeof buffer), 0);

  ASSERT_TRUE(platform::SeekFile(in, 10));
  EXPECT_EQ(platform::ReadFile(in, buffer, 5), 5);
  EXPECT_EQ(std::string(buffer, 5), "after");
  EXPECT_TRUE(platform::CloseFile(in));
}

TEST_F(Win32FilesTest, CreatingTruncatesAndDeletingRemoves) {
  MakeFile("x.i", "old contents that are longer");
  int out = platform::CreateForWriting(In("x.i").c_str());
  ASSERT_GE(out, 0);
  EXPECT_EQ(platform::WriteFile(out, "new", 3), 3);
  EXPECT_TRUE(platform::CloseFile(out));
  EXPECT_EQ(fs::file_size(dir_ / "x.i"), 3u);
  EXPECT_TRUE(platform::DeleteFile(In("x.i").c_str()));
  EXPECT_FALSE(fs::exists(dir_ / "x.i"));
  EXPECT_FALSE(platform::DeleteFile(In("x.i").c_str()));
}

TEST_F(Win32FilesTest, SameFileByAnySpellingOrCase) {
  MakeFile("a.c", "a");
  MakeFile("b.c", "a");
  MakeDirectory("sub");
  const std::string a = In("a.c");
  EXPECT_TRUE(platform::SameFile(a.c_str(), a.c_str()));
  EXPECT_TRUE(platform::SameFile(a.c_str(), In("A.C").c_str()));
  EXPECT_TRUE(platform::SameFile(a.c_str(), In("sub\\..\\a.c").c_str()));
  EXPECT_TRUE(platform::SameFile(a.c_str(), In("sub/../a.c").c_str()));
  EXPECT_FALSE(platform::SameFile(a.c_str(), In("b.c").c_str()));
  EXPECT_FALSE(platform::SameFile(a.c_str(), In("missing.c").c_str()));
}

// What writing an output through a temporary takes: a new file that is never an old one, a
// rename over the name in one step, identities, kinds of names and processes.
TEST_F(Win32FilesTest, TemporaryFilesAndTheirReplacingOfTheName) {
  MakeFile("x.i", "old contents that are longer");
  int out = platform::CreateNewForWriting(In("x.i").c_str());
  EXPECT_EQ(out, -1);
  EXPECT_FALSE(platform::LastOpenFailedForHandles());
  out = platform::CreateNewForWriting(In(".x.i.tmp").c_str());
  ASSERT_GE(out, 0);
  EXPECT_EQ(platform::WriteFile(out, "new", 3), 3);
  EXPECT_TRUE(platform::CloseFile(out));
  EXPECT_EQ(fs::file_size(dir_ / "x.i"), 28u);
  platform::FileId before, after;
  ASSERT_TRUE(platform::IdentifyPath(In("x.i").c_str(), &before));
  EXPECT_TRUE(platform::ReplaceFile(In(".x.i.tmp").c_str(), In("x.i").c_str()));
  EXPECT_EQ(fs::file_size(dir_ / "x.i"), 3u);
  EXPECT_FALSE(fs::exists(dir_ / ".x.i.tmp"));
  ASSERT_TRUE(platform::IdentifyPath(In("X.I").c_str(), &after));
  EXPECT_FALSE(before == after);
  int in = platform::OpenForReading(In("x.i").c_str());
  ASSERT_GE(in, 0);
  platform::FileId viaHandle;
  ASSERT_TRUE(platform::IdentifyHandle(in, &viaHandle));
  EXPECT_TRUE(viaHandle == after);
  EXPECT_TRUE(platform::CloseFile(in));
  EXPECT_FALSE(platform::IdentifyPath(In("missing.i").c_str(), &after));
  // A file written in place can be emptied.
  out = platform::CreateForWriting(In("x.i").c_str());
  ASSERT_GE(out, 0);
  EXPECT_EQ(platform::WriteFile(out, "partial", 7), 7);
  EXPECT_TRUE(platform::EmptyFile(out));
  EXPECT_TRUE(platform::CloseFile(out));
  EXPECT_EQ(fs::file_size(dir_ / "x.i"), 0u);
}

TEST_F(Win32FilesTest, KindsOfNamesAndProcesses) {
  MakeFile("a.c", "a");
  MakeDirectory("sub");
  EXPECT_EQ(platform::KindOfPath(In("a.c").c_str()), platform::PathKind::kRegular);
  EXPECT_EQ(platform::KindOfPath(In("sub").c_str()), platform::PathKind::kOther);
  EXPECT_EQ(platform::KindOfPath("nul"), platform::PathKind::kOther);
  EXPECT_EQ(platform::KindOfPath(In("missing.c").c_str()), platform::PathKind::kNone);
  EXPECT_EQ(platform::KindOfPath(In("nodir\\x.c").c_str()), platform::PathKind::kNone);
  char out[MAX_PATH];
  ASSERT_TRUE(platform::FollowLinks(In("a.c").c_str(), out, sizeof out));
  EXPECT_EQ(std::string(out), In("a.c"));
  EXPECT_TRUE(platform::ProcessExists(platform::ProcessId()));
  EXPECT_EQ(platform::ProcessId(), static_cast<unsigned long>(::GetCurrentProcessId()));
  // Process ids are multiples of four: this one is never given to a process.
  EXPECT_FALSE(platform::ProcessExists(0xFFFFFFF1ul));
}

TEST_F(Win32FilesTest, MissingFilesAndDirectoriesDoNotOpen) {
  MakeDirectory("sub");
  EXPECT_EQ(platform::OpenForReading(In("missing.c").c_str()), -1);
  EXPECT_FALSE(platform::LastOpenFailedForHandles());
  EXPECT_EQ(platform::OpenForReading(In("sub").c_str()), -1);
  EXPECT_FALSE(platform::LastOpenFailedForHandles());
  EXPECT_EQ(platform::CreateForWriting(In("nodir\\x.i").c_str()), -1);
  EXPECT_FALSE(platform::LastOpenFailedForHandles());
}

TEST_F(Win32FilesTest, NamesAreFoundWithoutRegardToCase) {
  MakeFile("Mixed.C", "abc");
  int in = platform::OpenForReading(In("mIXED.c").c_str());
  ASSERT_GE(in, 0);
  EXPECT_EQ(platform::FileSize(in), 3);
  EXPECT_TRUE(platform::CloseFile(in));
}

// The system reads names written for Windows itself: the platform layer adds nothing to it.
TEST_F(Win32FilesTest, NamesAreOnlyEverTriedAsWritten) {
  MakeDirectory("Sub");
  MakeFile("Sub\\Mixed.h", "abc");
  using platform::NameLookup;
  EXPECT_FALSE(platform::ResolvesWindowsNames());
  const std::string written = In("SUB/mixed.H");
  int in = platform::OpenForReading(written.c_str(), NameLookup::kAsWrittenThenWindowsStyle);
  ASSERT_GE(in, 0);
  EXPECT_EQ(platform::FileSize(in), 3);
  EXPECT_TRUE(platform::CloseFile(in));
  in = platform::OpenForReading(written.c_str(), NameLookup::kAsWritten);
  ASSERT_GE(in, 0);
  EXPECT_TRUE(platform::CloseFile(in));
  EXPECT_EQ(platform::OpenForReading(written.c_str(), NameLookup::kWindowsStyle), -1);
  EXPECT_FALSE(platform::LastOpenFailedForHandles());
  char out[MAX_PATH];
  EXPECT_FALSE(platform::ResolveWindowsName(written.c_str(), out, sizeof out));
  Found found;
  EXPECT_EQ(platform::FindFilesWindowsStyle(In("SUB\\*.h").c_str(), Collect, &found), -1);
  EXPECT_EQ(found.names, Names{});
  EXPECT_EQ(platform::DirectoryListingsRead(), 0u);
}

TEST(Win32Paths, DirectoryPartsEndAtEitherSlashButNotAtATrailByte) {
  EXPECT_EQ(platform::WindowsDirectoryLength("c:x.h"), 2u);
  EXPECT_EQ(platform::WindowsDirectoryLength("c:\\a/b.h"), 5u);
  EXPECT_EQ(platform::WindowsDirectoryLength("x.h"), 0u);
  // 0x83 0x5C is one double-byte character of code page 932.
  platform::ResetWindowsNames(932);
  EXPECT_EQ(platform::WindowsDirectoryLength("d\\\x83\x5cx.h"), 2u);
  platform::ResetWindowsNames(1252);
  EXPECT_EQ(platform::WindowsDirectoryLength("d\\\x83\x5cx.h"), 4u);
  platform::ResetWindowsNames(0);
}

TEST(Win32Paths, DashAndSlashStartOptions) {
  EXPECT_TRUE(platform::IsOptionWord("-Ic"));
  EXPECT_TRUE(platform::IsOptionWord("/Ic"));
  EXPECT_FALSE(platform::IsOptionWord("+my.cfg"));
  EXPECT_FALSE(platform::IsOptionWord("@resp"));
  EXPECT_FALSE(platform::IsOptionWord("c:\\a.c"));
}

TEST_F(Win32FilesTest, RunningOutOfHandlesIsRecognised) {
  MakeFile("x.c", "x");
  const std::string name = In("x.c");
  std::vector<int> handles;
  int handle;
  // The C runtime has a fixed number of handles; the loop is bounded in case it has not.
  while ((handle = platform::OpenForReading(name.c_str())) >= 0 && handles.size() < 100000)
    handles.push_back(handle);
  bool outOfHandles = handle < 0 && platform::LastOpenFailedForHandles();
  int error = errno;
  for (int h : handles) platform::CloseFile(h);
  EXPECT_TRUE(outOfHandles) << handles.size() << " handles were opened; errno " << error;
  EXPECT_GT(handles.size(), 200u);
  // With handles free again the next open works and the failure is forgotten.
  handle = platform::OpenForReading(name.c_str());
  EXPECT_GE(handle, 0);
  EXPECT_FALSE(platform::LastOpenFailedForHandles());
  if (handle >= 0) platform::CloseFile(handle);
}

// ---------------------------------------------------------------------------------------------
// Wild-card search.

TEST_F(Win32FilesTest, PatternsMatchWithoutRegardToCaseAndNamesComeAsStored) {
  MakeFile("x.c");
  MakeFile("Mixed.C");
  MakeFile("y.h");
  int result = 0;
  EXPECT_EQ(Sorted(Find(In("*.C"), &result)), (Names{"Mixed.C", "x.c"}));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Find(In("MIXED.c"), &result), (Names{"Mixed.C"}));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Find(In("X.C"), &result), (Names{"x.c"}));
  EXPECT_EQ(Find(In("?.H"), &result), (Names{"y.h"}));
}

TEST_F(Win32FilesTest, OnlyNormalFilesAreFound) {
  MakeFile("plain.c");
  MakeDirectory("folder.c");
  MakeFile("hidden.c");
  MakeFile("system.c");
  ASSERT_TRUE(::SetFileAttributesA(In("hidden.c").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(::SetFileAttributesA(In("system.c").c_str(), FILE_ATTRIBUTE_SYSTEM));
  DWORD hidden = ::GetFileAttributesA(In("hidden.c").c_str());
  DWORD system = ::GetFileAttributesA(In("system.c").c_str());
  if (hidden == INVALID_FILE_ATTRIBUTES || (hidden & FILE_ATTRIBUTE_HIDDEN) == 0 ||
      system == INVALID_FILE_ATTRIBUTES || (system & FILE_ATTRIBUTE_SYSTEM) == 0) {
    GTEST_SKIP() << "this file system keeps no hidden or system attribute";
  }
  int result = 0;
  EXPECT_EQ(Find(In("*.c"), &result), (Names{"plain.c"}));
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(Find(In("hidden.c"), &result).empty());
  EXPECT_EQ(result, -1);
  EXPECT_TRUE(Find(In("folder.c"), &result).empty());
  EXPECT_EQ(result, -1);
}

TEST_F(Win32FilesTest, NothingMatchingGivesMinusOne) {
  MakeDirectory("only.c");
  int result = 0;
  EXPECT_TRUE(Find(In("*.c"), &result).empty());
  EXPECT_EQ(result, -1);
  EXPECT_TRUE(Find(In("none.c"), &result).empty());
  EXPECT_EQ(result, -1);
  EXPECT_TRUE(Find(In("nodir\\*.c"), &result).empty());
  EXPECT_EQ(result, -1);
  EXPECT_EQ(platform::FindFiles("", Collect, nullptr), -1);
}

TEST_F(Win32FilesTest, EitherSlashSeparatesTheDirectory) {
  MakeDirectory("sub");
  MakeFile("sub\\a.c");
  int result = 0;
  EXPECT_EQ(Find(In("sub\\*.c"), &result), (Names{"a.c"}));
  EXPECT_EQ(Find(dir_.string() + "/sub/*.c", &result), (Names{"a.c"}));
}

TEST_F(Win32FilesTest, CallbackCanStopTheSearch) {
  MakeFile("a.c");
  MakeFile("b.c");
  MakeFile("c.c");
  Found found;
  found.stopAfter = 2;
  EXPECT_EQ(platform::FindFiles(In("*.c").c_str(), Collect, &found), 0);
  EXPECT_EQ(found.names.size(), 2u);
}

struct Creator {
  fs::path dir;
  int calls = 0;
};

// Creates a new file that matches the running search each time it is called.
bool CreateAnother(void* context, const char*) {
  Creator* creator = static_cast<Creator*>(context);
  ++creator->calls;
  std::ofstream(creator->dir / ("new" + std::to_string(creator->calls) + ".c")) << "x";
  return creator->calls < 50;
}

TEST_F(Win32FilesTest, FilesCreatedDuringTheSearchAreNotFoundByIt) {
  MakeFile("a.c");
  MakeFile("b.c");
  Creator creator;
  creator.dir = dir_;
  EXPECT_EQ(platform::FindFiles(In("*.c").c_str(), CreateAnother, &creator), 1);
  EXPECT_EQ(creator.calls, 2);
}

// A drive letter that names no drive, or 0 when every letter is taken.
char UnusedDriveLetter() {
  DWORD drives = ::GetLogicalDrives();
  for (int i = 25; i >= 3; --i) {
    if ((drives & (1u << i)) == 0) return static_cast<char>('A' + i);
  }
  return 0;
}

TEST_F(Win32FilesTest, CaseKeepingFollowsTheVolume) {
  // The temporary folder lies on a volume that keeps the case of names; so does the current
  // directory's volume, which a pattern without a drive letter is on.
  EXPECT_TRUE(platform::NamesKeepCase(In("*.c").c_str()));
  fs::path previous = fs::current_path();
  fs::current_path(dir_);
  EXPECT_TRUE(platform::NamesKeepCase("*.c"));
  fs::current_path(previous);
  // A volume that cannot be asked counts as one that does not keep case.
  char letter = UnusedDriveLetter();
  if (letter == 0) GTEST_SKIP() << "every drive letter is in use";
  const std::string pattern = std::string(1, letter) + ":\\*.c";
  EXPECT_FALSE(platform::NamesKeepCase(pattern.c_str()));
}

TEST(Win32ExecutablePath, NamesTheRunningProgramWithItsDrive) {
  char path[MAX_PATH + 1];
  platform::ExecutablePath(path, sizeof path);
  std::string text = path;
  ASSERT_GT(text.size(), 3u);
  EXPECT_EQ(platform::DrivePrefixLength(path), 2u);
  EXPECT_EQ(text[2], '\\');
  std::string name = text.substr(text.find_last_of('\\') + 1);
  std::transform(name.begin(), name.end(), name.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  EXPECT_EQ(name, "unit_tests.exe");
  EXPECT_TRUE(fs::exists(fs::path(text)));
}

TEST(Win32ExecutablePath, TooSmallABufferGivesTheEmptyText) {
  char full[MAX_PATH + 1];
  platform::ExecutablePath(full, sizeof full);
  std::size_t length = std::strlen(full);
  ASSERT_GT(length, 0u);
  char small[MAX_PATH + 1];
  std::memset(small, 'x', sizeof small);
  platform::ExecutablePath(small, length);  // no room for the terminating zero
  EXPECT_EQ(small[0], 0);
  platform::ExecutablePath(small, length + 1);
  EXPECT_STREQ(small, full);
}

// ---------------------------------------------------------------------------------------------
// Code pages.

std::vector<int> LeadBytes(unsigned codePage) {
  bool table[256];
  platform::LeadByteTable(codePage, table);
  std::vector<int> lead;
  for (int b = 0; b < 256; ++b) {
    if (table[b]) lead.push_back(b);
  }
  return lead;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> bytes;
  for (int b = first; b <= last; ++b) bytes.push_back(b);
  return bytes;
}

TEST(Win32CodePages, LeadBytesOfTheDoubleByteCodePages) {
  std::vector<int> shiftJis = Range(0x81, 0x9F);
  std::vector<int> upper = Range(0xE0, 0xFC);
  shiftJis.insert(shiftJis.end(), upper.begin(), upper.end());
  EXPECT_EQ(LeadBytes(932), shiftJis);
  EXPECT_EQ(LeadBytes(936), Range(0x81, 0xFE));
  EXPECT_EQ(LeadBytes(949), Range(0x81, 0xFE));
  EXPECT_EQ(LeadBytes(950), Range(0x81, 0xFE));
}

TEST(Win32CodePages, SingleByteCodePagesHaveNoLeadBytes) {
  EXPECT_TRUE(LeadBytes(1252).empty());
  EXPECT_TRUE(LeadBytes(437).empty());
  EXPECT_TRUE(LeadBytes(65001).empty());
}

TEST(Win32CodePages, CodePageZeroIsTheActiveOne) {
  EXPECT_EQ(LeadBytes(0), LeadBytes(platform::ActiveCodePage()));
  EXPECT_NE(platform::ActiveCodePage(), 0u);
}

int Convert(unsigned codePage, const std::string& text, std::vector<std::uint16_t>* units,
            int capacity = 5) {
  units->assign(static_cast<std::size_t>(capacity), 0xFFFF);
  int n = platform::MultiByteToUtf16(codePage, text.data(), static_cast<int>(text.size()),
                                     units->data(), capacity);
  units->resize(static_cast<std::size_t>(n > 0 ? n : 0));
  return n;
}

TEST(Win32CodePages, DoubleByteCharactersConvert) {
  std::vector<std::uint16_t> units;
  EXPECT_EQ(Convert(932, "\x95\x5C", &units), 1);  // a trail byte that looks like a backslash
  EXPECT_EQ(units, (std::vector<std::uint16_t>{0x8868}));
  EXPECT_EQ(Convert(932,
                    "\x82\xA0"
                    "A",
                    &units),
            2);
  EXPECT_EQ(units, (std::vector<std::uint16_t>{0x3042, 0x0041}));
  EXPECT_EQ(Convert(936, "\xC4\xE3", &units), 1);
  EXPECT_EQ(units, (std::vector<std::uint16_t>{0x4F60}));
}

TEST(Win32CodePages, CodePage1252IncludingItsUnassignedBytes) {
  std::vector<std::uint16_t> units;
  EXPECT_EQ(Convert(1252, "\x80\x81\x9F\xE9", &units), 4);
  EXPECT_EQ(units, (std::vector<std::uint16_t>{0x20AC, 0x0081, 0x0178, 0x00E9}));
}

TEST(Win32CodePages, Utf8IncludingSurrogatePairs) {
  std::vector<std::uint16_t> units;
  EXPECT_EQ(Convert(65001, "\xC3\xA9", &units), 1);
  EXPECT_EQ(units, (std::vector<std::uint16_t>{0x00E9}));
  EXPECT_EQ(Convert(65001, "\xF0\x9F\x98\x80", &units), 2);
  EXPECT_EQ(units, (std::vector<std::uint16_t>{0xD83D, 0xDE00}));
}

TEST(Win32CodePages, InvalidTextAndNoRoomGiveNothing) {
  std::vector<std::uint16_t> units;
  EXPECT_EQ(Convert(932, "\x95", &units), 0) << "a lead byte without its trail byte";
  EXPECT_EQ(Convert(65001, "\xC3", &units), 0);
  EXPECT_EQ(Convert(1252, "abcdef", &units, 5), 0) << "six characters, room for five";
  EXPECT_EQ(Convert(1252, "abcde", &units, 5), 5);
  std::uint16_t out[2];
  EXPECT_EQ(platform::MultiByteToUtf16(1252, nullptr, 1, out, 2), 0);
  EXPECT_EQ(platform::MultiByteToUtf16(1252, "a", 0, out, 2), 0);
  EXPECT_EQ(platform::MultiByteToUtf16(1252, "a", 1, nullptr, 2), 0);
  EXPECT_EQ(platform::MultiByteToUtf16(1252, "a", 1, out, 0), 0);
}

// ---------------------------------------------------------------------------------------------
// Fault and interrupt handlers. Each runs in a child process, so the handlers installed never
// reach the process running the other tests.

void Say(const char* text) {
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(std::strlen(text)),
              &written, nullptr);
}

// Reports whether the fault address lies in the program's image and the code base is its base.
void ReportFaultLocation(std::uintptr_t address, std::uintptr_t base) {
  HMODULE program = ::GetModuleHandleA(nullptr);
  MEMORY_BASIC_INFORMATION region = Query(reinterpret_cast<const void*>(address));
  bool inProgram = base == reinterpret_cast<std::uintptr_t>(program) &&
                   region.AllocationBase == static_cast<void*>(program);
  Say(inProgram ? "fault inside the program's code\n" : "fault elsewhere\n");
}

void ExitOnFault(std::uintptr_t address, std::uintptr_t base) {
  ReportFaultLocation(address, base);
  ::ExitProcess(1);
}

__attribute__((noinline)) void WriteThroughNull() {
  volatile int* volatile target = nullptr;
  *target = 1;
}

__attribute__((noinline)) int DivideByZero() {
  volatile int zero = 0;
  return 10 / zero;
}

volatile bool keepRecursing = true;

__attribute__((noinline)) int RecurseForever(int depth) {
  volatile char frame[512];
  frame[0] = static_cast<char>(depth);
  if (keepRecursing) return RecurseForever(depth + 1) + frame[0];
  return frame[0];
}

TEST(Win32FaultHandler, NullWriteReachesTheHandler) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(ExitOnFault);
        WriteThroughNull();
        ::ExitProcess(7);
      },
      ::testing::ExitedWithCode(1), "fault inside the program's code");
}

TEST(Win32FaultHandler, DivisionByZeroReachesTheHandler) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(ExitOnFault);
        volatile int quotient = DivideByZero();
        (void)quotient;
        ::ExitProcess(7);
      },
      ::testing::ExitedWithCode(1), "fault inside the program's code");
}

// A handler that needs far more stack than an overflowed stack has left, as a real report does
// (formatted printing, closing and deleting the output file).
__attribute__((noinline)) void ExitOnFaultWithABigFrame(std::uintptr_t address,
                                                        std::uintptr_t base) {
  volatile char frame[64 * 1024];
  frame[0] = 1;
  frame[sizeof frame - 1] = 1;
  ExitOnFault(address, base + static_cast<std::uintptr_t>(frame[0] - frame[sizeof frame - 1]));
}

TEST(Win32FaultHandler, StackOverflowIsHandledOnAStackOfItsOwn) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(ExitOnFaultWithABigFrame);
        RecurseForever(0);
        ::ExitProcess(7);
      },
      ::testing::ExitedWithCode(1), "fault inside the program's code");
}

TEST(Win32FaultHandler, AFaultInsideASystemLibraryReachesTheHandler) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(ExitOnFault);
        // Called through a pointer, so that the compiler cannot put the code inline.
        using Length = std::size_t (*)(const char*);
        Length length = reinterpret_cast<Length>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("msvcrt.dll"), "strlen")));
        if (length == nullptr) ::ExitProcess(8);
        volatile std::size_t n = length(reinterpret_cast<const char*>(16));
        (void)n;
        ::ExitProcess(7);
      },
      ::testing::ExitedWithCode(1), "fault elsewhere");
}

int faultEntries = 0;

void FaultAgainInside(std::uintptr_t, std::uintptr_t) {
  if (++faultEntries == 1) {
    Say("first entry\n");
    WriteThroughNull();
  }
  Say("entered again\n");
  ::ExitProcess(1);
}

TEST(Win32FaultHandler, AFaultInsideTheHandlerEntersItAgain) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(FaultAgainInside);
        WriteThroughNull();
        ::ExitProcess(7);
      },
      ::testing::ExitedWithCode(1), "first entry\nentered again");
}

void ReturnFromFault(std::uintptr_t, std::uintptr_t) { Say("handler returned\n"); }

TEST(Win32FaultHandler, AHandlerThatReturnsStillEndsTheProcess) {
  EXPECT_EXIT(
      {
        platform::InstallFaultHandler(ReturnFromFault);
        WriteThroughNull();
        ::ExitProcess(7);
      },
      ::testing::ExitedWithCode(static_cast<int>(EXCEPTION_ACCESS_VIOLATION)), "handler returned");
}

void ExitOnInterrupt() {
  Say("interrupted\n");
  ::ExitProcess(255);
}

// Sends Ctrl+C to this process alone: it moves to a console of its own first, so that no other
// process (the test runner, say) receives the event as well. Standard error stays where it was.
void InterruptThisProcess() {
  HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
  ::FreeConsole();
  if (!::AllocConsole()) ::ExitProcess(8);
  ::SetStdHandle(STD_ERROR_HANDLE, error);
  if (!::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) ::ExitProcess(9);
  ::Sleep(10000);  // the handler runs on a thread of its own
}

TEST(Win32InterruptHandler, ControlCCallsTheHandler) {
  EXPECT_EXIT(
      {
        platform::InstallInterruptHandler(ExitOnInterrupt);
        InterruptThisProcess();
        ::ExitProcess(7);
      },
      ::testing::ExitedWithCode(255), "interrupted");
}

void ReturnFromInterrupt() { Say("interrupt handler returned\n"); }

TEST(Win32InterruptHandler, AHandlerThatReturnsStillEndsTheProcess) {
  EXPECT_EXIT(
      {
        platform::InstallInterruptHandler(ReturnFromInterrupt);
        InterruptThisProcess();
        ::ExitProcess(7);
      },
      ::testing::ExitedWithCode(static_cast<int>(STATUS_CONTROL_C_EXIT)),
      "interrupt handler returned");
}

// ---------------------------------------------------------------------------------------------
// The whole program: a fault while a file is being preprocessed.

// A pipe that the file being preprocessed includes: the program blocks reading it, with the
// output file open, and the thread serving the pipe then faults.
DWORD WINAPI ServePipeThenFault(void* pipe) {
  if (::ConnectNamedPipe(static_cast<HANDLE>(pipe), nullptr) ||
      ::GetLastError() == ERROR_PIPE_CONNECTED) {
    ::Sleep(200);  // the program is now inside the include, waiting for its text
    WriteThroughNull();
  }
  return 0;
}

// Runs the whole program on x.c, which includes the pipe, with standard output going to
// stdout.txt in `folder`.
void RunProgramUntilItFaults(const fs::path& folder, const std::string& pipeName) {
  fs::current_path(folder);
  std::ofstream("x.c", std::ios::binary) << "int a;\n#include \"" << pipeName << "\"\nint b;\n";
  if (std::freopen("stdout.txt", "wb", stdout) == nullptr) ::ExitProcess(8);
  HANDLE pipe = ::CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_OUTBOUND,
                                   PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
  if (pipe == INVALID_HANDLE_VALUE) ::ExitProcess(9);
  if (::CreateThread(nullptr, 0, ServePipeThenFault, pipe, 0, nullptr) == nullptr)
    ::ExitProcess(10);
  char program[] = "tpx32";
  char source[] = "x.c";
  char* argv[] = {program, source, nullptr};
  tpx::RunProgram(2, argv);
  ::ExitProcess(7);
}

TEST(Win32FaultHandler, AFaultDuringAFileReportsAnInternalErrorAndLeavesNoOutput) {
  // The folder is chosen once, by this process, and handed to the child that runs the program
  // through the environment.
  const char* kFolderVariable = "TPX32_FAULT_TEST_FOLDER";
  if (std::getenv(kFolderVariable) == nullptr) {
    fs::path folder = fs::temp_directory_path() /
                      ("tpx32-win32-fault-" + std::to_string(::GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    ::SetEnvironmentVariableA(kFolderVariable, folder.string().c_str());
    _putenv_s(kFolderVariable, folder.string().c_str());
  }
  const fs::path folder = std::getenv(kFolderVariable);
  const std::string pipeName = "\\\\.\\pipe\\tpx32-fault-" + folder.filename().string();

  EXPECT_EXIT(RunProgramUntilItFaults(folder, pipeName), ::testing::ExitedWithCode(1), "");

  std::ifstream in(folder / "stdout.txt", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  const std::string out = text.str();
  EXPECT_NE(out.find("x.c:\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Fatal "), std::string::npos) << out;
  EXPECT_NE(out.find(": Internal compiler error at 0x"), std::string::npos) << out;
  EXPECT_NE(out.find(" with base 0x"), std::string::npos) << out;
  EXPECT_TRUE(fs::exists(folder / "x.c"));
  EXPECT_FALSE(fs::exists(folder / "x.i")) << "the output file is discarded";
  std::error_code ec;
  fs::remove_all(folder, ec);
}

}  // namespace
#endif  // _WIN32
