// The output file and writer: the buffered writes at every length and buffer position (with
// the fixed-span copies on and off), and output names of any length.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "driver/driver.h"
#include "driver/run.h"
#include "platform/platform.h"

namespace tpx {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("tpx32_output_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A run whose output goes to `name` (with the per-file memory up), opened.
  std::unique_ptr<tpx::Run> OpenRun(const std::string& name, bool shortcuts) {
    auto run = std::make_unique<tpx::Run>();
    run->SetShortcuts(shortcuts);
    run->memory.Startup();
    run->memory.StartOfFile();
    path_ = name;
    run->options.OutputName = path_.c_str();
    run->output.Open();
    return run;
  }
  void CloseRun(tpx::Run& run) {
    run.output.Close();
    run.memory.EndOfFileRelease();
    run.memory.Shutdown();
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path dir_;
  std::string path_;
};

// Every way of writing a text (a byte at a time, the general write, the 16-byte and 64-byte
// spans) at every length up to past the spans, starting at every position near the end of the
// buffer, must leave exactly the text in the file. The texts come from a source that has the
// readable bytes the spans need after them, holding bytes that must never reach the file.
TEST_F(OutputFileTest, WritesOfEveryLengthAtTheEndOfTheBuffer) {
  constexpr std::size_t kBuffer = OutputFile::kBufferSize;
  std::string source(256, '#');
  for (std::size_t i = 0; i < 80; ++i) source[i] = static_cast<char>('A' + i % 26);
  for (bool shortcuts : {true, false}) {
    for (int way = 0; way < 4; ++way) {
      std::string expected;
      std::string file = "w";
      file.append(std::to_string(way)).append(".i");
      auto run = OpenRun((dir_ / file).string(), shortcuts);
      OutputFile& out = run->output;
      for (std::size_t length = 0; length <= 70; ++length) {
        for (std::size_t start = kBuffer - 80; start <= kBuffer; ++start) {
          // Pad to `start` bytes into a buffer, then write the text.
          std::size_t fill = expected.size() % kBuffer;
          std::size_t pad = (start + kBuffer - fill) % kBuffer;
          std::string padding(pad, '.');
          out.Write(padding.data(), padding.size());
          expected += padding;
          const char* text = source.data();
          switch (way) {
            case 0:
              for (std::size_t i = 0; i < length; ++i) out.Put(text[i]);
              break;
            case 1:
              out.Write(text, length);
              break;
            case 2:
              out.WriteShort(text, length);
              break;
            case 3:
              out.WritePadded(text, length);
              break;
          }
          expected.append(text, length);
        }
      }
      CloseRun(*run);
      std::string written = Read(path_);
      ASSERT_EQ(written.size(), expected.size()) << "way " << way;
      EXPECT_TRUE(written == expected) << "way " << way << " shortcuts " << shortcuts;
    }
  }
}

// The patched span writes a text with one byte replaced, at every length and position.
TEST_F(OutputFileTest, PatchedSpanAtEveryLength) {
  std::string source(256, '#');
  for (std::size_t i = 0; i < 80; ++i) source[i] = static_cast<char>('a' + i % 26);
  std::string expected;
  auto run = OpenRun((dir_ / "p.i").string(), true);
  for (std::size_t length = 1; length <= 70; ++length) {
    for (std::size_t at = 0; at < length; ++at) {
      run->output.WritePadded(source.data(), length, at, '!');
      std::string piece = source.substr(0, length);
      piece[at] = '!';
      expected += piece;
    }
  }
  CloseRun(*run);
  EXPECT_TRUE(Read(path_) == expected);
}

// Output names are not cut at any length: a name formed from a long -n folder, and one given
// with -o, in folders nested past a thousand characters.
TEST_F(OutputFileTest, NamesOfAnyLength) {
  fs::path deep = dir_;
  for (int i = 0; i < 6; ++i) deep /= std::string(200, static_cast<char>('a' + i));
#ifndef _WIN32
  // (A Windows program's file names stop at the system's path length.)
  fs::create_directories(deep);
  ASSERT_GT(deep.string().size(), 1200u);
  std::string name = (deep / "out.i").string();
  auto run = OpenRun(name, true);
  EXPECT_STREQ(run->output.Name(), name.c_str());
  run->output.Write("x\r\n", 3);
  CloseRun(*run);
  EXPECT_EQ(Read(name), "x\r\n");
#endif

  tpx::Run formed;
  std::string folder = deep.string();
  folder.push_back('/');
  formed.options.OutputDirectory = folder.c_str();
  std::string base(300, 'm');
  std::string main = "src/";
  main.append(base).append(".c");
  std::string expected = folder;
  expected.append(base).append(".i");
  if (platform::FileNamesIgnoreCase()) {
    // Where names ignore case the folder is written in upper case.
    for (std::size_t i = 0; i < folder.size(); ++i)
      expected[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(expected[i])));
  }
  std::size_t length = formed.output.FormName(main.c_str(), nullptr, 0);
  EXPECT_EQ(length, expected.size());
  std::string whole(length + 1, '\0');
  EXPECT_EQ(formed.output.FormName(main.c_str(), whole.data(), whole.size()), length);
  EXPECT_EQ(std::string(whole.c_str()), expected);
  // Into room that is too small, the length is still the whole name's, and nothing is left
  // unterminated.
  char small[16];
  std::memset(small, 'x', sizeof small);
  EXPECT_EQ(formed.output.FormName(main.c_str(), small, sizeof small), length);
  EXPECT_LT(std::strlen(small), sizeof small);
}

// ---------------------------------------------------------------------------------------------
// Temporaries and the replacement of files.

TEST(TemporaryNames, NamedForTheirFileAndProcessAndKnownAgain) {
  char name[512];
  std::size_t length = temporary::NameFor("dir/out.i", 1234, name, sizeof name);
  EXPECT_EQ(std::string(name), "dir/.out.i.tpx32-1234.tmp");
  EXPECT_EQ(length, std::strlen(name));
  EXPECT_EQ(temporary::NameFor("out.i", 7, nullptr, 0), std::strlen(".out.i.tpx32-7.tmp"));
  unsigned long id = 0;
  EXPECT_TRUE(temporary::IsTemporaryName(name, &id));
  EXPECT_EQ(id, 1234u);
  EXPECT_TRUE(temporary::IsTemporaryName(".x.tpx32-4294967295.tmp", &id));
  EXPECT_EQ(id, 4294967295u);
  // Names that are not temporaries, however close.
  for (const char* other :
       {"out.i", "x.i.tpx32-12.tmp", ".x.i.tpx32-.tmp", ".x.i.tpx32-1a.tmp", ".x.i.tpx33-12.tmp",
        ".x.i.tpx32-12.tmp2", ".tpx32-12.tmp", ".x.tpx32-12345678901.tmp"}) {
    EXPECT_FALSE(temporary::IsTemporaryName(other, &id)) << other;
  }
  // A long name is cut, never inside a character of two bytes.
  std::string longName = "dir/" + std::string(119, 'a') + "\x82\xa0" + std::string(100, 'b');
  length = temporary::NameFor(longName.c_str(), 5, name, sizeof name);
  EXPECT_EQ(std::string(name), "dir/." + std::string(119, 'a') + ".tpx32-5.tmp");
  EXPECT_TRUE(temporary::IsTemporaryName(name, &id));
}

#ifndef _WIN32

class FileReplacementTest : public OutputFileTest {
 protected:
  void SetUp() override {
    OutputFileTest::SetUp();
    run_ = std::make_unique<tpx::Run>();
    run_->memory.Startup();
    run_->memory.StartOfFile();
  }
  void TearDown() override {
    run_->memory.EndOfFileRelease();
    run_->memory.Shutdown();
    OutputFileTest::TearDown();
  }
  FileReplacement::Opened Open(FileReplacement& file, const std::string& name) {
    names_.push_back(std::make_unique<std::string>(name));
    return file.Open(names_.back()->c_str(), run_->memory.arena, swept_, run_->memory.bump);
  }
  static void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static void WriteTo(FileReplacement& file, const std::string& text) {
    ASSERT_EQ(platform::WriteFile(file.Handle(), text.data(), text.size()),
              static_cast<long>(text.size()));
  }
  // The names in the folder, hidden ones included.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.insert(entry.path().filename());
    return names;
  }

