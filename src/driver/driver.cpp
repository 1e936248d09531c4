#include "driver/driver.h"

#include <algorithm>
#include <cfenv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <new>

#include "diagnostics/diagnostics.h"
#include "diagnostics/misc_strings.h"
#include "driver/file_names.h"
#include "driver/file_run.h"
#include "driver/run.h"
#include "memory/memory.h"
#include "options/long_options.h"
#include "options/option_memory.h"
#include "options/options.h"
#include "output/output_file.h"
#include "platform/platform.h"

namespace tpx {

namespace {

// The run whose output file the interrupt and fault handlers discard.
RunContext* activeRun = nullptr;
// Set while a file is being processed: a fault then goes through the per-file handler first.
bool insideFileRun = false;
int processFaultState = 0;

bool StartsOption(const char* arg) { return platform::IsOptionWord(arg); }

bool EqualsIgnoringCase(const char* a, const char* b) {
  for (; *a != 0 && *b != 0; ++a, ++b) {
    char x = *a >= 'A' && *a <= 'Z' ? static_cast<char>(*a + 32) : *a;
    char y = *b >= 'A' && *b <= 'Z' ? static_cast<char>(*b + 32) : *b;
    if (x != y) return false;
  }
  return *a == 0 && *b == 0;
}

// The output file and the dependency file being written are dropped: the temporaries are
// removed, and the old output as a failed run removes it.
void DiscardFiles(RunContext& run) {
  run.deps.AbandonAtInterrupt();
  run.output.DiscardAtInterrupt();
}

void OnInterrupt() {
  std::fflush(stdout);
  if (activeRun != nullptr) DiscardFiles(*activeRun);
  std::_Exit(255);
}

void OnFault(std::uintptr_t faultAddress, std::uintptr_t codeBase) {
  RunContext* run = activeRun;
  if (run != nullptr && insideFileRun) {
    // The per-file handler: report once; a fault while reporting prints the short form.
    Diagnostics& diag = run->diag;
    if (diag.internalErrorState == 0) {
      diag.internalErrorState = 1;
      char text[80];
      std::snprintf(text, sizeof text, "at 0x%llx with base 0x%llx",
                    static_cast<unsigned long long>(faultAddress),
                    static_cast<unsigned long long>(codeBase));
      diag.ReportFatal(msg::InternalError, text);
    } else if (diag.internalErrorState == 1) {
      diag.internalErrorState = 2;
      std::fputs("Internal compiler error\n", diag.Stream());
    }
    if (diag.internalErrorState != 3) {
      diag.internalErrorState = 3;
      DiscardFiles(*run);
    }
    diag.internalErrorState = 0;
    insideFileRun = false;
  }
  // The process-wide handler.
  if (processFaultState == 0 && run != nullptr) {
    processFaultState = 1;
    run->diag.ReportFatal(msg::InternalError, "");
  } else {
    std::fputs("Internal compiler error\n", run != nullptr ? run->diag.Stream() : stdout);
  }
  if (run != nullptr) DiscardFiles(*run);
  std::fflush(stdout);
  std::_Exit(1);
}

class Driver {
 public:
  Driver(RunContext& ctx, const RunSettings& settings)
      : ctx_(ctx), run_(ctx), settings_(settings) {}
  int Run(int argc, char** argv);

 private:
  static void PrintConsole(const char* text);
  void ProcessInputName(const char* name);
  struct MatchOutput {
    platform::FileId id;
    std::size_t match;
  };
  struct OutputList {
    MatchOutput* entries;
    std::size_t count;
  };
  OutputList OutputsOf(const MatchList& matches);
  static bool Before(const MatchOutput& a, const MatchOutput& b);
  bool IsOwnOutput(const MatchList& matches, const OutputList& outputs, std::size_t index);
  int StartFile(const char* path);
  void RunFile(const char* path);
  int ProtectedRun(const char* path);

