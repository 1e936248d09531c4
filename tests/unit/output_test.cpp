// The output file and writer: the buffered writes at every length and buffer position (with
// the fixed-span copies on and off), and output names of any length.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

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