  std::unique_ptr<tpx::Run> run_;
  FileIdList swept_;
  std::vector<std::unique_ptr<std::string>> names_;
};

TEST_F(FileReplacementTest, TheNameShowsTheOldFileUntilTheNewOneIsComplete) {
  const fs::path out = dir_ / "out.i";
  Write(out, "old and longer");
  FileReplacement file;
  ASSERT_EQ(Open(file, out.string()), FileReplacement::Opened::kYes);
  EXPECT_EQ(file.How(), FileReplacement::Way::kTemporary);
  WriteTo(file, "new");
  EXPECT_EQ(Read(out), "old and longer");
  EXPECT_EQ(Names().size(), 2u);  // the old file and the temporary
  bool deleted = false;
  EXPECT_TRUE(file.Commit(&deleted));
  EXPECT_EQ(Read(out), "new");
  EXPECT_EQ(Names(), std::set<std::string>{"out.i"});
  // A name that held nothing before.
  ASSERT_EQ(Open(file, (dir_ / "fresh.i").string()), FileReplacement::Opened::kYes);
  WriteTo(file, "fresh");
  EXPECT_FALSE(fs::exists(dir_ / "fresh.i"));
  EXPECT_TRUE(file.Commit(&deleted));
  EXPECT_EQ(Read(dir_ / "fresh.i"), "fresh");
}