  RunContext& ctx_;
  FileRun run_;
  const RunSettings& settings_;
  bool quietMode_ = false;
  bool runFailed_ = false;
  bool stopped_ = false;
};

// Prints a text to standard output in pieces of at most 255 characters, dropping every
// carriage return.
void Driver::PrintConsole(const char* text) {
  char piece[256];
  std::size_t n = 0;
  for (const char* p = text; *p != 0; ++p) {
    if (*p == '\r') continue;
    piece[n++] = *p;
    if (n == 255) {
      std::fwrite(piece, 1, n, stdout);
      n = 0;
    }
  }
  if (n != 0) std::fwrite(piece, 1, n, stdout);
}

int Driver::Run(int argc, char** argv) {
  activeRun = &ctx_;
  platform::PrepareStandardOutput();
  if (settings_.processHandlers) {
    platform::InstallInterruptHandler(OnInterrupt);
    platform::InstallFaultHandler(OnFault);
  }

  // tpx32's own options that act before the banner: --help, --version, --quiet and the form of
  // the messages. With a refused "--" word the run goes on and the option pass reports it.
  LongOptions& longOptions = ctx_.longOptions;
  const bool longOptionsAccepted = ScanLeadingLongOptions(longOptions, argc, argv);
  if (longOptions.gnuDiagnostics) ctx_.diag.UseGnuForm(stderr);
  if (longOptionsAccepted && (longOptions.help || longOptions.version)) {
    if (longOptions.help)
      PrintHelp(stdout);
    else
      PrintVersion(stdout);
    std::fflush(stdout);
    return 0;
  }

  // Quiet test: console output named among the leading options suppresses the banner.
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (!StartsOption(arg) && arg[0] != '+') break;
    if (StartsOption(arg) && arg[1] == 'o' &&
        (EqualsIgnoringCase(arg + 2, "con.") || EqualsIgnoringCase(arg + 2, "con"))) {
      quietMode_ = true;
    }
  }
  if (longOptions.quiet) quietMode_ = true;
  if (!quietMode_) {
    PrintConsole(MiscString(misc::BannerName));
    PrintConsole(kVersionText);
    PrintConsole(MiscString(misc::BannerPlatform));
    PrintConsole(MiscString(misc::BannerNotice));
  }
  if (argc == 1) {
    PrintConsole(MiscString(misc::Usage));
    std::fflush(stdout);
    return 0;
  }

  ctx_.memory.Startup();
  ExpandResponseFiles(ctx_, argc, argv);
  ReadOptions(ctx_, argc, argv);
  run_.ResetIncludeGuards();
  if (ctx_.options.OutputName != nullptr)
    ctx_.options.OutputName = WithDefaultExtension(ctx_.memory.bump, ctx_.options.OutputName, ".i");
  ReverseDirectoryLists(ctx_);

  int first = 1;
  while (first < argc && (StartsOption(argv[first]) || argv[first][0] == '+')) ++first;
  if (first >= argc) ctx_.diag.ErrorAndExit(msg::NoFileNames);
  int inputNames = 0;
  bool wildCard = false;
  for (int i = first; i < argc; ++i) {
    if (StartsOption(argv[i])) continue;
    ++inputNames;
    wildCard = wildCard || std::strpbrk(argv[i], "*?") != nullptr;
  }
  CheckLongOptionsAgainstInputs(ctx_, inputNames > 1 || wildCard);

  for (int i = first; i < argc; ++i) {
    const char* arg = argv[i];
    if (StartsOption(arg)) {
      if (arg[1] == 'v') ParseOption(ctx_, 0, arg + 1);
      continue;
    }
    if (!stopped_) ProcessInputName(arg);
  }

