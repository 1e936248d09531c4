#include "options/long_options.h"

#include <cstring>
#include <vector>

#include "diagnostics/diagnostics.h"
#include "diagnostics/misc_strings.h"
#include "options/options.h"
#include "options/run_context.h"
#include "platform/platform.h"
#include "tpx32_version.h"

namespace tpx {

namespace {

bool IsLeadingArgument(const char* word) {
  return word[0] == '-' || word[0] == '/' || word[0] == '+';
}

// Walks the leading words as the option pass will see them after response files are expanded.
class LeadingScan {
 public:
  explicit LeadingScan(LongOptions& options) : options_(options) {}

  // Looks at one word; false once the first file name is reached.
  bool Word(const char* word) {
    if (!IsLeadingArgument(word)) return false;
    if (IsLongOption(word) && !ReadLongOption(options_, word)) refused_ = true;
    return true;
  }

  // Looks at the words of a response file; false once the first file name is reached, or when
  // the file cannot be read (its expansion will report that).
  bool ResponseFile(const char* name) {
    const int handle = platform::OpenForReading(name);
    if (handle < 0) return false;
    const long size = platform::FileSize(handle);
    std::vector<char> text(size > 0 ? static_cast<std::size_t>(size) + 1 : 1);
    long got =
        size > 0 ? platform::ReadFile(handle, text.data(), static_cast<std::size_t>(size)) : 0;
    platform::CloseFile(handle);
    if (got < 0) got = 0;
    text[static_cast<std::size_t>(got)] = 26;  // the end byte of a response-file text
    std::vector<char*> words(SplitResponseText(text.data(), nullptr));
    SplitResponseText(text.data(), words.data());
    for (char* word : words) {
      if (!Word(word)) return false;
    }
    return true;
  }

  bool refused() const { return refused_; }

 private:
  LongOptions& options_;
  bool refused_ = false;
};

}  // namespace

bool ReadLongOption(LongOptions& options, const char* word) {
  const char* name = word + 2;
  if (std::strcmp(name, "help") == 0) {
    options.help = true;
  } else if (std::strcmp(name, "version") == 0) {
    options.version = true;
  } else if (std::strcmp(name, "quiet") == 0) {
    options.quiet = true;
  } else if (std::strcmp(name, "diagnostics=gnu") == 0) {
    options.gnuDiagnostics = true;
  } else if (std::strcmp(name, "deps") == 0) {
    options.deps = LongOptions::Deps::Beside;
    options.depsFile = nullptr;
    options.depsWord = nullptr;
  } else if (std::strncmp(name, "deps=", 5) == 0 && name[5] != 0) {
    options.deps = LongOptions::Deps::Named;
    options.depsFile = name + 5;
    options.depsWord = word;
  } else {
    return false;
  }
  return true;
}

bool ScanLeadingLongOptions(LongOptions& options, int argc, char** argv) {
  // Only what is needed before the option pass is taken over: the rest (--deps=FILE points
  // into its argument) is read again by the option pass from the expanded arguments, which
  // live for the whole run.
  LongOptions seen;
  LeadingScan scan(seen);
  for (int i = 1; i < argc; ++i) {
    const char* word = argv[i];
    const bool goOn = word[0] == '@' ? scan.ResponseFile(word + 1) : scan.Word(word);
    if (!goOn) break;
  }
  options.help = seen.help;
  options.version = seen.version;
  options.quiet = seen.quiet;
  options.gnuDiagnostics = seen.gnuDiagnostics;
  return !scan.refused();
}

void CheckLongOptionsAgainstInputs(RunContext& ctx, bool severalInputs) {
  LongOptions& options = ctx.longOptions;
  options.severalInputs = severalInputs;
  if (options.deps == LongOptions::Deps::Named && severalInputs)
    ctx.diag.ErrorAndExit(msg::IncorrectOption, MiscString(misc::CommandLine), options.depsWord);
}

const char* VersionLine() {
  static const char* const kLine = TPX32_COMMIT[0] != 0 ? "tpx32 " TPX32_VERSION
                                                          " (commit " TPX32_COMMIT ")\n"
                                                        : "tpx32 " TPX32_VERSION "\n";
  return kLine;
}

void PrintVersion(std::FILE* out) { std::fputs(VersionLine(), out); }

void PrintHelp(std::FILE* out) {
  // The usage text is stored with CR LF line ends; the console gets line feeds only.
  for (const char* p = MiscString(misc::Usage); *p != 0; ++p) {
    if (*p != '\r') std::fputc(*p, out);
  }
  std::fputs(
      "\n"
      "Options of tpx32 itself (before the first file name, also in response files):\n"
      "  --help             Print this text and exit\n"
      "  --version          Print the version and exit\n"
      "  --quiet            No banner and no line naming each file\n"
      "  --deps             Write a make-style dependency file beside each output file\n"
      "  --deps=FILE        Write the dependency file of the one input file to FILE\n"
      "  --diagnostics=gnu  Write messages as file:line: error: text to standard error\n"
      "\n"
      "The manual page tells more: man tpx32\n",
      out);
}

}  // namespace tpx