TEST_F(FileReplacementTest, AbandoningKeepsOrRemovesTheOldFile) {
  const fs::path out = dir_ / "out.i";
  Write(out, "old");
  FileReplacement file;
  ASSERT_EQ(Open(file, out.string()), FileReplacement::Opened::kYes);
  WriteTo(file, "partial");
  EXPECT_TRUE(file.Abandon(false));
  EXPECT_EQ(Names(), std::set<std::string>{"out.i"});
  EXPECT_EQ(Read(out), "old");
  ASSERT_EQ(Open(file, out.string()), FileReplacement::Opened::kYes);
  WriteTo(file, "partial");
  EXPECT_TRUE(file.Abandon(true));
  EXPECT_TRUE(Names().empty());
  // The old file is removed only while it is still there: a file another run put there since
  // (renaming its own temporary over the name) stays.
  Write(out, "old");
  ASSERT_EQ(Open(file, out.string()), FileReplacement::Opened::kYes);
  Write(dir_ / "theirs", "another run's");
  fs::rename(dir_ / "theirs", out);
  EXPECT_TRUE(file.Abandon(true));
  EXPECT_EQ(Read(out), "another run's");
  EXPECT_EQ(Names(), std::set<std::string>{"out.i"});
}

TEST_F(FileReplacementTest, ALinkIsFollowedAndStays) {
  fs::create_directories(dir_ / "real");
  Write(dir_ / "real" / "target.i", "old");
  fs::create_symlink("real/target.i", dir_ / "link.i");
  FileReplacement file;
  ASSERT_EQ(Open(file, (dir_ / "link.i").string()), FileReplacement::Opened::kYes);
  EXPECT_EQ(std::string(file.Target()), (dir_ / "real" / "target.i").string());
  WriteTo(file, "new");
  bool deleted = false;
  EXPECT_TRUE(file.Commit(&deleted));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.i"));
  EXPECT_EQ(Read(dir_ / "real" / "target.i"), "new");
  EXPECT_EQ(Names(), (std::set<std::string>{"link.i", "real"}));
}