  return runFailed_ ? 1 : 0;
}

void Driver::ProcessInputName(const char* name) {
  const char* pattern = WithDefaultExtension(ctx_.memory.bump, name, ctx_.lists.defaultExtension);
  const MatchList matches = CollectMatches(ctx_.memory.bump, pattern);
  if (matches.count == 0) {
    ctx_.diag.ReportOutsideFile(msg::CouldNotFindFile, pattern);
    runFailed_ = true;
    return;
  }
  // A wild card never hands on the run's own outputs (see IsOwnOutput); a name given as it is
  // is processed, and refused there when it is its own output.
  const bool wildCard = std::strpbrk(pattern, "*?") != nullptr;
  const OutputList outputs = wildCard ? OutputsOf(matches) : OutputList{nullptr, 0};
  for (std::size_t i = 0; i < matches.count && !stopped_; ++i) {
    if (wildCard && IsOwnOutput(matches, outputs, i)) continue;
    StartFile(matches.paths[i]);
  }
}

// The identities of the files at the output names of the matches that have one, with the
// match each belongs to, in the order of the identities.
Driver::OutputList Driver::OutputsOf(const MatchList& matches) {
  OutputList list{NewInPool<MatchOutput>(ctx_.memory.bump, matches.count), 0};
  char name[4096];
  for (std::size_t i = 0; i < matches.count; ++i) {
    if (ctx_.output.FormName(matches.paths[i], name, sizeof name) >= sizeof name ||
        IsConsoleName(name))
      continue;
    MatchOutput& entry = list.entries[list.count];
    if (!platform::IdentifyPath(name, &entry.id)) continue;
    entry.match = i;
    ++list.count;
  }
  std::sort(list.entries, list.entries + list.count, Before);
  return list;
}

bool Driver::Before(const MatchOutput& a, const MatchOutput& b) {
  return a.id.volume != b.id.volume ? a.id.volume < b.id.volume : a.id.index < b.id.index;
}

// Whether match `index` of a wild card is an output of this run: one it has written already, the
// output of another match (whatever the order in which they were found), or the temporary of
// an output being written. Compared by identity.
bool Driver::IsOwnOutput(const MatchList& matches, const OutputList& outputs, std::size_t index) {
  unsigned long process;
  if (temporary::IsTemporaryName(matches.paths[index], &process)) return true;
  MatchOutput self{};
  if (!platform::IdentifyPath(matches.paths[index], &self.id)) return false;
  if (ctx_.output.HasWritten(self.id)) return true;
  const MatchOutput* end = outputs.entries + outputs.count;
  const MatchOutput* first = outputs.entries;
  for (const MatchOutput* e = std::lower_bound(first, end, self, Before);
       e != end && e->id == self.id; ++e) {
    if (e->match != index) return true;
  }
  return false;
}

int Driver::StartFile(const char* path) {
  if (!quietMode_) {
    PrintConsole(path);
    PrintConsole(":\n");
  }
  std::uint8_t language = ctx_.options.Language;
  const char* dot = std::strrchr(path, '.');
  if (dot != nullptr && EqualsIgnoringCase(dot, ".cpp")) ctx_.options.Language |= 1;
  RunFile(path);
  ctx_.options.Language = language;
  return 1;
}

void Driver::RunFile(const char* path) {
  int result = ProtectedRun(path);
  if (ctx_.output.BrokenPipe()) {
    // The reader of standard output has gone: the run ends here, without another word.
    runFailed_ = true;
    stopped_ = true;
    return;
  }
  if (result != 0 || ctx_.diag.ErrorCount() != 0) {
    ctx_.diag.PrintSummary(MiscString(misc::ErrorSummary),
                           static_cast<int>(ctx_.diag.ErrorCount()));
    runFailed_ = true;
  } else if (ctx_.diag.WarningCount() != 0 && ctx_.options.WarningsAreFailures) {
    runFailed_ = true;
  }
}

int Driver::ProtectedRun(const char* path) {
  ctx_.diag.internalErrorState = 0;
  insideFileRun = true;
  std::fenv_t environment;
  std::fegetenv(&environment);
  ctx_.fileStartTime = std::time(nullptr);
  ctx_.memory.arena.SetZeroFill(true);
  int result = run_.PreprocessFile(path);
  std::fesetenv(&environment);
  insideFileRun = false;
  return result;
}

}  // namespace

int RunProgram(int argc, char** argv, const RunSettings& settings) {
  // The context holds large tables (the identifier buckets, the token text buffer): it lives
  // on the heap, not on the stack.
  std::unique_ptr<Run> owned;
  try {
    owned = std::make_unique<Run>();
  } catch (const std::bad_alloc&) {
    std::fputs("Fatal: Out of memory\n", stdout);
    std::fflush(stdout);
    return 1;
  }
  Run& ctx = *owned;
  ctx.SetShortcuts(settings.shortcuts);
  Driver driver(ctx, settings);
  int status;
  try {
    status = driver.Run(argc, argv);
  } catch (const ProcessExit& exit) {
    status = exit.status;
  } catch (const FatalError&) {
    // Out of memory before any file was open: the report is printed, the run fails.
    status = 1;
  } catch (const std::bad_alloc&) {
    // The same for memory of the general heap, which the standard library's containers take.
    ctx.diag.ReportOutsideFile(msg::OutOfMemory, "operator new");
    status = 1;
  }
  std::fflush(stdout);
  ctx.memory.Shutdown();
  activeRun = nullptr;
  return status;
}

}  // namespace tpx
