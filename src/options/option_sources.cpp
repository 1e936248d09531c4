// The sources of options: response files, the configuration file and the command line, read in
// the order that lets command-line options override the configuration file.
#include <cstring>

#include "diagnostics/diagnostics.h"
#include "diagnostics/misc_strings.h"
#include "memory/memory.h"
#include "options/option_memory.h"
#include "options/options.h"
#include "options/run_context.h"
#include "platform/platform.h"

namespace tpx {

namespace {

// The byte placed after the data of a file read whole; it ends every scan.
constexpr unsigned char kEndOfText = 26;

// Response files and configuration files named on the command line are found also when they
// are named as on Windows. The default configuration file is looked for as written only: most
// runs have none, and looking for it in another case would list two directories every time.
constexpr platform::NameLookup kLookup = platform::NameLookup::kAsWrittenThenWindowsStyle;

bool IsBlank(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsLeadingArgument(const char* argument) {
  return platform::IsOptionWord(argument) || argument[0] == '+';
}

// Reads an open file whole into `buffer` (room for `size` + 1 bytes), closes it and places the
// end byte after the data. A short read keeps the bytes that were read. The file is noted among
// those that no output may replace.
void ReadWhole(RunContext& ctx, int handle, char* buffer, long size) {
  platform::FileId id;
  if (platform::IdentifyHandle(handle, &id)) ctx.optionFiles.Add(ctx.memory.bump, id);
  long got = size > 0 ? platform::ReadFile(handle, buffer, static_cast<std::size_t>(size)) : 0;
  if (got < 0) got = 0;
  platform::CloseFile(handle);
  buffer[got] = static_cast<char>(kEndOfText);
}

long SizeOf(int handle) {
  const long size = platform::FileSize(handle);
  return size > 0 ? size : 0;
}

// The configuration text lives only while its words are read; it is given back even when an
// incorrect word ends the process.
class RegionGuard {
 public:
  RegionGuard(void* address, std::size_t size) : address_(address), size_(size) {}
  ~RegionGuard() { platform::FreeRegion(address_, size_); }
  RegionGuard(const RegionGuard&) = delete;
  RegionGuard& operator=(const RegionGuard&) = delete;

 private:
  void* address_;
  std::size_t size_;
};

[[noreturn]] void RefuseCommandLineOption(RunContext& ctx, const char* argument) {
  ctx.diag.ErrorAndExit(msg::IncorrectOption, MiscString(misc::CommandLine), argument);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Response files.

std::size_t SplitResponseText(char* text, char** words) {
  const bool cut = words != nullptr;
  std::size_t count = 0;
  auto* p = reinterpret_cast<unsigned char*>(text);
  while (true) {
    while (IsBlank(*p) || *p == 0) ++p;
    if (*p == kEndOfText) break;
    if (*p == ';') {
      while (*p != '\n' && *p != kEndOfText) ++p;
      continue;
    }
    // The word is copied onto itself; dropped quotes only ever move the copy backwards.
    unsigned char* out = p;
    char* start = reinterpret_cast<char*>(p);
    // A zero byte also ends a word: nothing after it could be part of the argument.
    while (!IsBlank(*p) && *p != 0 && *p != kEndOfText) {
      if (*p == '"') {
        ++p;
        while (*p != '"' && *p != '\r' && *p != 0 && *p != kEndOfText) {
          if (cut) *out = *p;
          ++out;
          ++p;
        }
        if (*p == '"') ++p;
        continue;
      }
      if (cut) *out = *p;
      ++out;
      ++p;
    }
    const bool last = *p == kEndOfText;
    if (cut) {
      words[count] = start;
      *out = 0;  // may overwrite the end byte, but then the scan stops here
    }
    ++count;
    if (last) break;
    ++p;
  }
  return count;
}

void ExpandResponseFiles(RunContext& ctx, int& argc, char**& argv) {
  int responseCount = 0;
  for (int i = 1; i < argc; ++i)
    if (argv[i][0] == '@') ++responseCount;
  if (responseCount == 0) return;

  char** texts = NewInPool<char*>(ctx.memory.bump, responseCount);
  std::size_t total = static_cast<std::size_t>(argc - responseCount);
  for (int i = 1, k = 0; i < argc; ++i) {
    if (argv[i][0] != '@') continue;
    const char* name = argv[i] + 1;
    const int handle = platform::OpenForReading(name, kLookup);
    if (handle < 0) ctx.diag.ErrorAndExit(msg::CouldNotFindFile, name);
    const long size = SizeOf(handle);
    char* text = static_cast<char*>(ctx.memory.bump.Allocate(static_cast<std::size_t>(size) + 1));
    ReadWhole(ctx, handle, text, size);
    texts[k++] = text;
    total += SplitResponseText(text, nullptr);
  }

  char** expanded = NewInPool<char*>(ctx.memory.bump, total + 1);
  std::size_t n = 0;
  for (int i = 0, k = 0; i < argc; ++i) {
    if (i > 0 && argv[i][0] == '@')
      n += SplitResponseText(texts[k++], expanded + n);
    else
      expanded[n++] = argv[i];
  }
  expanded[n] = nullptr;
  argc = static_cast<int>(n);
  argv = expanded;
}

// ---------------------------------------------------------------------------------------------
// The configuration file.

ConfigWord NextConfigWord(const char*& cursor, char* word) {
  auto* p = reinterpret_cast<const unsigned char*>(cursor);
  while (true) {
    while (IsBlank(*p)) ++p;
    if (*p == 0 || *p == kEndOfText) {
      cursor = reinterpret_cast<const char*>(p);
      return ConfigWord::End;
    }
    if (*p != ';') break;
    while (*p != '\n' && *p != kEndOfText) ++p;
  }

  constexpr std::size_t kMaxLength = kConfigWordBuffer - 1;
  std::size_t n = 0;
  bool tooLong = false;
  auto put = [&](unsigned char c) {
    if (n == kMaxLength) {
      tooLong = true;
      return;
    }
    word[n++] = static_cast<char>(c);
  };
  auto endsWord = [](unsigned char c) { return IsBlank(c) || c == 0 || c == kEndOfText; };
  while (!tooLong && !endsWord(*p)) {
    if (*p != '"') {
      put(*p++);
      continue;
    }
    // A quoted run keeps its blanks. After "-H" the quotes themselves stay, so that a quoted
    // name given to -H keeps them.
    if (n == 2 && word[0] == '-' && word[1] == 'H') put('"');
    ++p;
    while (!tooLong && *p != '"' && *p != 0 && *p != '\r' && *p != kEndOfText) put(*p++);
    if (!tooLong && *p == '"') {
      if (n >= 3 && word[0] == '-' && word[1] == 'H' && word[2] == '"') put('"');
      ++p;
    }
  }
  word[n] = 0;
  cursor = reinterpret_cast<const char*>(p);
  return tooLong ? ConfigWord::TooLong : ConfigWord::Word;
}

void ParseConfigurationText(RunContext& ctx, const char* text) {
  char word[kConfigWordBuffer];
  const char* cursor = text;
  while (true) {
    const ConfigWord kind = NextConfigWord(cursor, word);
    if (kind == ConfigWord::End) return;
    if (kind == ConfigWord::Word && platform::IsOptionWord(word) &&
        ParseOption(ctx, kConfigurationFile, word + 1) != 0)
      continue;
    ctx.diag.ErrorAndExit(msg::IncorrectOption, MiscString(misc::ConfigurationFile), word);
  }
}

bool PathBesideExecutable(const char* executablePath, const char* name, char* out,
                          std::size_t size) {
  const std::size_t length = std::strlen(executablePath);
  std::size_t directoryLength = platform::DrivePrefixLength(executablePath);
  for (std::size_t i = directoryLength; i < length; ++i)
    if (platform::IsDirectorySeparator(executablePath[i])) directoryLength = i + 1;
  if (directoryLength == 0) return false;
  const std::size_t nameLength = std::strlen(name);
  if (directoryLength + nameLength + 1 > size) return false;
  std::memcpy(out, executablePath, directoryLength);
  std::memcpy(out + directoryLength, name, nameLength + 1);
  return true;
}

void ReadConfigurationFile(RunContext& ctx) {
  const char* name = ctx.lists.configFileName;
  int handle = platform::OpenForReading(
      name, ctx.lists.configFileNamed ? kLookup : platform::NameLookup::kAsWritten);
  if (handle < 0) {
    if (ctx.lists.configFileNamed) ctx.diag.ErrorAndExit(msg::CouldNotFindFile, name);
    // The default file may also stand beside the program itself.
    constexpr std::size_t kMaxPath = 260;
    char executable[kMaxPath + 1];
    char path[kMaxPath + 1 + kConfigWordBuffer];
    platform::ExecutablePath(executable, sizeof executable);
    if (!PathBesideExecutable(executable, name, path, sizeof path)) return;
    handle = platform::OpenForReading(path);
    if (handle < 0) return;
  }
  const long size = SizeOf(handle);
  const std::size_t regionSize = static_cast<std::size_t>(size) + 1;
  char* text = static_cast<char*>(platform::AllocateRegion(regionSize));
  if (text == nullptr) {
    platform::CloseFile(handle);
    ctx.diag.ReportFatal(msg::OutOfMemory, "low_level_get");
    return;
  }
  RegionGuard guard(text, regionSize);
  ReadWhole(ctx, handle, text, size);
  ParseConfigurationText(ctx, text);
}

// ---------------------------------------------------------------------------------------------
// The command line.

void ReadOptions(RunContext& ctx, int argc, char** argv) {
  // Every source of options starts from the table's warning defaults.
  ctx.diag.LoadSwitchDefaults();

  int leading = 1;
  while (leading < argc && IsLeadingArgument(argv[leading])) ++leading;

  // Early pass: the configuration file's name, and the directory options, which must come
  // before those of the configuration file.
  for (int i = 1; i < leading; ++i) {
    if (argv[i][0] == '+') {
      ctx.lists.configFileName = argv[i] + 1;
      ctx.lists.configFileNamed = true;
    } else if (ParseOption(ctx, kEarlyPass, argv[i] + 1) == 0) {
      RefuseCommandLineOption(ctx, argv[i]);
    }
  }

  ReadConfigurationFile(ctx);

  // Main pass: every other command-line option overrides the configuration file.
  for (int i = 1; i < leading; ++i) {
    if (argv[i][0] == '+') continue;
    if (IsLongOption(argv[i])) {
      if (ReadLongOption(ctx.longOptions, argv[i]) == 0) RefuseCommandLineOption(ctx, argv[i]);
      continue;
    }
    if (ParseOption(ctx, kCommandLine, argv[i] + 1) == 0) RefuseCommandLineOption(ctx, argv[i]);
  }

  ctx.diag.CommitCommandLineSwitches();
  if (ctx.options.AssembleVia != 0) ctx.options.OutputNameFromSource = 1;
}

}  // namespace tpx