TEST_F(FileReplacementTest, DevicesAndFifosAreWrittenAsTheyAreAndNeverDeleted) {
  fs::create_symlink("/dev/null", dir_ / "null.i");
  FileReplacement file;
  ASSERT_EQ(Open(file, (dir_ / "null.i").string()), FileReplacement::Opened::kYes);
  EXPECT_EQ(file.How(), FileReplacement::Way::kDevice);
  WriteTo(file, "gone");
  EXPECT_TRUE(file.Abandon(true));
  EXPECT_TRUE(fs::is_symlink(dir_ / "null.i"));
  EXPECT_TRUE(fs::exists("/dev/null"));
  ASSERT_EQ(mkfifo((dir_ / "fifo.i").c_str(), 0644), 0);
  // The FIFO is opened for writing once something reads it.
  int reader = open((dir_ / "fifo.i").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_EQ(Open(file, (dir_ / "fifo.i").string()), FileReplacement::Opened::kYes);
  EXPECT_EQ(file.How(), FileReplacement::Way::kDevice);
  WriteTo(file, "through");
  char got[16] = {};
  EXPECT_EQ(read(reader, got, sizeof got), 7);
  EXPECT_STREQ(got, "through");
  EXPECT_TRUE(file.Abandon(true));
  close(reader);
  EXPECT_EQ(Names(), (std::set<std::string>{"fifo.i", "null.i"}));
}

TEST_F(FileReplacementTest, TemporariesOfEndedProcessesAreSweptOncePerFolder) {
  pid_t child = fork();
  if (child == 0) _exit(0);
  ASSERT_GT(child, 0);
  int status;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  auto temporaryOf = [&](const char* file, unsigned long process) {
    char name[256];
    temporary::NameFor((dir_ / file).c_str(), process, name, sizeof name);
    return fs::path(name).filename().string();
  };
  const std::string ended = temporaryOf("a.i", static_cast<unsigned long>(child));
  const std::string parent = temporaryOf("b.i", static_cast<unsigned long>(getppid()));
  const std::string own = temporaryOf("c.i", platform::ProcessId());
  for (const std::string& name : {ended, parent, own, std::string(".d.i.tpx32-1.txt")})
    Write(dir_ / name, "x");
  temporary::SweepFolderOf((dir_ / "out.i").c_str(), swept_, run_->memory.bump);
  EXPECT_EQ(Names(), (std::set<std::string>{parent, own, ".d.i.tpx32-1.txt"}));
  // Once a folder is swept, a process does not list it again.
  Write(dir_ / ended, "x");
  temporary::SweepFolderOf((dir_ / "other.i").c_str(), swept_, run_->memory.bump);
  EXPECT_TRUE(fs::exists(dir_ / ended));
  // Opening a file there sweeps it in a process that has not swept it yet.
  FileIdList fresh;
  FileReplacement file;
  names_.push_back(std::make_unique<std::string>((dir_ / "out.i").string()));
  ASSERT_EQ(file.Open(names_.back()->c_str(), run_->memory.arena, fresh, run_->memory.bump),
            FileReplacement::Opened::kYes);
  EXPECT_TRUE(file.Abandon(true));
  EXPECT_FALSE(fs::exists(dir_ / ended));
}

TEST_F(FileReplacementTest, WhereNoTemporaryCanBeMadeTheFileIsWrittenInPlace) {
  const fs::path out = dir_ / "out.i";
  Write(out, "old");
  // A temporary that cannot be made: its name is taken by a folder.
  char name[512];
  temporary::NameFor(out.c_str(), platform::ProcessId(), name, sizeof name);
  fs::create_directories(name);
  FileReplacement file;
  ASSERT_EQ(Open(file, out.string()), FileReplacement::Opened::kYes);
  EXPECT_EQ(file.How(), FileReplacement::Way::kInPlace);
  EXPECT_EQ(Read(out), "");
  WriteTo(file, "in place");
  bool deleted = false;
  EXPECT_TRUE(file.Commit(&deleted));
  EXPECT_EQ(Read(out), "in place");
  ASSERT_EQ(Open(file, out.string()), FileReplacement::Opened::kYes);
  WriteTo(file, "partial");
  EXPECT_TRUE(file.Abandon(false));
  EXPECT_FALSE(fs::exists(out));
}

#endif  // _WIN32

}  // namespace
}  // namespace tpx

namespace tpx {
namespace {

// The tokens of `text` as the scanner reads it (C++, no macros): code and spelling each.
std::vector<std::string> ReadTokens(const std::string& text) {
  auto run = std::make_unique<tpx::Run>();
  run->memory.Startup();
  run->memory.StartOfFile();
  run->frontEndCpp = true;
  run->options.CodePage = 1252;
  run->options.ErrorLimit = run->options.WarningLimit = 0;
  run->idents.Setup(0, true, false);
  run->diag.ResetFileCounters();
  run->diag.LoadWarningEnable();
  run->scanner.Initialise();
  run->scanner.RebuildLeadBytes();
  run->source.PushText(text.c_str());
  std::vector<std::string> tokens;
  testing::internal::CaptureStdout();  // "Two consecutive dots" and the like
  for (;;) {
    TokenCode code = run->scanner.GetToken();
    if (code == tok::EndOfInput) break;
    const Token& token = run->scanner.Current();
    std::string spelling = kTokenNames[code];
    if (code == tok::Identifier) spelling = token.ident->name;
    if (code == tok::CharConst || code == tok::IntConst || code == tok::LongConst ||
        code == tok::FloatConst)
      spelling.assign(token.spelling, token.spellingLength);
    if (code == tok::String) {
      // The body stays in the input: read it as the writer would.
      spelling = "\"";
      for (int c; (c = run->scanner.ReadLiteralChar('"')) >= 0;) spelling += static_cast<char>(c);
    }
    tokens.push_back(spelling);
  }
  testing::internal::GetCapturedStdout();
  run->memory.EndOfFileRelease();
  run->memory.Shutdown();
  return tokens;
}

// The console output of tpx32 -ocon on `source`, written to `name` in `dir`, with the speed
// shortcuts on or off; the run must succeed.
std::string PreprocessToConsole(const fs::path& dir, const std::string& name,
                                const std::string& source, bool shortcuts) {
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string file = (dir / name).string();
  std::ofstream(file, std::ios::binary) << source;
  std::vector<std::string> words = {"tpx32", "-ocon", file};
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  RunSettings settings;
  settings.shortcuts = shortcuts;
  testing::internal::CaptureStdout();
  int status = RunProgram(static_cast<int>(argv.size()), argv.data(), settings);
  std::string written = testing::internal::GetCapturedStdout();
  EXPECT_EQ(status, 0);
  return written;
}

// Every pair of token texts written side by side, as macro expansion puts them, must read back
// as the same two tokens: where the texts would run together into other tokens (a comment
// opener, a longer operator or number), a blank keeps them apart.
TEST(OutputSpacing, EveryPairReadsBackAsItsTwoTokens) {
  std::vector<std::string> texts;
  for (TokenCode t = tok::LParen; t <= tok::Arrow; ++t) {
    if (t == tok::EndOfLine || t == tok::Sizeof) continue;
    texts.push_back(kTokenNames[t]);
  }
  for (const char* extra : {"::", "a",  "L",    "u",   "e",    "x1F",  "if",    "sizeof",
                            "1",  "0",  "07",   "0x1", "0x1e", "1.",   "1.5",   "1e5",
                            "1u", "1L", "1i64", ".5",  "'a'",  "L'a'", "\"s\"", "L\"s\""})
    texts.push_back(extra);

  std::string source, expected;
  for (std::size_t i = 0; i < texts.size(); ++i)
    source += "#define T" + std::to_string(i) + " " + texts[i] + "\n";
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t j = 0; j < texts.size(); ++j) {
      // The comment between the names is dropped: the two expansions meet with nothing between.
      source += "T" + std::to_string(i) + "/**/T" + std::to_string(j) + " end_of_pair\n";
      expected += texts[i] + " " + texts[j] + " end_of_pair\n";
    }
  }
  const fs::path dir = fs::temp_directory_path() / "tpx32_output_spacing_pairs";
  // With the shortcuts and without them.
  for (bool shortcuts : {true, false}) {
    const std::string written = PreprocessToConsole(dir, "pairs.cpp", source, shortcuts);
    std::vector<std::string> got = ReadTokens(written), want = ReadTokens(expected);
    ASSERT_FALSE(want.empty());
    // Compared pair by pair: each line ends with the name end_of_pair.
    std::size_t line = 0, a = 0, b = 0;
    while (a < got.size() && b < want.size()) {
      std::string gotLine, wantLine;
      while (a < got.size() && got[a] != "end_of_pair") gotLine += got[a++] + " ";
      while (b < want.size() && want[b] != "end_of_pair") wantLine += want[b++] + " ";
      EXPECT_EQ(gotLine, wantLine) << "pair " << texts[line / texts.size()] << " "
                                   << texts[line % texts.size()] << " shortcuts " << shortcuts;
      ++a, ++b, ++line;
    }
    EXPECT_EQ(line, texts.size() * texts.size());
  }
  fs::remove_all(dir);
}

// A number is kept (whole up to 64 bytes, by a copy of 16 bytes when it is short) so that what
// follows it can be read with it again. Numbers of every length around those sizes, each
// followed by text that continues a number, must read back as the number and the text apart.
// Before each one goes a number of the same length that ends in a suffix, after which nothing
// continues a number: a copy that kept too little of the next one would leave that suffix in
// place and lose the blank.
TEST(OutputSpacing, NumbersOfEveryLengthAreKeptFromWhatContinuesThem) {
  std::string source, expected;
  for (std::string start : {"", "0x"}) {
    for (std::size_t length = start.size() + 1; length <= 72; ++length) {
      std::string number = start;
      while (number.size() < length) number += "123456789"[(number.size() + length) % 9];
      for (const char* next : {"e5", ".5", "x", "L"}) {
        if (length > start.size() + 2) {
          const std::string suffixed = number.substr(0, length - 2) + "uL";
          source += suffixed + ";\n";
          expected += suffixed + " ;\n";
        }
        source += number + "/**/" + next + " end_of_pair\n";
        expected += number + " " + next + " end_of_pair\n";
      }
    }
  }
  const fs::path dir = fs::temp_directory_path() / "tpx32_output_spacing_numbers";
  for (bool shortcuts : {true, false}) {
    const std::string written = PreprocessToConsole(dir, "numbers.c", source, shortcuts);
    EXPECT_EQ(ReadTokens(written), ReadTokens(expected)) << "shortcuts " << shortcuts;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tpx
